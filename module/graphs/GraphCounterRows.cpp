#include "module/graphs/GraphCounterRows.h"

#include "module/graphs/SelectedCounter.h"

std::vector<std::vector<std::string>> GraphCounterRows(const CRateStats& stats,
                                                       const std::vector<std::string>& names) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const CRateRecord r = stats.GetRecord(int(i));
        rows.push_back({names[i], CounterRateText(r.m_step, r.m_dwRate),
                        std::to_string(r.m_dwAverage), std::to_string(r.m_dwPeak), PeakAtText(r)});
    }
    return rows;
}
