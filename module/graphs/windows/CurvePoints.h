#pragma once
// The line curve's points: the rates of every counter between two successive samples, with the
// later sample's sequence number and time. At most 500 are kept; the oldest go first.

#include "module/graphs/windows/CSampleRecord.h"
#include "platform/core/CounterTrack.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

struct CCurvePoint {
    std::vector<std::uint32_t> rates; // one per counter
    std::uint32_t seq = 0;
    std::uint32_t time = 0;
};

class CCurvePoints {
public:
    static constexpr size_t kMaxPoints = 500;

    explicit CCurvePoints(int counterCount = 0) : m_counterCount(counterCount) {}

    enum class Added { Refused, Primed, Ignored, Point };
    // Refused: the counter count is not this list's. Primed: the first sample (or the first
    // after the clock went back) only starts the interval. Ignored: same second as before.
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
    // The highest rate of `counters` (0-based) among the points no older than `span` seconds
    // before the newest: what a plot of that span shows. 0 without points.
    std::uint32_t HighestRate(const std::vector<int>& counters, double span) const;

private:
    int m_counterCount;
    bool m_primed = false;
    CSampleRecord m_previous; // the sample the next interval starts from
    std::vector<CCounterTrack> m_tracks;
    std::deque<CCurvePoint> m_points;
};
