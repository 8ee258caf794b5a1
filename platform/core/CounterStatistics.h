#pragma once
// Totals, rates, averages and peaks of a set of 32-bit counters sampled again and again: what
// a statistics table shows per counter. Differences are taken modulo 2^32 and read as signed,
// so a counter that wrapped once between two samples still gives its true rate; divisions are
// integer divisions truncating toward zero.

#include <cstdint>
#include <string>
#include <vector>

class CCounterStatistics {
public:
    struct Counter {
        bool sampled = false;     // a first value has been taken
        std::uint32_t first = 0;  // value at the first sample
        std::uint32_t last = 0;   // value at the previous sample
        std::int32_t rate = 0;    // per second over the last interval
        std::int32_t average = 0; // per second since the first sample
        std::int32_t peak = 0;    // largest rate seen
        std::string peakAt;       // when the peak was seen
    };

    explicit CCounterStatistics(std::size_t counters);

    // A good reply at `now` (whole seconds) with one value per counter; `nowText` is what the
    // peak time shows. A reply in the same second as the previous one (or earlier, after the
    // clock was set back) keeps the rates and averages shown and only takes the totals.
    void TakeSample(const std::vector<std::uint32_t>& values, std::int64_t now,
                    const std::string& nowText);

    const Counter& At(std::size_t k) const { return m_counters[k]; }
    std::size_t Size() const { return m_counters.size(); }
    // Seconds from the first sample to the last.
    std::int64_t Elapsed() const { return m_elapsed; }

    // The difference b − a of two counter values, modulo 2^32, read as signed.
    static std::int32_t Difference(std::uint32_t a, std::uint32_t b);

private:
    std::vector<Counter> m_counters;
    std::int64_t m_elapsed = 0;
    std::int64_t m_lastPoll = 0;
    bool m_started = false;
};
