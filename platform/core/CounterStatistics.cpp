#include "platform/core/CounterStatistics.h"

CCounterStatistics::CCounterStatistics(std::size_t counters) : m_counters(counters) {}

std::int32_t CCounterStatistics::Difference(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::int32_t>(b - a);
}

void CCounterStatistics::TakeSample(const std::vector<std::uint32_t>& values, std::int64_t now,
                                    const std::string& nowText) {
    const std::int64_t dt = m_started ? now - m_lastPoll : 0;
    // Time that runs backwards is taken as a fresh start of the interval: no rate from it.
    const bool timed = dt > 0;
    if (timed)
        m_elapsed += dt;
    for (std::size_t k = 0; k < m_counters.size() && k < values.size(); ++k) {
        Counter& c = m_counters[k];
        const std::uint32_t v = values[k];
        if (!c.sampled) {
            c.sampled = true;
            c.first = c.last = v;
            c.peak = 0;
            continue;
        }
        if (timed) {
            c.rate = static_cast<std::int32_t>(Difference(c.last, v) / dt);
            if (m_elapsed > 0)
                c.average = static_cast<std::int32_t>(Difference(c.first, v) / m_elapsed);
            if (c.peak < c.rate) {
                c.peak = c.rate;
                c.peakAt = nowText;
            }
        }
        c.last = v;
    }
    if (!m_started || timed || now < m_lastPoll)
        m_lastPoll = now;
    m_started = true;
}
