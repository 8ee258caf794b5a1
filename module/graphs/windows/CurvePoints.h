#pragma once
// The line curve's points: the rates of every counter between two successive samples, with the
// later sample's sequence number and time. At most 500 are kept; the oldest go first. A counter
// whose interval gave no rate, or held wraps nobody saw, leaves a gap in its curve.

#include "module/graphs/windows/CRateStats.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

struct CCurvePoint {
    std::vector<std::uint32_t> rates; // one per counter
    std::vector<CounterStep> steps;   // what each counter's interval was: only Rated is drawn
    std::uint32_t seq = 0;
    std::uint32_t time = 0;
};

// Whether `counter` (0-based) has a vertex at the point: a rate over a measured interval.
bool IsDrawn(const CCurvePoint& point, int counter);

class CCurvePoints {
public:
    static constexpr size_t kMaxPoints = 500;

    explicit CCurvePoints(int counterCount = 0)
        : m_counterCount(counterCount), m_sampler(size_t(std::max(counterCount, 0))) {}
    // The line rate of counter i (0-based) per second; 0: not known.
    void SetLineRate(int i, std::uint64_t perSecond) {
        m_sampler.SetLineRate(size_t(i), perSecond);
    }

    enum class Added { Refused, Primed, Ignored, Point };
    // Refused: the counter count is not this list's. Primed: the first sample (or the first
    // after the clock went back) only starts the interval. Ignored: too soon after the last.
    Added AddSample(const CSampleRecord& sample);

    int CounterCount() const { return m_counterCount; }
    size_t Size() const { return m_points.size(); }
    bool Empty() const { return m_points.empty(); }
    // 0 is the oldest point kept.
    const CCurvePoint& At(size_t i) const { return m_points[i]; }
    const CCurvePoint& Newest() const { return m_points.back(); }

    // The point the probe shows: going back from the newest, the first whose time is at or
    // before the newest time minus `pixelsBack` × `secondsPerPixel` (rounded down after adding
    // 0.01); the oldest when none is that old. Null when there is no point.
    const CCurvePoint* Probed(int pixelsBack, double secondsPerPixel) const;
    // The highest drawn rate of `counters` (0-based) among the points no older than `span`
    // seconds before the newest: what a plot of that span shows. 0 without points.
    std::uint32_t HighestRate(const std::vector<int>& counters, double span) const;

private:
    int m_counterCount;
    CCounterStatistics m_sampler;
    std::deque<CCurvePoint> m_points;
};
