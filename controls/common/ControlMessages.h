#pragma once
// Messages the controls post to their parent windows.

#include "platform/ui/WinTypes.h"

// From flat buttons (WPARAM 0) and up/down controls (WPARAM 1 up, 2 down); LPARAM: control id.
constexpr UINT CTRL_CLICK_MSG = 1355;
// From combo boxes; WPARAM: control id, LPARAM 0.
constexpr UINT COMBO_SELECT_MSG = 2223;
