#pragma once
// The line-curve window: for up to four counters chosen in its legend items, the rate per
// second over time as coloured curves, newest at the right edge, with a time axis, zoom, grid
// and probe buttons, and a probe line dragged by its handle above the plot. The label strip
// shows the probed point's rates, sequence number and time.

#include "module/graphs/windows/CCurvePlot.h"
#include "module/graphs/windows/CGraphFrameWnd.h"
#include "module/graphs/windows/CurvePoints.h"

class CLineCurveWnd : public CGraphFrameWnd {
public:
    CLineCurveWnd();

    bool AddSample(const CSampleRecord& sample) override;
    CGraphPlot& Plot() override { return m_plot; }
    CCurvePlot& CurvePlot() { return m_plot; }

    double GetTimeSpan() const { return m_timeSpan; }
    const CCurvePoints& Points() const { return m_points; }
    bool IsDragging() const { return m_dragging != 0; }
    const CRect& ProbeHandle() const { return m_probeHandle; }
    // The point the label strip shows (null before the first rate).
    const CCurvePoint* ProbedPoint() const;
    // The rates shown under the legend items and the middle text of the label strip.
    std::vector<std::string> StripTexts() const;
    // The counters with a curve, in legend order (0-based).
    std::vector<int> ChosenCounters();
    std::uint32_t HighestShownValue() override;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    bool HasProbe() const override { return true; }
    void SetTimeSpan(double span) override;
    void OnLayout() override;
    void OnButton(UINT id) override;
    void OnLegendPicked(int item, UINT choice) override;
    std::string ValueLabel(double rate) const override;
    void PaintBelowPlot(CDC& dc) override;
    void AddSaveCommands(CMenu& menu) override;
    void OnSaveCommand(UINT id) override;
    void OnLineRate(int i, std::uint64_t perSecond) override;

private:
    void UpdatePlotScale();
    void MoveProbe(int x);
    void PaintTimeAxis(CDC& dc);
    void PaintProbeHandle(CDC& dc);

    BYTE m_flags[2] = {1, 1}; // probe mode, second display flag
    BYTE m_dragging = 0;
    double m_timeSpan = 60;
    double m_secondsPerPixel = 1;
    CRect m_probeHandle;
    CCurvePoints m_points;
    CCurvePlot m_plot;
};
