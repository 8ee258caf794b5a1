#include "module/graphs/windows/CurvePoints.h"

#include "module/graphs/windows/SampleInterval.h"

#include <algorithm>
#include <cmath>

CCurvePoints::Added CCurvePoints::AddSample(const CSampleRecord& sample) {
    if (sample.m_nCount != m_counterCount || sample.m_values.size() != size_t(m_counterCount))
        return Added::Refused;
    const auto restart = [this, &sample] {
        m_primed = true;
        m_previous = sample;
        m_tracks.resize(size_t(m_counterCount));
        for (size_t i = 0; i < m_tracks.size(); ++i)
            m_tracks[i].Restart(sample.m_values[i]);
        return Added::Primed;
    };
    if (!m_primed)
        return restart();
    switch (CompareSampleTimes(sample, m_previous)) {
    case SampleInterval::SameSecond:
        return Added::Ignored;
    case SampleInterval::Earlier:
        return restart(); // the clock was set back: start the interval again
    case SampleInterval::Later:
        break;
    }
    CCurvePoint point;
    point.seq = sample.m_dwSeq;
    point.time = sample.m_time;
    const auto dt = std::uint64_t(SampleIntervalMs(sample, m_previous));
    // A counter that restarted keeps its last rate, so the curve shows no spike for it.
    for (size_t i = 0; i < m_tracks.size(); ++i) {
        m_tracks[i].Take(sample.m_values[i], dt, sample.m_time);
        point.rates.push_back(m_tracks[i].Rate());
    }
    m_previous = sample;
    m_points.push_back(std::move(point));
    if (m_points.size() > kMaxPoints)
        m_points.pop_front();
    return Added::Point;
}

std::uint32_t CCurvePoints::HighestRate(const std::vector<int>& counters, double span) const {
    std::uint32_t highest = 0;
    if (m_points.empty())
        return highest;
    const double oldest = double(m_points.back().time) - span;
    for (auto it = m_points.rbegin(); it != m_points.rend() && double(it->time) >= oldest; ++it)
        for (int c : counters)
            if (c >= 0 && size_t(c) < it->rates.size())
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
