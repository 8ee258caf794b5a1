#include "module/graphs/windows/CurvePoints.h"

#include <algorithm>
#include <cmath>

CCurvePoints::Added CCurvePoints::AddSample(const CSampleRecord& sample) {
    if (sample.m_nCount != m_counterCount || sample.m_values.size() != size_t(m_counterCount))
        return Added::Refused;
    switch (TakeSampleValues(m_sampler, sample)) {
    case CCounterStatistics::Taken::Started:
        return Added::Primed;
    case CCounterStatistics::Taken::TotalsOnly:
        return Added::Ignored;
    case CCounterStatistics::Taken::Interval:
        break;
    }
    CCurvePoint point;
    point.seq = sample.m_dwSeq;
    point.time = sample.m_time;
    for (size_t i = 0; i < m_sampler.Size(); ++i) {
        const CCounterTrack& track = m_sampler.At(i).track;
        point.rates.push_back(track.Rate());
        point.steps.push_back(track.Step());
    }
    m_points.push_back(std::move(point));
    if (m_points.size() > kMaxPoints)
        m_points.pop_front();
    return Added::Point;
}

bool IsDrawn(const CCurvePoint& point, int counter) {
    return counter >= 0 && size_t(counter) < point.steps.size() &&
           point.steps[size_t(counter)] == CounterStep::Rated;
}

std::uint32_t CCurvePoints::HighestRate(const std::vector<int>& counters, double span) const {
    std::uint32_t highest = 0;
    if (m_points.empty())
        return highest;
    const double oldest = double(m_points.back().time) - span;
    for (auto it = m_points.rbegin(); it != m_points.rend() && double(it->time) >= oldest; ++it)
        for (int c : counters)
            if (c >= 0 && size_t(c) < it->rates.size() && IsDrawn(*it, c))
                highest = std::max(highest, it->rates[size_t(c)]);
    return highest;
}

const CCurvePoint* CCurvePoints::Probed(int pixelsBack, double secondsPerPixel) const {
    if (m_points.empty())
        return nullptr;
    double back = std::floor(pixelsBack * secondsPerPixel + 0.01);
    double limit = double(m_points.back().time) - back;
    for (auto it = m_points.rbegin(); it != m_points.rend(); ++it)
        if (double(it->time) <= limit)
            return &*it;
    return &m_points.front();
}
