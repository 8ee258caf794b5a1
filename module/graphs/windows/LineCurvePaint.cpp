// Painting the line-curve window below and above its plot: the probe handle, the time axis
// and the label strip of the probed point.

#include "module/graphs/windows/CLineCurveWnd.h"

#include "module/graphs/windows/TimeAxis.h"
#include "platform/ui/CDC.h"

void CLineCurveWnd::PaintBelowPlot(CDC& dc) {
    PaintProbeHandle(dc);
    PaintTimeAxis(dc);
    std::vector<std::string> texts = StripTexts();
    int top = StripTop();
    for (int i = 0; i < LegendCount(); ++i)
        dc.TextOut(m_layout.legendItems[size_t(i)].left + 2, top + 2, texts[size_t(i)]);
    CRect client;
    GetClientRect(&client);
    const std::string& middle = texts.back();
    dc.TextOut((client.Width() - dc.GetTextExtent(middle).cx) / 2, top + 15, middle);
}

void CLineCurveWnd::PaintProbeHandle(CDC& dc) {
    if (!m_flags[0])
        return;
    const CRect& h = m_probeHandle;
    dc.FillSolidRect(&h, m_pen.m_color);
    dc.Draw3dRect(&h, RGB(255, 255, 255), RGB(0, 0, 0));
    // A stem from the handle down to the plot, where the probe line goes on.
    int x = h.left + 6;
    dc.SelectObject(&m_pen);
    dc.MoveTo(x, h.bottom);
    dc.LineTo(x, m_layout.plot.top);
}

void CLineCurveWnd::PaintTimeAxis(CDC& dc) {
    const CRect& plot = m_layout.plot;
    dc.SelectObject(&m_pen);
    for (const TimeTick& tick : TimeAxisTicks(m_timeSpan, plot.Width())) {
        int x = plot.right - 1 - int(tick.secondsBack / m_secondsPerPixel);
        dc.MoveTo(x, plot.bottom + 1);
        dc.LineTo(x, plot.bottom + 5);
        int width = dc.GetTextExtent(tick.label).cx;
        dc.TextOut(x - width / 2, plot.bottom + 6, tick.label);
    }
}
