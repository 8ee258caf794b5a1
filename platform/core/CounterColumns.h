#pragma once
// The columns of a counter statistics view as data: the statistics table and NmDialog's
// statistic dialog both lay out and fill their columns from this one description.

#include "platform/core/CounterStatistics.h"

#include <array>
#include <string>

enum class CounterColumn { Name, Total, Rate, Average, Peak, PeakAt };

struct CounterColumnInfo {
    CounterColumn role;
    const char* tableHeading; // the statistics table's
    const char* listHeading;  // NmDialog's list
    int tableWidth;           // in the statistics table's grid units
    int listWidth;            // in pixels of NmDialog's list
};

// In the order the views show them.
const std::array<CounterColumnInfo, 6>& CounterColumns();

// What a counter shows in `column` ("Name" is the view's own: empty here).
std::string CounterCellText(const CCounterStatistics::Counter& counter, CounterColumn column);
