#pragma once
// Cursors by the framework's standard ids. SetCursor shows the cursor over the window that is
// handling the current mouse message (or the last one that did).

#include "platform/ui/WinTypes.h"

constexpr std::uintptr_t IDC_ARROW = 32512;
constexpr std::uintptr_t IDC_IBEAM = 32513;
constexpr std::uintptr_t IDC_WAIT = 32514;
constexpr std::uintptr_t IDC_CROSS = 32515;
constexpr std::uintptr_t IDC_SIZEWE = 32644;
constexpr std::uintptr_t IDC_SIZENS = 32645;

// Only the system cursors exist: instance must be 0; returns 0 for an unknown id.
HCURSOR LoadCursor(HINSTANCE instance, std::uintptr_t id);
// Makes `cursor` current and returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
