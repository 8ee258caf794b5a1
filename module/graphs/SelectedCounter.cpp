#include "module/graphs/SelectedCounter.h"

#include "platform/core/TextFormat.h"

SelectedCounterTexts SelectedCounterStats(const CRateStats& stats, int selected) {
    // GetRecord gives zeros outside the counters, so 0 ("No Selection") needs no case.
    const CRateRecord record = stats.GetRecord(selected - 1);
    SelectedCounterTexts texts;
    texts.average = FormatText("%u/s", record.m_dwAverage);
    texts.peak = FormatText("%u/s", record.m_dwPeak);
    texts.peakAt = PeakAtText(record);
    return texts;
}

std::string PeakAtText(const CRateRecord& record) {
    return record.m_dwPeak > 0 ? PeakTimeText(record.m_peakTime) : std::string();
}
