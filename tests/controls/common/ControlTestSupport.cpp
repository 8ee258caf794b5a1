#include "tests/controls/common/ControlTestSupport.h"

#include "platform/ui/DialogTemplate.h"

#include <QImage>

std::unique_ptr<CDialog> PlaceByClassName(const char* className, UINT id, int cx, int cy) {
    DialogTemplate tpl;
    tpl.title = "placement";
    tpl.cx = cx + 8;
    tpl.cy = cy + 8;
    tpl.items.push_back({id, className, 4, 4, cx, cy, WS_VISIBLE, ""});
    auto dialog = std::make_unique<CDialog>();
    if (!dialog->CreateIndirect(tpl))
        return nullptr;
    return dialog;
}

COLORREF DrawnPixel(CWnd* wnd, int x, int y) {
    QRgb c = wnd->GetSurface().pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

int CountDrawn(CWnd* wnd, const CRect& area, COLORREF color) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += DrawnPixel(wnd, x, y) == color;
    return n;
}

int CountColor(CWnd* wnd, const CRect& area, COLORREF color) {
    wnd->UpdateWindow();
    return CountDrawn(wnd, area, color);
}

COLORREF FaceColor() {
    return GetSysColor(COLOR_ACTIVEBORDER);
}

COLORREF PressedFaceColor() {
    COLORREF c = FaceColor();
    return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}
