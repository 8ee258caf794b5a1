#include "module/monitor/CounterRate.h"

std::uint32_t CounterIncrease(std::uint32_t newValue, std::uint32_t oldValue) {
    if (newValue >= oldValue)
        return newValue - oldValue;
    return newValue - oldValue - 1u; // unsigned arithmetic is modulo 2^32
}

std::uint32_t CounterRate(std::uint32_t newValue, std::uint32_t oldValue, std::uint32_t seconds) {
    return CounterIncrease(newValue, oldValue) / seconds;
}

SampleInterval CompareSampleTimes(std::uint32_t time, std::uint32_t previousTime) {
    if (time == previousTime)
        return SampleInterval::SameSecond;
    return time > previousTime ? SampleInterval::Later : SampleInterval::Earlier;
}
