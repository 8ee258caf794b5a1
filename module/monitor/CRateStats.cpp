#include "module/monitor/CRateStats.h"

#include "module/monitor/CounterRate.h"
#include "platform/core/Clock.h"

bool CRateStats::AddSample(const CSampleRecord& sample) {
    // A record whose count does not match its values would be read past its end.
    if (sample.m_nCount < 0 || sample.m_values.size() != size_t(sample.m_nCount))
        return false;
    if (m_previous.m_nCount == 0) {
        m_previous = sample;
        m_previousTime = sample.m_time;
        CRateRecord primed;
        primed.m_peakTime = std::uint32_t(Clock::now());
        m_records.assign(size_t(sample.m_nCount), primed);
        return true;
    }
    if (sample.m_nCount != m_previous.m_nCount)
        return false;
    switch (CompareSampleTimes(sample.m_time, m_previousTime)) {
    case SampleInterval::SameSecond:
        return true;
    case SampleInterval::Earlier:
        // The clock was set back: no interval can be measured; count from this sample on.
        m_previous = sample;
        m_previousTime = sample.m_time;
        return true;
    case SampleInterval::Later:
        break;
    }
    ++m_dwIntervals;
    m_lastTime = sample.m_time;
    std::uint32_t dt = sample.m_time - m_previousTime;
    for (size_t i = 0; i < m_records.size(); ++i) {
        std::uint32_t now = sample.m_values[i], old = m_previous.m_values[i];
        CRateRecord& r = m_records[i];
        r.m_dwRate = CounterRate(now, old, dt);
        if (r.m_dwRate > r.m_dwPeak) {
            r.m_dwPeak = r.m_dwRate;
            r.m_peakTime = sample.m_time;
        }
        r.m_dwTotalSeconds += dt;
        r.m_qwTotalIncrease += std::uint32_t(now - old);
        r.m_dwAverage = std::uint32_t(r.m_qwTotalIncrease / r.m_dwTotalSeconds);
    }
    m_previous = sample;
    m_previousTime = sample.m_time;
    return true;
}

CRateRecord CRateStats::GetRecord(int i) const {
    if (i < 0 || size_t(i) >= m_records.size())
        return CRateRecord();
    return m_records[size_t(i)];
}
