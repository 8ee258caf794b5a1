#include "tools/controls-gallery/GraphsWindow.h"

#include "module/graphs/windows/GraphIds.h"
#include "platform/core/Clock.h"
#include "tools/controls-gallery/GraphSamples.h"

namespace {
constexpr int kHistory = 61; // five minutes
constexpr COLORREF kCurveColours[3] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 128, 0)};
} // namespace

bool CGraphsGalleryWnd::CreateGallery() {
    if (!Create(nullptr, "Taurel graphs", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                CRect(100, 100, 100 + kWidth, 100 + kHeight), nullptr, 0))
        return false;
    std::vector<std::string> names = GraphSamples::CounterNames();
    if (!m_line.Create(CRect(8, 8, kWidth - 8, 348), this, kLineId, names) ||
        !m_bars.Create(CRect(8, 356, kWidth - 8, kHeight - 8), this, kBarId, names))
        return false;
    m_line.SetScale(300, 2000);
    m_bars.SetScale(-1, 2000);
    ChooseCounters(m_line);
    ChooseCounters(m_bars);
    for (const CSampleRecord& s : GraphSamples::History(kHistory, std::uint32_t(Clock::now())))
        Feed(s);
    // Probe a minute and a half back, the way an operator would drag it.
    CRect handle = m_line.ProbeHandle();
    int x = handle.left + 6;
    m_line.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, handle.top + 2));
    m_line.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x - 190, handle.top + 2));
    m_line.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x - 190, handle.top + 2));
    return true;
}

void CGraphsGalleryWnd::ChooseCounters(CGraphFrameWnd& graph) {
    for (int i = 0; i < 3; ++i) {
        CLegendItem* item = graph.GetLegendItem(i);
        if (!item)
            return;
        item->SetBkColor(kCurveColours[i]);
        graph.SendMessage(LEGEND_PICKED, IDC_GRAPH_LEGEND + UINT(i), LPARAM(i + 1));
    }
}

void CGraphsGalleryWnd::StartLive() {
    SetTimer(kTimerId, GraphSamples::kInterval * 1000);
}

void CGraphsGalleryWnd::Feed(const CSampleRecord& sample) {
    m_line.AddSample(sample);
    m_bars.AddSample(sample);
    ++m_next;
}

LRESULT CGraphsGalleryWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        if (wParam == kTimerId)
            Feed(GraphSamples::Sample(m_next, std::uint32_t(Clock::now())));
        return 0;
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
