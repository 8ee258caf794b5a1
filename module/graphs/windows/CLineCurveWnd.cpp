#include "module/graphs/windows/CLineCurveWnd.h"

#include "module/graphs/windows/AxisLabels.h"
#include "module/graphs/windows/CurveCsv.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/Prompt.h"

#include <algorithm>

CLineCurveWnd::CLineCurveWnd() {
    m_plot.SetPoints(&m_points);
}

bool CLineCurveWnd::AddSample(const CSampleRecord& sample) {
    if (m_points.CounterCount() != m_counterCount) {
        m_points = CCurvePoints(m_counterCount);
        for (size_t i = 0; i < m_lineRates.size(); ++i)
            m_points.SetLineRate(int(i), m_lineRates[i]);
    }
    switch (m_points.AddSample(sample)) {
    case CCurvePoints::Added::Refused:
        return false;
    case CCurvePoints::Added::Point:
        InvalidateStrip();
        m_plot.Invalidate(TRUE); // the curves move left
        return true;
    default:
        return true;
    }
}

void CLineCurveWnd::OnLineRate(int i, std::uint64_t perSecond) {
    if (m_points.CounterCount() == m_counterCount)
        m_points.SetLineRate(i, perSecond);
}

void CLineCurveWnd::SetTimeSpan(double span) {
    m_timeSpan = span;
    UpdatePlotScale();
}

void CLineCurveWnd::UpdatePlotScale() {
    PlotScale scale = m_plot.GetScale();
    m_secondsPerPixel = m_timeSpan / std::max(m_layout.plot.Width(), 1);
    scale.secondsPerPixel = m_secondsPerPixel;
    m_plot.SetScale(scale);
}

void CLineCurveWnd::OnLayout() {
    UpdatePlotScale();
    CRect client;
    GetClientRect(&client);
    m_probeHandle = ProbeHandleAt(client.right - 31);
    m_plot.SetProbeOffset(client.right - 31 - m_layout.plot.left);
}

void CLineCurveWnd::OnButton(UINT id) {
    if (id != IDC_GRAPH_PROBE)
        return;
    m_flags[0] = !m_flags[0];
    m_plot.SetProbe(m_flags[0] != 0);
    m_dragging = 0;
    CRect above(0, 0, m_layout.plot.right + 10, m_layout.plot.top);
    InvalidateRect(&above, TRUE);
    InvalidateStrip();
}

void CLineCurveWnd::MoveProbe(int x) {
    x = ClampProbeX(x, m_layout.plot);
    CRect old = m_probeHandle;
    m_probeHandle = ProbeHandleAt(x);
    m_plot.SetProbeOffset(x - m_layout.plot.left);
    CRect handles(std::min(old.left, m_probeHandle.left), 0,
                  std::max(old.right, m_probeHandle.right), m_layout.plot.top);
    InvalidateRect(&handles, TRUE);
    InvalidateStrip();
}

const CCurvePoint* CLineCurveWnd::ProbedPoint() const {
    if (m_points.Empty())
        return nullptr;
    if (!m_flags[0])
        return &m_points.Newest();
    // Counted from the plot's last column, where the newest point is drawn: the probe standing
    // on a point's vertex shows that point.
    int probeX = m_layout.plot.left + m_plot.GetProbeOffset();
    return m_points.Probed(m_layout.plot.right - 1 - probeX, m_secondsPerPixel);
}

std::vector<std::string> CLineCurveWnd::StripTexts() const {
    std::vector<std::string> texts;
    const CCurvePoint* point = ProbedPoint();
    for (int i = 0; i < LegendCount(); ++i) {
        int counter = const_cast<CLineCurveWnd*>(this)->GetLegendItem(i)->GetCounter();
        texts.push_back(point && counter ? CounterRateText(point->steps[size_t(counter - 1)],
                                                           point->rates[size_t(counter - 1)])
                                         : std::string("0"));
    }
    const char* format = "%I:%M:%S %p %m/%d/%Y";
    texts.push_back(point ? FormatText("%d      %s", int(point->seq),
                                       FormatLocalTime(point->time, format).c_str())
                          : FormatText("0      %s", FormatLocalTime(Clock::now(), format).c_str()));
    return texts;
}

std::vector<int> CLineCurveWnd::ChosenCounters() {
    std::vector<int> counters;
    for (int i = 0; i < LegendCount(); ++i)
        if (int c = GetLegendItem(i)->GetCounter())
            counters.push_back(c - 1);
    return counters;
}

std::uint32_t CLineCurveWnd::HighestShownValue() {
    return m_points.HighestRate(ChosenCounters(), m_timeSpan);
}

void CLineCurveWnd::OnLegendPicked(int item, UINT choice) {
    CLegendItem* legend = GetLegendItem(item);
    if (choice == ID_LEGEND_NONE) {
        if (int c = legend->GetCounter())
            m_plot.RemoveCurve(c - 1);
        legend->SetChoice(ID_LEGEND_NONE);
    } else if (choice == ID_LEGEND_LINE_COLOR || choice == ID_LEGEND_WORD_COLOR) {
        bool line = choice == ID_LEGEND_LINE_COLOR;
        CColorDialog dialog(line ? legend->GetBkColor() : legend->GetTextColor(), 0, this);
        if (dialog.DoModal() != IDOK)
            return;
        if (!line) {
            legend->SetTextColor(dialog.GetColor());
            return;
        }
        legend->SetBkColor(dialog.GetColor());
        if (int c = legend->GetCounter())
            m_plot.SetCurve(c - 1, dialog.GetColor());
    } else if (choice >= 1 && int(choice) <= m_counterCount) {
        if (int previous = legend->GetCounter())
            m_plot.RemoveCurve(previous - 1);
        for (int i = 0; i < LegendCount(); ++i)
            if (i != item && GetLegendItem(i)->GetCounter() == int(choice))
                GetLegendItem(i)->SetChoice(ID_LEGEND_NONE);
        legend->SetChoice(choice);
        m_plot.SetCurve(int(choice) - 1, legend->GetBkColor());
    }
    InvalidateStrip();
}

std::string CLineCurveWnd::ValueLabel(double rate) const {
    return RateAxisLabel(rate);
}

void CLineCurveWnd::AddSaveCommands(CMenu& menu) {
    menu.AppendMenu(MF_STRING, ID_GRAPH_SAVE_CSV, "Save As CSV...");
}

void CLineCurveWnd::OnSaveCommand(UINT id) {
    if (id == ID_GRAPH_SAVE_CSV)
        SaveFile("Save As CSV", "graph.csv", "CSV file (*.csv)",
                 CurveCsvText(m_points, ChosenCounters(), m_names));
}

LRESULT CLineCurveWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (m_flags[0] && m_probeHandle.PtInRect(CPoint(lParam)))
            m_dragging = 1;
        return 0;
    case WM_MOUSEMOVE:
        if (m_dragging && (wParam & MK_LBUTTON))
            MoveProbe(GET_X_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        m_dragging = 0;
        return 0;
    default:
        return CGraphFrameWnd::WindowProc(msg, wParam, lParam);
    }
}
