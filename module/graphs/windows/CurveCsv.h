#pragma once
// The line curve's points as comma-separated text for a spreadsheet: a header, then one row
// per point (oldest first) with its sequence number, local time and the rate of each chosen
// counter.

#include "module/graphs/windows/CurvePoints.h"

#include <string>
#include <vector>

// `counters` are 0-based counter indexes, `names` all counters' names.
std::string CurveCsvText(const CCurvePoints& points, const std::vector<int>& counters,
                         const std::vector<std::string>& names);
