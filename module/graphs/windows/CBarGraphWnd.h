#pragma once
// The bar-graph window: for up to four counters chosen in its legend items, three bars each:
// the current rate ("val"), the average rate ("avg") and the peak rate ("Peak"), from its own
// rate statistics of every sample it is given.

#include "module/graphs/windows/CBarPlot.h"
#include "module/graphs/windows/CGraphFrameWnd.h"
#include "module/graphs/windows/CRateStats.h"

class CBarGraphWnd : public CGraphFrameWnd {
public:
    bool AddSample(const CSampleRecord& sample) override;
    CGraphPlot& Plot() override { return m_plot; }
    CBarPlot& BarPlot() { return m_plot; }
    const CRateStats& Stats() const { return m_stats; }
    std::uint32_t HighestShownValue() override;

protected:
    bool HasProbe() const override { return false; }
    void OnLegendPicked(int item, UINT choice) override;
    std::string ValueLabel(double rate) const override;
    void PaintBelowPlot(CDC& dc) override;
    void OnLineRate(int i, std::uint64_t perSecond) override { m_stats.SetLineRate(i, perSecond); }

private:
    void UpdateGroups();

    CRateStats m_stats;
    CBarPlot m_plot;
};
