#include "module/monitor/CurvePoints.h"

#include "module/monitor/CounterRate.h"

#include <cmath>

CCurvePoints::Added CCurvePoints::AddSample(const CSampleRecord& sample) {
    if (sample.m_nCount != m_counterCount || sample.m_values.size() != size_t(m_counterCount))
        return Added::Refused;
    if (!m_havePrevious) {
        m_previous = sample;
        m_havePrevious = true;
        return Added::Primed;
    }
    switch (CompareSampleTimes(sample.m_time, m_previous.m_time)) {
    case SampleInterval::SameSecond:
        return Added::Ignored;
    case SampleInterval::Earlier:
        m_previous = sample; // the clock was set back: start the interval again
        return Added::Primed;
    case SampleInterval::Later:
        break;
    }
    CCurvePoint point;
    point.seq = sample.m_dwSeq;
    point.time = sample.m_time;
    std::uint32_t dt = sample.m_time - m_previous.m_time;
    for (int i = 0; i < m_counterCount; ++i)
        point.rates.push_back(
            CounterRate(sample.m_values[size_t(i)], m_previous.m_values[size_t(i)], dt));
    m_previous = sample;
    m_points.push_back(std::move(point));
    if (m_points.size() > kMaxPoints)
        m_points.pop_front();
    return Added::Point;
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
