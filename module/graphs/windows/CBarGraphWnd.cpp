#include "module/graphs/windows/CBarGraphWnd.h"

#include "module/graphs/windows/AxisLabels.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/CDC.h"

#include <algorithm>

bool CBarGraphWnd::AddSample(const CSampleRecord& sample) {
    if (sample.m_nCount != m_counterCount || !m_stats.AddSample(sample))
        return false;
    UpdateGroups();
    InvalidateStrip();
    return true;
}

void CBarGraphWnd::UpdateGroups() {
    for (int g = 0; g < kMaxLegendItems; ++g) {
        CLegendItem* item = GetLegendItem(g);
        int counter = item ? item->GetCounter() : 0;
        if (!counter) {
            m_plot.SetGroup(g, std::nullopt);
            continue;
        }
        CRateRecord r = m_stats.GetRecord(counter - 1);
        // An interval without a measured rate shows no "val" bar.
        std::uint32_t rate =
            r.m_step == CounterStep::Discontinuity || r.m_step == CounterStep::Unmeasured
                ? 0
                : r.m_dwRate;
        m_plot.SetGroup(g, std::array<std::uint32_t, 3>{rate, r.m_dwAverage, r.m_dwPeak});
    }
}

std::uint32_t CBarGraphWnd::HighestShownValue() {
    std::uint32_t highest = 0;
    for (int g = 0; g < kMaxLegendItems; ++g)
        if (const auto& group = m_plot.Group(g))
            for (std::uint32_t value : *group)
                highest = std::max(highest, value);
    return highest;
}

void CBarGraphWnd::OnLegendPicked(int item, UINT choice) {
    if (choice == ID_LEGEND_NONE) {
        GetLegendItem(item)->SetChoice(ID_LEGEND_NONE);
    } else if (choice >= 1 && int(choice) <= m_counterCount) {
        for (int i = 0; i < LegendCount(); ++i)
            if (i != item && GetLegendItem(i)->GetCounter() == int(choice))
                GetLegendItem(i)->SetChoice(ID_LEGEND_NONE);
        GetLegendItem(item)->SetChoice(choice);
    } else {
        return;
    }
    UpdateGroups();
    // The chosen groups' bar names sit between the plot and the strip.
    InvalidateBelowPlot();
}

std::string CBarGraphWnd::ValueLabel(double rate) const {
    return PlainAxisLabel(rate);
}

void CBarGraphWnd::PaintBelowPlot(CDC& dc) {
    static const char* const kNames[3] = {"val", "avg", "Peak"};
    const CRect& plot = m_layout.plot;
    for (int g = 0; g < LegendCount(); ++g) {
        if (!m_plot.Group(g))
            continue;
        std::uint32_t none[3] = {0, 0, 0};
        BarGroup bars = BarGroupRects(g, none, m_plot.GetScale());
        for (int k = 0; k < 3; ++k) {
            int centre = plot.left + (bars.bars[k].left + bars.bars[k].right) / 2;
            int width = dc.GetTextExtent(kNames[k]).cx;
            dc.SetTextColor(CBarPlot::kBarColours[k]);
            dc.TextOut(centre - width / 2, plot.bottom + 3, kNames[k]);
        }
    }
    dc.SetTextColor(RGB(0, 0, 0));
    int top = StripTop();
    for (int i = 0; i < LegendCount(); ++i) {
        int counter = GetLegendItem(i)->GetCounter();
        const CRateRecord r = m_stats.GetRecord(counter - 1);
        dc.TextOut(m_layout.legendItems[size_t(i)].left + 2, top + 2,
                   counter ? CounterRateText(r.m_step, r.m_dwRate) : std::string("0"));
    }
    std::string now = FormatLocalTime(Clock::now(), "%I:%M:%S %p %m/%d/%Y");
    CRect client;
    GetClientRect(&client);
    dc.TextOut((client.Width() - dc.GetTextExtent(now).cx) / 2, top + 15, now);
}
