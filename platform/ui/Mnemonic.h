#pragma once
// The letter a caption marks with '&' for Alt+letter ("&Refresh" marks R; "&&" is a plain
// ampersand), upper case; 0 when the caption marks none.

#include <string_view>

char MnemonicOf(std::string_view caption);
