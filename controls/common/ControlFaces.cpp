#include "controls/common/ControlFaces.h"

#include "platform/ui/SysColors.h"

COLORREF ComplementColor(COLORREF c) {
    return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}

COLORREF FaceTextColor(bool pressed) {
    if (!SysColorsFromPalette())
        return RGB(0, 0, 0);
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    return pressed ? ComplementColor(text) : text;
}

void DrawButtonFace(CDC& dc, const CRect& rect, bool pressed) {
    COLORREF face = GetSysColor(COLOR_ACTIVEBORDER);
    CRect inner(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    dc.FillSolidRect(&inner, pressed ? ComplementColor(face) : face);
    dc.Draw3dRect(&rect, pressed ? kFaceGrey : kFaceWhite, pressed ? kFaceWhite : kFaceGrey);
}
