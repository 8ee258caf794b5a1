#include "platform/core/CounterTrack.h"

#include <algorithm>

namespace {
// Longer intervals are cut to this (about 24 days) so the products below stay in 64 bits.
constexpr std::uint64_t kLongestInterval = 1ull << 31;
} // namespace

std::uint32_t CounterIncrease(std::uint32_t previous, std::uint32_t value) {
    return value - previous; // unsigned arithmetic is modulo 2^32
}

bool IsCounterWrap(std::uint32_t increase, std::uint64_t milliseconds, std::uint32_t fastestRate) {
    if (increase < kSmallCounterWrap)
        return true;
    milliseconds = std::min(milliseconds, kLongestInterval);
    return std::uint64_t(increase) * 1000 <= kWrapPaceFactor * fastestRate * milliseconds;
}

std::uint32_t RatePerSecond(std::uint64_t increase, std::uint64_t milliseconds) {
    // Whole seconds and the remainder apart, so a 64-bit total times 1000 cannot overflow.
    const std::uint64_t perMs = increase / milliseconds;
    const std::uint64_t rest = increase % milliseconds;
    const std::uint64_t rate = perMs * 1000 + rest * 1000 / milliseconds;
    const bool tooFast = perMs > 0xFFFFFFFFull / 1000 || rate > 0xFFFFFFFFull;
    return tooFast ? 0xFFFFFFFFu : std::uint32_t(rate);
}

CounterStep CCounterTrack::Take(std::uint32_t value, std::uint64_t milliseconds,
                                std::int64_t time) {
    if (!m_sampled || milliseconds == 0) {
        // Without an earlier value, or without time between the two, there is nothing to rate.
        Restart(value);
        return CounterStep::Primed;
    }
    const std::uint32_t increase = CounterIncrease(m_last, value);
    const bool wentDown = value < m_last;
    m_last = value;
    if (wentDown && !IsCounterWrap(increase, milliseconds, m_peak))
        return CounterStep::Discontinuity;
    m_rate = RatePerSecond(increase, milliseconds);
    m_totalIncrease += increase;
    m_totalMs += milliseconds;
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
    return m_totalMs == 0 ? 0 : RatePerSecond(m_totalIncrease, m_totalMs);
}
