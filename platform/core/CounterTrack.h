#pragma once
// One 32-bit counter of the switch followed from sample to sample: the rate over the last
// interval, the average rate from a 64-bit running total of the increases, and the peak rate
// with the time it was seen. Every counter display of the program reads its numbers from here,
// so a port shows the same rate, average and peak wherever it is watched. Intervals are
// measured in milliseconds and rates rounded to the nearest whole number: whole seconds, or
// rates cut down, put up to a second's error into every number (a steady 1/s counter read 0).
//
// What an interval says (JudgeInterval):
// - Increases are taken modulo 2^32, so a counter that passed 4294967295 gives its true rate.
// - An interval whose increase is more than the port's line can carry is a discontinuity: the
//   switch restarted, cleared its counters, or a counter stepped back (14000 → 4294958296 is a
//   step back of 23,000, not 4.29 × 10^9 frames).
// - An increase that passes the top (the value went down) or that reads as a step back (2^31
//   or more) is believed only when it is no faster than twice the fastest rate the counter has
//   shown; a counter that has shown no pace yet is believed when the increase is under 2^31.
//   A refused interval's pace is believed for the next interval only: a counter that really
//   got faster confirms it at once, a step back does not.
// - An interval in which the counter could have passed the top once more than its values
//   show, at the most it may plausibly count (twice the fastest rate it has shown, or what
//   its line carries, whichever is more), may hold wraps nobody saw: it is unmeasured, its
//   rate only a lower bound. A counter that wraps within every interval is unmeasured, and so
//   is one that reads far slower than it ran right after running near a wrap an interval: it
//   may have slowed down, or sped up past a wrap. A gigabit port's byte counter can wrap in
//   28 s: polled every minute, no reading of it can be trusted, however quiet it looks.
// A discontinuity gives no rate; neither it nor an unmeasured interval changes the average or
// the peak. Counting goes on from the new value.

#include <cstdint>

// (value − previous) modulo 2^32: what the counter counted when it wrapped at most once.
std::uint32_t CounterIncrease(std::uint32_t previous, std::uint32_t value);

// `increase` over `milliseconds` (> 0) per second, rounded to the nearest whole number, at most
// 4294967295.
std::uint32_t RatePerSecond(std::uint64_t increase, std::uint64_t milliseconds);

// A counter running at up to this many times the fastest rate it has shown is still believed:
// room for a busy port that runs a little faster than before, or for a reply that was late.
constexpr std::uint64_t kWrapPaceFactor = 2;
// Whether `increase` over `milliseconds`, which passes the top or reads as a step back, is a
// count the counter could have made at `fastestRate` (per second; 0: no pace known yet, and
// then only an increase under 2^31 is).
bool IsCounterWrap(std::uint32_t increase, std::uint64_t milliseconds, std::uint32_t fastestRate);

// Rates of a line measured between two replies can exceed what the line carries by the
// replies' jitter; up to a quarter more is taken as measured.
constexpr std::uint64_t kLineRateSlackNumerator = 5;
constexpr std::uint64_t kLineRateSlackDenominator = 4;

enum class CounterStep {
    Primed,        // the first value: nothing to compare with yet
    Rated,         // an interval with a rate
    Discontinuity, // a restart, a step back or a jump: no rate, counting goes on from here
    Unmeasured,    // long enough to hold unseen wraps: the rate is only a lower bound
};

// What is known of a counter's pace when an interval is judged.
struct CounterPace {
    std::uint32_t fastest = 0;  // the fastest rate believed so far (the peak), per second
    std::uint32_t refused = 0;  // the pace of the interval just refused, per second; 0: none
    std::uint64_t lineRate = 0; // the most the port's line carries of this counter; 0: unknown
};

struct IntervalVerdict {
    CounterStep step = CounterStep::Rated;
    bool overLine = false; // refused because the line cannot carry it
};
IntervalVerdict JudgeInterval(std::uint32_t previous, std::uint32_t value,
                              std::uint64_t milliseconds, const CounterPace& pace);
// The most the counter may plausibly count per second: twice its fastest rate or its line's
// rate (with the jitter allowance), whichever is more; 0 when neither is known.
std::uint64_t MostPlausibleRate(const CounterPace& pace);

class CCounterTrack {
public:
    // Takes the counter's value `milliseconds` after the previous one (0: no interval, the value
    // only primes), at calendar `time` (whole seconds, kept as the peak time).
    CounterStep Take(std::uint32_t value, std::uint64_t milliseconds, std::int64_t time);
    // Counting starts again from `value` without a rate (the clock went back).
    void Restart(std::uint32_t value);
    // The most the port's line carries of this counter per second; 0: not known.
    void SetLineRate(std::uint64_t perSecond) { m_lineRate = perSecond; }

    bool Sampled() const { return m_sampled; }
    std::uint32_t Last() const { return m_last; }
    // What the last interval was (Primed before the first).
    CounterStep Step() const { return m_step; }
    // The last interval went over the line rate: the port's speed may have changed.
    bool OverLine() const { return m_overLine; }
    // The rate of the last interval: 0 after a discontinuity, a lower bound when unmeasured.
    std::uint32_t Rate() const { return m_rate; }
    std::uint32_t Average() const;
    std::uint32_t Peak() const { return m_peak; }
    // When the peak was first seen; 0 while no interval has raised it.
    std::int64_t PeakTime() const { return m_peakTime; }
    std::uint64_t TotalIncrease() const { return m_totalIncrease; }
    std::uint64_t TotalMilliseconds() const { return m_totalMs; }

private:
    bool m_sampled = false;
    bool m_overLine = false;
    CounterStep m_step = CounterStep::Primed;
    std::uint32_t m_last = 0;
    std::uint32_t m_rate = 0;
    std::uint32_t m_peak = 0;
    std::uint32_t m_refused = 0;
    std::int64_t m_peakTime = 0;
    std::uint64_t m_lineRate = 0;
    std::uint64_t m_totalIncrease = 0;
    std::uint64_t m_totalMs = 0;
};
