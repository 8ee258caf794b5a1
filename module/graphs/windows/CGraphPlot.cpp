#include "module/graphs/windows/CGraphPlot.h"

#include "platform/ui/WindowDC.h"

namespace {
COLORREF Inverse(COLORREF c) {
    return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}
} // namespace

CGraphPlot::CGraphPlot() {
    SetBackground(m_background);
}

BOOL CGraphPlot::Create(const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

void CGraphPlot::SetBackground(COLORREF color) {
    m_background = color;
    m_brush.CreateSolidBrush(color);
    m_gridPen.CreatePen(PS_SOLID, 1, Inverse(color));
    Invalidate(TRUE);
}

void CGraphPlot::SetGrid(bool on) {
    m_grid = on ? 1 : 0;
    Invalidate(TRUE);
}

LRESULT CGraphPlot::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // the paint fills the whole plot
    case WM_PAINT: {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillRect(&client, &m_brush);
        if (m_grid) {
            int quarter = client.Height() / 4;
            dc.SelectObject(&m_gridPen);
            for (int k = 1; k <= 3; ++k) {
                dc.MoveTo(0, k * quarter);
                dc.LineTo(client.right, k * quarter);
            }
            dc.SelectObject(static_cast<CPen*>(nullptr));
        }
        PaintContent(dc);
        return 0;
    }
    case WM_RBUTTONUP:
        if (onRightClick) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(&p);
            onRightClick(p);
        }
        return 0;
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
