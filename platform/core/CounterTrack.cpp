#include "platform/core/CounterTrack.h"

#include <algorithm>

namespace {
// Longer intervals are cut to this (about 24 days) so the products below stay in 64 bits.
constexpr std::uint64_t kLongestInterval = 1ull << 31;
constexpr std::uint64_t kCounterRange = 1ull << 32;
// An increase of half the range or more reads, as a signed difference, as a step back.
constexpr std::uint32_t kStepBack = 1u << 31;
} // namespace

std::uint32_t CounterIncrease(std::uint32_t previous, std::uint32_t value) {
    return value - previous; // unsigned arithmetic is modulo 2^32
}

std::uint32_t RatePerSecond(std::uint64_t increase, std::uint64_t milliseconds) {
    // Whole milliseconds and the remainder apart, so a 64-bit total times 1000 cannot overflow.
    const std::uint64_t perMs = increase / milliseconds;
    const std::uint64_t rest = increase % milliseconds;
    if (perMs > 0xFFFFFFFFull / 1000)
        return 0xFFFFFFFFu;
    const std::uint64_t rate = perMs * 1000 + (rest * 1000 + milliseconds / 2) / milliseconds;
    return rate > 0xFFFFFFFFull ? 0xFFFFFFFFu : std::uint32_t(rate);
}

bool IsCounterWrap(std::uint32_t increase, std::uint64_t milliseconds, std::uint32_t fastestRate) {
    if (fastestRate == 0)
        return increase < kStepBack;
    milliseconds = std::min(milliseconds, kLongestInterval);
    // At most 2 × (2^32 − 1) × 2^31: within 64 bits.
    return std::uint64_t(increase) * 1000 <= kWrapPaceFactor * fastestRate * milliseconds;
}

std::uint64_t MostPlausibleRate(const CounterPace& pace) {
    const std::uint64_t byPace = kWrapPaceFactor * pace.fastest;
    const std::uint64_t byLine =
        pace.lineRate * kLineRateSlackNumerator / kLineRateSlackDenominator;
    // Kept under 2^33, so that times 2^31 milliseconds it stays within 64 bits.
    return std::min<std::uint64_t>(std::max(byPace, byLine), (1ull << 33) - 1);
}

IntervalVerdict JudgeInterval(std::uint32_t previous, std::uint32_t value,
                              std::uint64_t milliseconds, const CounterPace& pace) {
    IntervalVerdict verdict;
    const std::uint64_t ms = std::min(milliseconds, kLongestInterval);
    const std::uint32_t increase = CounterIncrease(previous, value);
    const std::uint64_t rate = RatePerSecond(increase, ms);
    if (pace.lineRate > 0 &&
        rate * kLineRateSlackDenominator > pace.lineRate * kLineRateSlackNumerator) {
        verdict.step = CounterStep::Discontinuity;
        verdict.overLine = true;
        return verdict;
    }
    const bool passesTop = value < previous;
    const bool readsAsStepBack = increase >= kStepBack;
    if ((passesTop || readsAsStepBack) &&
        !IsCounterWrap(increase, ms, std::max(pace.fastest, pace.refused))) {
        verdict.step = CounterStep::Discontinuity;
        return verdict;
    }
    // Could the counter have passed the top once more than the values show, at a pace it may
    // plausibly run at? Then nobody can tell how far it went.
    const std::uint64_t plausible = MostPlausibleRate(pace);
    if (plausible > 0 && (std::uint64_t(increase) + kCounterRange) * 1000 <= plausible * ms)
        verdict.step = CounterStep::Unmeasured;
    return verdict;
}

CounterStep CCounterTrack::Take(std::uint32_t value, std::uint64_t milliseconds,
                                std::int64_t time) {
    if (!m_sampled || milliseconds == 0) {
        // Without an earlier value, or without time between the two, there is nothing to rate.
        Restart(value);
        return CounterStep::Primed;
    }
    const std::uint32_t previous = m_last;
    m_last = value;
    const IntervalVerdict verdict =
        JudgeInterval(previous, value, milliseconds, {m_peak, m_refused, m_lineRate});
    const std::uint32_t increase = CounterIncrease(previous, value);
    m_step = verdict.step;
    m_overLine = verdict.overLine;
    m_refused = 0;
    switch (verdict.step) {
    case CounterStep::Discontinuity:
        m_rate = 0;
        // A counter that really became faster shows the same pace again in the next interval.
        if (!verdict.overLine)
            m_refused = RatePerSecond(increase, milliseconds);
        break;
    case CounterStep::Unmeasured:
        m_rate = RatePerSecond(increase, milliseconds);
        break;
    default:
        m_rate = RatePerSecond(increase, milliseconds);
        m_totalIncrease += increase;
        m_totalMs += milliseconds;
        if (m_rate > m_peak) {
            m_peak = m_rate; // an equal rate keeps the earlier peak time
            m_peakTime = time;
        }
        break;
    }
    return m_step;
}

void CCounterTrack::Restart(std::uint32_t value) {
    m_sampled = true;
    m_last = value;
}

std::uint32_t CCounterTrack::Average() const {
    return m_totalMs == 0 ? 0 : RatePerSecond(m_totalIncrease, m_totalMs);
}
