#pragma once
// The button faces the controls share: raised is a fill in COLOR_ACTIVEBORDER with white
// top/left and grey bottom/right edges; pressed is a fill in the complement of that colour
// with grey top/left and white bottom/right edges.

#include "platform/ui/CDC.h"

constexpr COLORREF kFaceWhite = RGB(255, 255, 255);
constexpr COLORREF kFaceGrey = RGB(128, 128, 128);

// Each of red, green and blue replaced by 255 minus its value.
COLORREF ComplementColor(COLORREF color);

// The caption colour on a raised or pressed face: black in the classic scheme; on a dark
// palette its button text, and on the pressed face (the light complement) that text's
// complement, so a caption always stands out from its face.
COLORREF FaceTextColor(bool pressed);

// Fills (l, t) – (r − 1, b − 1) and draws the 1-pixel 3-D edge on the whole rectangle.
void DrawButtonFace(CDC& dc, const CRect& rect, bool pressed);
