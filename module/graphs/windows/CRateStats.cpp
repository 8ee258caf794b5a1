#include "module/graphs/windows/CRateStats.h"

#include "module/graphs/windows/SampleInterval.h"
#include "platform/core/Clock.h"

bool CRateStats::AddSample(const CSampleRecord& sample) {
    // A record whose count does not match its values would be read past its end.
    if (sample.m_nCount < 0 || sample.m_values.size() != size_t(sample.m_nCount))
        return false;
    if (m_previous.m_nCount == 0) {
        m_previous = sample;
        m_primedAt = std::uint32_t(Clock::now());
        m_tracks.assign(size_t(sample.m_nCount), CCounterTrack());
        for (size_t i = 0; i < m_tracks.size(); ++i)
            m_tracks[i].Restart(sample.m_values[i]);
        return true;
    }
    if (sample.m_nCount != m_previous.m_nCount)
        return false;
    switch (CompareSampleTimes(sample, m_previous)) {
    case SampleInterval::SameSecond:
        return true;
    case SampleInterval::Earlier:
        // The clock was set back: no interval can be measured; count from this sample on.
        for (size_t i = 0; i < m_tracks.size(); ++i)
            m_tracks[i].Restart(sample.m_values[i]);
        m_previous = sample;
        return true;
    case SampleInterval::Later:
        break;
    }
    ++m_dwIntervals;
    m_lastTime = sample.m_time;
    const auto dt = std::uint64_t(SampleIntervalMs(sample, m_previous));
    for (size_t i = 0; i < m_tracks.size(); ++i)
        m_tracks[i].Take(sample.m_values[i], dt, sample.m_time);
    m_previous = sample;
    return true;
}

CRateRecord CRateStats::GetRecord(int i) const {
    if (i < 0 || size_t(i) >= m_tracks.size())
        return CRateRecord();
    const CCounterTrack& track = m_tracks[size_t(i)];
    CRateRecord r;
    r.m_dwRate = track.Rate();
    r.m_dwAverage = track.Average();
    r.m_dwPeak = track.Peak();
    r.m_peakTime = track.Peak() > 0 ? std::uint32_t(track.PeakTime()) : m_primedAt;
    r.m_dwTotalSeconds = std::uint32_t(track.TotalMilliseconds() / 1000);
    r.m_qwTotalIncrease = track.TotalIncrease();
    return r;
}
