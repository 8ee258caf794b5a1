// Painting the frame of a graph window: background, plot border, value axis and status box.

#include "module/graphs/windows/CGraphFrameWnd.h"

#include "module/graphs/windows/AxisLabels.h"
#include "platform/ui/WindowDC.h"

void CGraphFrameWnd::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_ACTIVEBORDER));
    dc.Draw3dRect(&client, RGB(255, 255, 255), RGB(128, 128, 128));
    CRect border(m_layout.plot.left - 1, m_layout.plot.top - 1, m_layout.plot.right + 1,
                 m_layout.plot.bottom + 1);
    dc.Draw3dRect(&border, RGB(128, 128, 128), RGB(255, 255, 255));
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    PaintValueAxis(dc);
    PaintBelowPlot(dc);
    PaintStatus(dc);
    dc.SelectObject(static_cast<CFont*>(nullptr));
    dc.SelectObject(static_cast<CPen*>(nullptr));
}

void CGraphFrameWnd::PaintValueAxis(CDC& dc) {
    const CRect& plot = m_layout.plot;
    int quarter = (plot.bottom - plot.top) / 4;
    int textHeight = dc.GetTextExtent("0").cy;
    const auto measure = [&dc](const std::string& text) { return int(dc.GetTextExtent(text).cx); };
    auto label = [&](int y, double value) {
        const std::string text = FittingAxisLabel(value > 0 ? ValueLabel(value) : std::string("0"),
                                                  value, plot.left - 8, measure);
        int width = measure(text);
        dc.TextOut(plot.left - 7 - width, y - textHeight / 2, text);
    };
    label(plot.top, m_valueRange);
    dc.SelectObject(&m_pen);
    for (int k = 1; k <= 3; ++k) {
        int y = plot.top + k * quarter;
        dc.MoveTo(plot.left - 6, y);
        dc.LineTo(plot.left - 1, y);
        label(y, m_valueRange * (4 - k) / 4);
    }
    label(plot.bottom - 1, 0);
    dc.TextOut(4, 3, "/sec");
}

void CGraphFrameWnd::PaintStatus(CDC& dc) {
    if (m_status.empty())
        return;
    CRect client;
    GetClientRect(&client);
    CSize text = dc.GetTextExtent(m_status);
    int width = text.cx + 12, height = text.cy + 4;
    CRect box((client.Width() - width) / 2, client.bottom - height - 3, 0, client.bottom - 3);
    box.right = box.left + width;
    dc.FillSolidRect(&box, RGB(255, 255, 255));
    CBrush black(RGB(0, 0, 0));
    dc.FrameRect(&box, &black);
    dc.TextOut(box.left + 6, box.top + 2, m_status);
}
