#include "module/graphs/windows/CBarPlot.h"

#include "platform/ui/CDC.h"

CBarPlot::CBarPlot() {
    for (int k = 0; k < 3; ++k)
        m_brushes[k].CreateSolidBrush(kBarColours[k]);
}

void CBarPlot::SetGroup(int g, std::optional<std::array<std::uint32_t, 3>> values) {
    if (g < 0 || g >= kMaxLegendItems)
        return;
    m_groups[g] = values;
    Invalidate(TRUE);
}

void CBarPlot::PaintContent(CDC& dc) {
    for (int g = 0; g < kMaxLegendItems; ++g) {
        if (!m_groups[g])
            continue;
        BarGroup bars = BarGroupRects(g, m_groups[g]->data(), m_scale);
        for (int k = 0; k < 3; ++k)
            dc.FillRect(&bars.bars[k], &m_brushes[k]);
    }
}
