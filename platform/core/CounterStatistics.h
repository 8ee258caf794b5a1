#pragma once
// The one counter sampler of the program: totals, rates, averages and peaks of a set of 32-bit
// counters read again and again, each interval timed from the receipt of one reply to the
// receipt of the next. The statistics table, the graph windows and their rate statistics, and
// NmDialog's statistic dialog all take their numbers from here (NmDialog may use only the
// engine, the window layer and this core, which is why the sampler lives in the core), so the
// same counter shows the same numbers in every view. Each counter is followed by a
// CCounterTrack, so wraps, discontinuities and averages are counted the same everywhere.

#include "platform/core/CounterTrack.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a view says when an interval was too long to count every wrap of a counter.
constexpr const char* kCounterWrapWarning =
    "Counter wraps faster than the poll interval: shorten it";

class CCounterStatistics {
public:
    // An interval shorter than this says little (a Refresh right after a tick): it only takes
    // the totals, and its increase is counted with the next interval.
    static constexpr std::int64_t kShortestIntervalMs = 1000;

    struct Counter {
        CCounterTrack track;
        std::uint32_t total = 0;    // the value of the latest reply
        std::string peakAt;         // when the peak was seen, as PeakTimeText writes it
        std::int64_t startMs = 0;   // receipt of the value the next interval starts from
        std::int64_t elapsedMs = 0; // the intervals taken since the first value
    };

    // What a reply's values did: some counter got an interval; none did, but some counter
    // (re)started from its value (the first reply, or the clock was set back); or the values
    // came too soon after the previous ones and only their totals were taken.
    enum class Taken { Interval, Started, TotalsOnly };

    explicit CCounterStatistics(std::size_t counters = 0);

    // The values of counters first, first + 1, … from one good reply received at `receivedMs`
    // (milliseconds since the epoch, on the injectable clock); `timeText` is what the peak time
    // shows. A reply from before a counter's previous one (the clock was set back) starts its
    // interval again.
    Taken TakeValues(std::size_t first, const std::vector<std::uint32_t>& values,
                     std::int64_t receivedMs, const std::string& timeText);
    // The values of every counter from one reply.
    Taken TakeSample(const std::vector<std::uint32_t>& values, std::int64_t receivedMs,
                     const std::string& timeText) {
        return TakeValues(0, values, receivedMs, timeText);
    }
    // The most the port's line carries of counter k per second (0: not known).
    void SetLineRate(std::size_t k, std::uint64_t perSecond);

    const Counter& At(std::size_t k) const { return m_counters[k]; }
    std::size_t Size() const { return m_counters.size(); }
    // Whole seconds from the first reply to the last one that gave an interval.
    std::int64_t Elapsed() const;
    // Some counter's last interval held wraps nobody saw (kCounterWrapWarning).
    bool AnyUnmeasured() const;
    // Some counter's last interval was more than its line carries: the port's speed may have
    // changed since it was read.
    bool AnyOverLine() const;

private:
    std::vector<Counter> m_counters;
};

// How every view writes when a peak was seen.
std::string PeakTimeText(std::int64_t time);
// The "Rate/s" of a counter whose last interval was `step`: the rate in unsigned decimal, "-"
// for an interval that gave no rate, "≥" and the lower bound for an unmeasured one.
std::string CounterRateText(CounterStep step, std::uint32_t rate);
std::string CounterRateText(const CCounterTrack& track);
// "Rate/s", "Avg Rate/s", "Peak Rate/s" and "Peak At" of a counter; the peak time stays empty
// until there is a peak.
std::array<std::string, 4> CounterRateTexts(const CCounterStatistics::Counter& counter);
