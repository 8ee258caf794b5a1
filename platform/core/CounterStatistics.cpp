#include "platform/core/CounterStatistics.h"

CCounterStatistics::CCounterStatistics(std::size_t counters) : m_counters(counters) {}

void CCounterStatistics::TakeSample(const std::vector<std::uint32_t>& values, std::int64_t nowMs,
                                    const std::string& nowText) {
    constexpr std::int64_t kShortestInterval = 1000;
    const std::int64_t dt = m_started ? nowMs - m_lastPollMs : 0;
    const bool interval = dt >= kShortestInterval;
    for (std::size_t k = 0; k < m_counters.size() && k < values.size(); ++k) {
        Counter& c = m_counters[k];
        c.total = values[k];
        if (dt < 0) {
            c.track.Restart(values[k]);
        } else if (interval || !c.track.Sampled()) {
            const std::uint32_t peak = c.track.Peak();
            c.track.Take(values[k], std::uint64_t(interval ? dt : 0), nowMs / 1000);
            if (c.track.Peak() != peak)
                c.peakAt = nowText;
        }
    }
    if (interval)
        m_elapsedMs += dt;
    if (!m_started || interval || dt < 0)
        m_lastPollMs = nowMs;
    m_started = true;
}

std::array<std::string, 4> CounterRateTexts(const CCounterStatistics::Counter& counter) {
    return {std::to_string(counter.track.Rate()), std::to_string(counter.track.Average()),
            std::to_string(counter.track.Peak()), counter.peakAt};
}
