#pragma once
// Per-counter rate statistics of a run of samples: the rate over the last interval, the average
// rate since the first sample, and the peak rate with the time it was seen. The first sample
// fixes the number of counters and only primes the rates. The numbers come from the program's
// one counter sampler, which the statistics table and NmDialog read too.

#include "module/graphs/windows/CSampleRecord.h"
#include "platform/core/CounterStatistics.h"

#include <cstdint>
#include <vector>

struct CRateRecord {
    std::uint32_t m_dwRate = 0;         // per second, over the last interval
    std::uint32_t m_dwAverage = 0;      // per second, since the first sample
    std::uint32_t m_dwPeak = 0;         // highest rate seen
    std::uint32_t m_peakTime = 0;       // when the peak was first seen
    std::uint32_t m_dwTotalSeconds = 0; // seconds covered by the intervals
    std::uint64_t m_qwTotalIncrease = 0;
    CounterStep m_step = CounterStep::Primed; // what the last interval was
};

// Feeds `sample` to `sampler`, each value timed by the reply it came in.
CCounterStatistics::Taken TakeSampleValues(CCounterStatistics& sampler,
                                           const CSampleRecord& sample);

class CRateStats {
public:
    // False only when the sample's counter count differs from the samples seen before.
    bool AddSample(const CSampleRecord& sample);
    // The record of counter i (0-based); a record of zeros for a counter outside the run.
    CRateRecord GetRecord(int i) const;
    // The line rate of counter i (0-based) per second, 0 when not known; kept for counters
    // that have no sample yet.
    void SetLineRate(int i, std::uint64_t perSecond);

    int GetCount() const { return m_nCount; }
    std::uint32_t GetIntervals() const { return m_dwIntervals; }
    std::uint32_t GetLastTime() const { return m_lastTime; }
    const CCounterStatistics& Sampler() const { return m_sampler; }

private:
    std::int32_t m_nCount = 0; // 0 until the first sample
    std::uint32_t m_dwIntervals = 0;
    std::uint32_t m_lastTime = 0;
    std::uint32_t m_primedAt = 0; // the peak time kept until a counter has a peak
    std::vector<std::uint64_t> m_lineRates;
    CCounterStatistics m_sampler;
};
