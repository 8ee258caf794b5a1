#pragma once
// The line curve's plot: the probe line and one curve per chosen counter, drawn through the
// owner's points with the newest at the right edge. Mouse moves and left-button releases over
// the plot go on to the owner (x increased by 35), so that a probe drag continues over it.

#include "module/graphs/windows/CGraphPlot.h"
#include "module/graphs/windows/CurvePoints.h"

#include <vector>

class CCurvePlot : public CGraphPlot {
public:
    struct Curve {
        int counter; // 0-based
        COLORREF colour;
        CPen pen;
    };

    void SetPoints(const CCurvePoints* points) { m_points = points; }
    bool GetProbe() const { return m_probe != 0; }
    void SetProbe(bool on);
    int GetProbeOffset() const { return m_probeOffset; }
    void SetProbeOffset(int x);
    // Draws `counter` in `colour`, adding its curve when it has none.
    void SetCurve(int counter, COLORREF colour);
    void RemoveCurve(int counter);
    const std::vector<Curve>& Curves() const { return m_curves; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void PaintContent(CDC& dc) override;

private:
    const CCurvePoints* m_points = nullptr;
    int m_probe = 1;
    int m_probeOffset = 0;
    int m_valueMode = 0; // 0: rates per second
    std::vector<Curve> m_curves;
};
