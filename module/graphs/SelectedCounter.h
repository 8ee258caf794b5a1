#pragma once
// What the lower boxes of a graph dialog show for the counter chosen in its picker: the
// average and peak rates ("%u/s": rates of 2^31 and more stay positive) and when the peak was seen
// (as every view writes it, PeakTimeText; nothing before there is a peak).

#include "module/graphs/windows/CRateStats.h"

#include <string>

struct SelectedCounterTexts {
    std::string average;
    std::string peak;
    std::string peakAt;
};

// `selected` is 1-based; 0, or a number past the counters, shows a record of zeros.
SelectedCounterTexts SelectedCounterStats(const CRateStats& stats, int selected);
// When the record's peak was seen, as "Pk at:" shows it: empty while there is no peak.
std::string PeakAtText(const CRateRecord& record);
