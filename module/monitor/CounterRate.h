#pragma once
// The increase of a 32-bit counter between two samples and its rate per second. A counter
// whose new value is below the old one has passed its maximum.

#include <cstdint>

// new − old when new ≥ old; otherwise new − old − 1 modulo 2^32 (the counter wrapped).
std::uint32_t CounterIncrease(std::uint32_t newValue, std::uint32_t oldValue);
// CounterIncrease / seconds, unsigned integer division; seconds must not be 0.
std::uint32_t CounterRate(std::uint32_t newValue, std::uint32_t oldValue, std::uint32_t seconds);

// How a sample's time stands to the previous sample's: a later one gives an interval, one in
// the same second gives none, and an earlier one (the clock was set back) starts afresh.
enum class SampleInterval { Later, SameSecond, Earlier };
SampleInterval CompareSampleTimes(std::uint32_t time, std::uint32_t previousTime);
