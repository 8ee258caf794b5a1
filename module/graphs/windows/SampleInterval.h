#pragma once
// How a sample stands to the previous one: a second or more later gives an interval, less than
// a second later gives none (samples in the same second produce no rate), and an earlier one
// (the clock was set back) starts afresh.

#include "module/graphs/windows/CSampleRecord.h"

#include <cstdint>

enum class SampleInterval { Later, SameSecond, Earlier };
SampleInterval CompareSampleTimes(const CSampleRecord& sample, const CSampleRecord& previous);
// The milliseconds from `previous` to `sample`.
std::int64_t SampleIntervalMs(const CSampleRecord& sample, const CSampleRecord& previous);
