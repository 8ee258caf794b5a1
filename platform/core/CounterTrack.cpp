#include "platform/core/CounterTrack.h"

std::uint32_t CounterIncrease(std::uint32_t previous, std::uint32_t value) {
    return value - previous; // unsigned arithmetic is modulo 2^32
}

bool IsCounterWrap(std::uint32_t increase, std::uint32_t seconds, std::uint32_t fastestRate) {
    if (increase < kSmallCounterWrap)
        return true;
    return std::uint64_t(increase) <= std::uint64_t(fastestRate) * seconds;
}

CounterStep CCounterTrack::Take(std::uint32_t value, std::uint32_t seconds, std::int64_t time) {
    if (!m_sampled || seconds == 0) {
        // Without an earlier value, or without time between the two, there is nothing to rate.
        Restart(value);
        return CounterStep::Primed;
    }
    const std::uint32_t increase = CounterIncrease(m_last, value);
    const bool wentDown = value < m_last;
    m_last = value;
    if (wentDown && !IsCounterWrap(increase, seconds, m_peak))
        return CounterStep::Discontinuity;
    m_rate = increase / seconds;
    m_totalIncrease += increase;
    m_totalSeconds += seconds;
    if (m_rate > m_peak) {
        m_peak = m_rate; // an equal rate keeps the earlier peak time
        m_peakTime = time;
    }
    return CounterStep::Rated;
}

void CCounterTrack::Restart(std::uint32_t value) {
    m_sampled = true;
    m_last = value;
}

std::uint32_t CCounterTrack::Average() const {
    if (m_totalSeconds == 0)
        return 0;
    // Never above the fastest rate, so it fits the 32 bits of a rate.
    return std::uint32_t(m_totalIncrease / m_totalSeconds);
}
