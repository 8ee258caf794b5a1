#pragma once
// Totals, rates, averages and peaks of a set of 32-bit counters read again and again with one
// request: what a statistics table shows per counter. Each counter is followed by a
// CCounterTrack, so wraps, restarts and averages are counted as everywhere else.

#include "platform/core/CounterTrack.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CCounterStatistics {
public:
    struct Counter {
        CCounterTrack track;
        std::uint32_t total = 0; // the value of the latest reply
        std::string peakAt;      // when the peak was seen, as the table shows it
    };

    explicit CCounterStatistics(std::size_t counters);

    // A good reply at `nowMs` (milliseconds since the epoch) with one value per counter;
    // `nowText` is what the peak time shows. A reply less than a second after the previous one
    // only takes the totals: so short an interval says little, and its increase is counted
    // with the next one. A reply from before the previous one (the clock was set back) starts
    // every interval again.
    void TakeSample(const std::vector<std::uint32_t>& values, std::int64_t nowMs,
                    const std::string& nowText);

    const Counter& At(std::size_t k) const { return m_counters[k]; }
    std::size_t Size() const { return m_counters.size(); }
    // Whole seconds from the first reply to the last one that gave an interval.
    std::int64_t Elapsed() const { return m_elapsedMs / 1000; }

private:
    std::vector<Counter> m_counters;
    std::int64_t m_elapsedMs = 0;
    std::int64_t m_lastPollMs = 0;
    bool m_started = false;
};

// "Rate/s", "Avg Rate/s", "Peak Rate/s" and "Peak At" of a counter, rates in unsigned decimal.
std::array<std::string, 4> CounterRateTexts(const CCounterStatistics::Counter& counter);
