#include "module/graphs/windows/CRateStats.h"

#include "platform/core/Clock.h"

CCounterStatistics::Taken TakeSampleValues(CCounterStatistics& sampler,
                                           const CSampleRecord& sample) {
    using Taken = CCounterStatistics::Taken;
    Taken taken = Taken::TotalsOnly;
    // Values that came in one reply share its receipt time: one call per run of them.
    for (std::size_t first = 0; first < sample.m_values.size();) {
        const std::int64_t receivedMs = ValueMilliseconds(sample, first);
        std::size_t end = first + 1;
        while (end < sample.m_values.size() && ValueMilliseconds(sample, end) == receivedMs)
            ++end;
        const std::vector<std::uint32_t> run(sample.m_values.begin() + std::ptrdiff_t(first),
                                             sample.m_values.begin() + std::ptrdiff_t(end));
        const Taken part = sampler.TakeValues(first, run, receivedMs, std::string());
        if (part == Taken::Interval || (part == Taken::Started && taken == Taken::TotalsOnly))
            taken = part;
        first = end;
    }
    return taken;
}

bool CRateStats::AddSample(const CSampleRecord& sample) {
    // A record whose count does not match its values would be read past its end.
    if (sample.m_nCount < 0 || sample.m_values.size() != size_t(sample.m_nCount))
        return false;
    if (m_nCount == 0) {
        m_nCount = sample.m_nCount;
        m_primedAt = std::uint32_t(Clock::now());
        m_sampler = CCounterStatistics(size_t(m_nCount));
        for (size_t i = 0; i < m_lineRates.size(); ++i)
            m_sampler.SetLineRate(i, m_lineRates[i]);
    } else if (sample.m_nCount != m_nCount) {
        return false;
    }
    if (TakeSampleValues(m_sampler, sample) == CCounterStatistics::Taken::Interval) {
        ++m_dwIntervals;
        m_lastTime = sample.m_time;
    }
    return true;
}

void CRateStats::SetLineRate(int i, std::uint64_t perSecond) {
    if (i < 0)
        return;
    if (size_t(i) >= m_lineRates.size())
        m_lineRates.resize(size_t(i) + 1);
    m_lineRates[size_t(i)] = perSecond;
    m_sampler.SetLineRate(size_t(i), perSecond);
}

CRateRecord CRateStats::GetRecord(int i) const {
    if (i < 0 || size_t(i) >= m_sampler.Size())
        return CRateRecord();
    const CCounterTrack& track = m_sampler.At(size_t(i)).track;
    CRateRecord r;
    r.m_dwRate = track.Rate();
    r.m_dwAverage = track.Average();
    r.m_dwPeak = track.Peak();
    r.m_peakTime = track.Peak() > 0 ? std::uint32_t(track.PeakTime()) : m_primedAt;
    r.m_dwTotalSeconds = std::uint32_t(track.TotalMilliseconds() / 1000);
    r.m_qwTotalIncrease = track.TotalIncrease();
    r.m_step = track.Step();
    return r;
}
