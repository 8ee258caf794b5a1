#include "platform/core/CounterStatistics.h"

CCounterStatistics::CCounterStatistics(std::size_t counters) : m_counters(counters) {}

void CCounterStatistics::TakeSample(const std::vector<std::uint32_t>& values, std::int64_t now,
                                    const std::string& nowText) {
    const std::int64_t dt = m_started ? now - m_lastPoll : 0;
    for (std::size_t k = 0; k < m_counters.size() && k < values.size(); ++k) {
        Counter& c = m_counters[k];
        c.total = values[k];
        if (dt < 0) {
            c.track.Restart(values[k]);
        } else if (dt > 0 || !c.track.Sampled()) {
            const std::uint32_t peak = c.track.Peak();
            c.track.Take(values[k], std::uint32_t(dt), now);
            if (c.track.Peak() != peak)
                c.peakAt = nowText;
        }
    }
    if (dt > 0)
        m_elapsed += dt;
    if (!m_started || dt != 0)
        m_lastPoll = now;
    m_started = true;
}

std::array<std::string, 4> CounterRateTexts(const CCounterStatistics::Counter& counter) {
    return {std::to_string(counter.track.Rate()), std::to_string(counter.track.Average()),
            std::to_string(counter.track.Peak()), counter.peakAt};
}
