#pragma once
// Fitting single-line texts into cells: shortening with an ellipsis and the "&" mnemonic
// marks of captions. Pure text rules; the caller supplies the width of a text.

#include <functional>
#include <string>

using TextWidth = std::function<int(const std::string&)>;

// The text when it fits in `width`; otherwise the longest start of it followed by "..." that
// fits, or "..." cut down to what fits (possibly nothing).
std::string FitWithEllipsis(const std::string& text, int width, const TextWidth& measure);

// A caption without its mnemonic marks: "&x" shows x (underlined), "&&" shows one "&".
struct MnemonicText {
    std::string shown;
    int underlined = -1; // index in `shown`, or -1
};
MnemonicText StripMnemonic(const std::string& caption);
