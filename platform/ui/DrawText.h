#pragma once
// Single-line text in a rectangle, the way list cells, buttons and labels show it: aligned
// left, centred or right, optionally centred vertically, cut with an ellipsis, with "&"
// mnemonics underlined unless DT_NOPREFIX. Draws in the device context's font and text colour
// on a transparent background, clipped to the rectangle; leaves no extra clip behind.

#include "platform/ui/CDC.h"

#include <string>

constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

void DrawText(CDC& dc, const std::string& text, const CRect& rect, UINT format);

// Underlines character `index` of `text` drawn with TextOut at (x, y), in the text colour, the
// way DrawText shows a mnemonic; nothing for -1.
void DrawMnemonicMark(CDC& dc, int x, int y, const std::string& text, int index);
