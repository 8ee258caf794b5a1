#include "platform/core/CounterStatistics.h"

#include "platform/core/TextFormat.h"

#include <algorithm>

CCounterStatistics::CCounterStatistics(std::size_t counters) : m_counters(counters) {}

CCounterStatistics::Taken CCounterStatistics::TakeValues(std::size_t first,
                                                         const std::vector<std::uint32_t>& values,
                                                         std::int64_t receivedMs,
                                                         const std::string& timeText) {
    Taken taken = Taken::TotalsOnly;
    for (std::size_t i = 0; i < values.size() && first + i < m_counters.size(); ++i) {
        Counter& c = m_counters[first + i];
        const std::uint32_t value = values[i];
        c.total = value;
        const std::int64_t dt = receivedMs - c.startMs;
        if (!c.track.Sampled() || dt < 0) {
            c.track.Restart(value);
            c.startMs = receivedMs;
            if (taken == Taken::TotalsOnly)
                taken = Taken::Started;
            continue;
        }
        if (dt < kShortestIntervalMs)
            continue;
        const std::uint32_t peak = c.track.Peak();
        c.track.Take(value, std::uint64_t(dt), receivedMs / 1000);
        if (c.track.Peak() != peak)
            c.peakAt = timeText;
        c.startMs = receivedMs;
        c.elapsedMs += dt;
        taken = Taken::Interval;
    }
    return taken;
}

void CCounterStatistics::SetLineRate(std::size_t k, std::uint64_t perSecond) {
    if (k < m_counters.size())
        m_counters[k].track.SetLineRate(perSecond);
}

std::int64_t CCounterStatistics::Elapsed() const {
    return m_counters.empty() ? 0 : m_counters.front().elapsedMs / 1000;
}

bool CCounterStatistics::AnyUnmeasured() const {
    return std::any_of(m_counters.begin(), m_counters.end(),
                       [](const Counter& c) { return c.track.Step() == CounterStep::Unmeasured; });
}

bool CCounterStatistics::AnyOverLine() const {
    return std::any_of(m_counters.begin(), m_counters.end(),
                       [](const Counter& c) { return c.track.OverLine(); });
}

std::string PeakTimeText(std::int64_t time) {
    // Short enough for the graphs' "Pk at:" box; the weekday tells one day of the week from the
    // next.
    return FormatLocalTime(time, "%a %H:%M:%S");
}

std::string CounterRateText(CounterStep step, std::uint32_t rate) {
    switch (step) {
    case CounterStep::Discontinuity:
        return "-";
    case CounterStep::Unmeasured:
        return "\xE2\x89\xA5" + std::to_string(rate); // "≥"
    default:
        return std::to_string(rate);
    }
}

std::string CounterRateText(const CCounterTrack& track) {
    return CounterRateText(track.Step(), track.Rate());
}

std::array<std::string, 4> CounterRateTexts(const CCounterStatistics::Counter& counter) {
    return {CounterRateText(counter.track), std::to_string(counter.track.Average()),
            std::to_string(counter.track.Peak()), counter.peakAt};
}
