#pragma once
// A graph dialog's statistics as rows of text, one per counter whether picked or not: name,
// rate, average rate, peak rate (per second, unsigned decimal; the rate marked as the
// statistics table marks it) and when the peak was seen (as the "Pk at:" box shows it). What
// `taurel --print` writes.

#include "module/graphs/windows/CRateStats.h"

#include <string>
#include <vector>

std::vector<std::vector<std::string>> GraphCounterRows(const CRateStats& stats,
                                                       const std::vector<std::string>& names);
