#include "module/monitor/SampleInterval.h"

SampleInterval CompareSampleTimes(std::uint32_t time, std::uint32_t previousTime) {
    if (time == previousTime)
        return SampleInterval::SameSecond;
    return time > previousTime ? SampleInterval::Later : SampleInterval::Earlier;
}
