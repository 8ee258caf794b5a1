#include "module/graphs/windows/CCurvePlot.h"

#include "platform/ui/CDC.h"

#include <algorithm>

namespace {
// How far the plot's mouse x is moved to reach the owner's coordinates.
constexpr int kForwardOffset = 35;
} // namespace

void CCurvePlot::SetProbe(bool on) {
    m_probe = on ? 1 : 0;
    Invalidate(TRUE);
}

void CCurvePlot::SetProbeOffset(int x) {
    m_probeOffset = x;
    Invalidate(TRUE);
}

void CCurvePlot::SetCurve(int counter, COLORREF colour) {
    auto it = std::find_if(m_curves.begin(), m_curves.end(),
                           [&](const Curve& c) { return c.counter == counter; });
    if (it == m_curves.end())
        it = m_curves.insert(m_curves.end(), Curve{counter, colour, CPen()});
    it->colour = colour;
    it->pen.CreatePen(PS_SOLID, 1, colour);
    Invalidate(TRUE);
}

void CCurvePlot::RemoveCurve(int counter) {
    std::erase_if(m_curves, [&](const Curve& c) { return c.counter == counter; });
    Invalidate(TRUE);
}

void CCurvePlot::PaintContent(CDC& dc) {
    if (m_probe) {
        int x = std::clamp(m_probeOffset, 0, m_scale.width - 1);
        dc.SelectObject(const_cast<CPen*>(&GridPen()));
        dc.MoveTo(x, 0);
        dc.LineTo(x, m_scale.height);
    }
    if (m_points && m_valueMode == 0)
        for (Curve& curve : m_curves) {
            dc.SelectObject(&curve.pen);
            for (const std::vector<POINT>& run : CurveRuns(*m_points, curve.counter, m_scale)) {
                if (run.size() == 1) // a lone point still shows
                    dc.SetPixel(run[0].x, run[0].y, curve.colour);
                dc.Polyline(run.data(), int(run.size()));
            }
        }
    dc.SelectObject(static_cast<CPen*>(nullptr));
}

LRESULT CCurvePlot::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEMOVE || msg == WM_LBUTTONUP) {
        if (CWnd* owner = GetParent())
            owner->SendMessage(
                msg, wParam,
                MAKELPARAM(GET_X_LPARAM(lParam) + kForwardOffset, GET_Y_LPARAM(lParam)));
        return 0;
    }
    return CGraphPlot::WindowProc(msg, wParam, lParam);
}
