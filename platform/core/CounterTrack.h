#pragma once
// One 32-bit counter of the switch followed from sample to sample: the rate over the last
// interval, the average rate from a 64-bit running total of the increases, and the peak rate
// with the time it was seen. Every counter display of the program reads its numbers from here,
// so a port shows the same average and peak wherever it is watched. Intervals are measured in
// milliseconds: whole seconds would put up to a second's error into every average.
//
// Increases are taken modulo 2^32, so a counter that passed 4294967295 between two samples
// still gives its true rate. A counter that went down because the switch restarted or its
// counters were cleared is not a wrap: that interval gives no rate, the average and the peak
// keep what they had, and counting goes on from the new value (see IsCounterWrap).

#include <cstdint>

// (value − previous) modulo 2^32: what the counter counted when it wrapped at most once.
std::uint32_t CounterIncrease(std::uint32_t previous, std::uint32_t value);

// Whether a counter that now reads below its previous value wrapped, rather than restarted.
// A wrap is taken when the increase it implies over `milliseconds` is no faster than
// kWrapPaceFactor times the fastest rate this counter has already shown (`fastestRate`, per
// second): the factor leaves room for a busy port that runs a little faster than before, or for
// a reply that was late. It is also taken when the increase is under kSmallCounterWrap (the
// counter stood just below its top). Anything else would put a rate on
// screen that the port never carried, so it is a discontinuity.
constexpr std::uint32_t kSmallCounterWrap = 1u << 20;
constexpr std::uint64_t kWrapPaceFactor = 2;
bool IsCounterWrap(std::uint32_t increase, std::uint64_t milliseconds, std::uint32_t fastestRate);

// `increase` over `milliseconds` (> 0) per second, at most 4294967295.
std::uint32_t RatePerSecond(std::uint64_t increase, std::uint64_t milliseconds);

enum class CounterStep {
    Primed,        // the first value: nothing to compare with yet
    Rated,         // an interval with a rate
    Discontinuity, // the counter restarted: no rate, counting goes on from the new value
};

class CCounterTrack {
public:
    // Takes the counter's value `milliseconds` (> 0) after the previous one, at calendar
    // `time` (whole seconds, kept as the peak time).
    CounterStep Take(std::uint32_t value, std::uint64_t milliseconds, std::int64_t time);
    // Counting starts again from `value` without a rate (the clock went back).
    void Restart(std::uint32_t value);

    bool Sampled() const { return m_sampled; }
    std::uint32_t Last() const { return m_last; }
    std::uint32_t Rate() const { return m_rate; }
    std::uint32_t Average() const;
    std::uint32_t Peak() const { return m_peak; }
    // When the peak was first seen; 0 while no interval has raised it.
    std::int64_t PeakTime() const { return m_peakTime; }
    std::uint64_t TotalIncrease() const { return m_totalIncrease; }
    std::uint64_t TotalMilliseconds() const { return m_totalMs; }

private:
    bool m_sampled = false;
    std::uint32_t m_last = 0;
    std::uint32_t m_rate = 0;
    std::uint32_t m_peak = 0;
    std::int64_t m_peakTime = 0;
    std::uint64_t m_totalIncrease = 0;
    std::uint64_t m_totalMs = 0;
};
