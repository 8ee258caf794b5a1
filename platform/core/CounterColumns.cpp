#include "platform/core/CounterColumns.h"

const std::array<CounterColumnInfo, 6>& CounterColumns() {
    static const std::array<CounterColumnInfo, 6> columns = {{
        {CounterColumn::Name, "Object Name", "Object", 130, 140},
        {CounterColumn::Total, "Total", "Total", 70, 100},
        {CounterColumn::Rate, "Rate/s", "Rate/s", 70, 100},
        {CounterColumn::Average, "Avg Rate/s", "Avg Rate/s", 70, 100},
        {CounterColumn::Peak, "Peak Rate/s", "Peak Rate/s", 70, 100},
        {CounterColumn::PeakAt, "Peak At", "Peak At", 140, 100},
    }};
    return columns;
}

std::string CounterCellText(const CCounterStatistics::Counter& counter, CounterColumn column) {
    const std::array<std::string, 4> rates = CounterRateTexts(counter);
    switch (column) {
    case CounterColumn::Total:
        return std::to_string(counter.total);
    case CounterColumn::Rate:
        return rates[0];
    case CounterColumn::Average:
        return rates[1];
    case CounterColumn::Peak:
        return rates[2];
    case CounterColumn::PeakAt:
        return rates[3];
    default:
        return std::string();
    }
}
