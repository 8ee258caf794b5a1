#pragma once
// The button faces the controls share: raised is a fill in COLOR_ACTIVEBORDER with white
// top/left and grey bottom/right edges; pressed is a fill in the complement of that colour
// with grey top/left and white bottom/right edges.

#include "platform/ui/CDC.h"

constexpr COLORREF kFaceWhite = RGB(255, 255, 255);
constexpr COLORREF kFaceGrey = RGB(128, 128, 128);

// Each of red, green and blue replaced by 255 minus its value.
COLORREF ComplementColor(COLORREF color);

// Fills (l, t) – (r − 1, b − 1) and draws the 1-pixel 3-D edge on the whole rectangle.
void DrawButtonFace(CDC& dc, const CRect& rect, bool pressed);
