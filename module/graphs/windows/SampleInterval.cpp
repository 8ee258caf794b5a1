#include "module/graphs/windows/SampleInterval.h"

std::int64_t SampleIntervalMs(const CSampleRecord& sample, const CSampleRecord& previous) {
    return SampleMilliseconds(sample) - SampleMilliseconds(previous);
}

SampleInterval CompareSampleTimes(const CSampleRecord& sample, const CSampleRecord& previous) {
    // Both tests: samples of one second stay apart even when their milliseconds are closer.
    if (sample.m_time == previous.m_time ||
        (sample.m_time > previous.m_time && SampleIntervalMs(sample, previous) < 1000))
        return SampleInterval::SameSecond;
    return sample.m_time > previous.m_time ? SampleInterval::Later : SampleInterval::Earlier;
}
