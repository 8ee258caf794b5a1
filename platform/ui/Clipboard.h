#pragma once
// The system clipboard, as text.

#include <string>

void SetClipboardText(const std::string& text);
std::string GetClipboardText();
