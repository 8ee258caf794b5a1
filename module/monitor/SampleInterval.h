#pragma once
// How a sample's time stands to the previous sample's: a later one gives an interval, one in
// the same second gives none, and an earlier one (the clock was set back) starts afresh.

#include <cstdint>

enum class SampleInterval { Later, SameSecond, Earlier };
SampleInterval CompareSampleTimes(std::uint32_t time, std::uint32_t previousTime);
