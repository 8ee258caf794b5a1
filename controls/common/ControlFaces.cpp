#include "controls/common/ControlFaces.h"

COLORREF ComplementColor(COLORREF c) {
    return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}

void DrawButtonFace(CDC& dc, const CRect& rect, bool pressed) {
    COLORREF face = GetSysColor(COLOR_ACTIVEBORDER);
    CRect inner(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    dc.FillSolidRect(&inner, pressed ? ComplementColor(face) : face);
    dc.Draw3dRect(&rect, pressed ? kFaceGrey : kFaceWhite, pressed ? kFaceWhite : kFaceGrey);
}
