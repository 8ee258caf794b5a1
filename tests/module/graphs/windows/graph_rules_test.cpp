#include "module/graphs/windows/AxisLabels.h"
#include "module/graphs/windows/CRateStats.h"
#include "module/graphs/windows/CurveCsv.h"
#include "module/graphs/windows/CurvePoints.h"
#include "module/graphs/windows/ExportHeading.h"
#include "module/graphs/windows/GraphLayout.h"
#include "module/graphs/windows/LegendText.h"
#include "module/graphs/windows/PlotGeometry.h"
#include "module/graphs/windows/TimeAxis.h"
#include "module/graphs/windows/ValueZoom.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"

#include <gtest/gtest.h>

namespace {

CSampleRecord Sample(std::uint32_t time, std::vector<std::uint32_t> values, std::uint32_t seq = 0) {
    CSampleRecord s;
    s.m_nCount = std::int32_t(values.size());
    s.m_dwSeq = seq;
    s.m_values = std::move(values);
    s.m_time = time;
    return s;
}

} // namespace

TEST(RateStats, FirstSamplePrimesThenRatesAveragesAndPeaks) {
    Clock::Manual clock(777);
    CRateStats stats;
    ASSERT_TRUE(stats.AddSample(Sample(1000, {100, 4294967290u})));
    EXPECT_EQ(stats.GetRecord(0).m_dwRate, 0u);
    EXPECT_EQ(stats.GetRecord(1).m_peakTime, 777u);         // the time of the first addition
    EXPECT_TRUE(stats.AddSample(Sample(1000, {999, 999}))); // same second: ignored
    EXPECT_EQ(stats.GetIntervals(), 0u);

    ASSERT_TRUE(stats.AddSample(Sample(1010, {400, 15})));
    CRateRecord a = stats.GetRecord(0), wrapped = stats.GetRecord(1);
    EXPECT_EQ(a.m_dwRate, 30u);
    EXPECT_EQ(a.m_dwAverage, 30u);
    EXPECT_EQ(a.m_dwPeak, 30u);
    EXPECT_EQ(a.m_peakTime, 1010u);
    // 15 − 4294967290 modulo 2^32 = 21 counted over 10 s.
    EXPECT_EQ(wrapped.m_dwRate, 2u);
    EXPECT_EQ(wrapped.m_qwTotalIncrease, 21u);
    EXPECT_EQ(stats.GetRecord(2).m_dwRate, 0u); // outside the run: zeros
    EXPECT_EQ(stats.GetRecord(-1).m_dwPeak, 0u);
}

TEST(RateStats, EqualPeakKeepsTheEarlierTimeAndOtherCountsAreRefused) {
    CRateStats stats;
    stats.AddSample(Sample(0, {0}));
    stats.AddSample(Sample(1, {50}));
    stats.AddSample(Sample(2, {130}));
    stats.AddSample(Sample(3, {210}));
    EXPECT_EQ(stats.GetRecord(0).m_dwPeak, 80u);
    EXPECT_EQ(stats.GetRecord(0).m_peakTime, 2u);
    EXPECT_EQ(stats.GetRecord(0).m_dwAverage, 70u);

    EXPECT_FALSE(stats.AddSample(Sample(9, {1, 2})));
    CSampleRecord short_ = Sample(9, {1});
    short_.m_nCount = 2; // claims more values than it holds
    EXPECT_FALSE(stats.AddSample(short_));
    EXPECT_EQ(stats.GetIntervals(), 3u);
}

TEST(RateStats, ASampleFromBeforeThePreviousStartsTheIntervalAfresh) {
    CRateStats stats;
    stats.AddSample(Sample(1000, {100}));
    ASSERT_TRUE(stats.AddSample(Sample(900, {200}))); // the clock went back
    EXPECT_EQ(stats.GetIntervals(), 0u);
    EXPECT_EQ(stats.GetRecord(0).m_dwRate, 0u);
    stats.AddSample(Sample(910, {300}));
    EXPECT_EQ(stats.GetRecord(0).m_dwRate, 10u);
    EXPECT_EQ(stats.GetRecord(0).m_dwAverage, 10u);
}

TEST(RateStats, AClearedCounterSetsNoPeakAndMillisecondsKeepTheAverageExact) {
    // A quiet port whose switch was reset: read as a wrap this was 858,793,459 a second.
    CRateStats stats;
    stats.AddSample(Sample(1000, {999990, 0}));
    stats.AddSample(Sample(1005, {1000000, 0}));
    stats.AddSample(Sample(1010, {10, 0}));
    EXPECT_EQ(stats.GetRecord(0).m_dwPeak, 2u);
    EXPECT_EQ(stats.GetRecord(0).m_dwAverage, 2u);
    stats.AddSample(Sample(1015, {20, 0}));
    EXPECT_EQ(stats.GetRecord(0).m_dwRate, 2u) << "counting went on from 10";

    // Polls that drift by a few milliseconds: whole seconds would read 5.6 s as 6 s.
    CRateStats fine;
    CSampleRecord a = Sample(2000, {0}), b = Sample(2006, {2800000}), c = Sample(2007, {0});
    a.m_timeMs = 2000900;
    b.m_timeMs = 2006500; // 5.6 s later
    c.m_timeMs = 2007100; // the next whole second, but under a second after b
    fine.AddSample(a);
    fine.AddSample(b);
    EXPECT_EQ(fine.GetRecord(0).m_dwRate, 500000u);
    EXPECT_TRUE(fine.AddSample(c));
    EXPECT_EQ(fine.GetIntervals(), 1u) << "too close to its predecessor to rate";
}

TEST(CurvePoints, KeepFiveHundredRatesAndRestartWhenTheClockGoesBack) {
    CCurvePoints points(1);
    EXPECT_EQ(points.AddSample(Sample(0, {0, 0})), CCurvePoints::Added::Refused);
    EXPECT_EQ(points.AddSample(Sample(0, {0})), CCurvePoints::Added::Primed);
    EXPECT_EQ(points.AddSample(Sample(0, {5})), CCurvePoints::Added::Ignored);
    for (std::uint32_t k = 1; k <= 501; ++k)
        EXPECT_EQ(points.AddSample(Sample(k * 2, {k * k}, k)), CCurvePoints::Added::Point);
    ASSERT_EQ(points.Size(), 500u);
    EXPECT_EQ(points.At(0).seq, 2u); // the 501st point pushed out the first
    EXPECT_EQ(points.Newest().rates[0], 501u) << "(501² − 500²) / 2 = 500.5, rounded";

    EXPECT_EQ(points.AddSample(Sample(5, {0})), CCurvePoints::Added::Primed);
    EXPECT_EQ(points.AddSample(Sample(15, {100})), CCurvePoints::Added::Point);
    EXPECT_EQ(points.Newest().rates[0], 10u);
}

TEST(CurvePoints, TheProbeFindsTheFirstPointAtOrBeforeItsTime) {
    CCurvePoints points(1);
    for (std::uint32_t t = 0; t <= 50; t += 10)
        points.AddSample(Sample(t, {t}, t / 10));
    EXPECT_EQ(points.Probed(0, 0.5)->seq, 5u);
    EXPECT_EQ(points.Probed(19, 1.0)->seq, 3u);   // at or before 31
    EXPECT_EQ(points.Probed(1, 0.995)->seq, 4u);  // 1.005 s rounds down to 1
    EXPECT_EQ(points.Probed(1, 0.98)->seq, 5u);   // 0.99 s rounds down to 0
    EXPECT_EQ(points.Probed(2000, 0.5)->seq, 1u); // before all: the oldest
    EXPECT_EQ(CCurvePoints(1).Probed(0, 1), nullptr);
}

TEST(AxisLabels, ValuesDurationsAndTimeTicks) {
    EXPECT_EQ(RateAxisLabel(999), "999");
    EXPECT_EQ(RateAxisLabel(1000), "1.0K");
    EXPECT_EQ(RateAxisLabel(1500000), "1.5M");
    EXPECT_EQ(RateAxisLabel(750), "750");
    EXPECT_EQ(PlainAxisLabel(1500000), "1500000");
    struct {
        int t;
        const char* text;
    } durations[] = {{45, "45s"}, {60, "1m"}, {90, "1m:30s"}, {3600, "1h"}, {5430, "1h:30m"}};
    for (auto d : durations)
        EXPECT_EQ(DurationLabel(d.t), d.text) << d.t;

    EXPECT_EQ(TimeAxisStep(60, 400), 10);
    std::vector<TimeTick> ticks = TimeAxisTicks(60, 400);
    ASSERT_EQ(ticks.size(), 7u);
    EXPECT_EQ(ticks[0].label, "10s");
    EXPECT_EQ(ticks[5].secondsBack, 60);
    EXPECT_EQ(ticks[5].label, "1m");
    EXPECT_EQ(ticks[6].label, "Now");
    EXPECT_EQ(TimeAxisStep(300, 400), 30);
    EXPECT_EQ(TimeAxisStep(7200, 40), 18000);
    EXPECT_EQ(TimeAxisStep(100000, 40), 100001); // past the ladder
    EXPECT_EQ(TimeAxisStep(60, 10), 60);         // narrower than one division
}

TEST(ValueZoom, StepsAlongTheLadder) {
    struct {
        double r;
        double up, down;
    } cases[] = {{1200, 1600, 800}, {350, 440, 280},  {1000, 1600, 800},
                 {580, 800, 440},   {950, 1200, 800}, {4, 8, 4}};
    for (auto c : cases) {
        EXPECT_DOUBLE_EQ(ZoomValueRange(c.r, true), c.up) << c.r;
        EXPECT_DOUBLE_EQ(ZoomValueRange(c.r, false), c.down) << c.r;
    }
    EXPECT_DOUBLE_EQ(ZoomValueRange(0, false), 4); // no logarithm of 0 is taken
}

TEST(GraphGeometry, LayoutCurveVerticesAndBars) {
    GraphLayout g = ComputeGraphLayout(500, 300, 3);
    EXPECT_EQ(g.plot, CRect(40, 20, 470, 232));
    EXPECT_EQ(g.probeHandle, CRect(463, 10, 477, 18));
    EXPECT_EQ(g.buttons[1], CRect(479, 30, 493, 40));
    EXPECT_EQ(g.buttons[4], CRect(478, 90, 494, 106));
    ASSERT_EQ(g.legendItems.size(), 3u);
    EXPECT_EQ(g.legendItems[1], CRect(173, 251, 331, 268));
    EXPECT_EQ(ComputeGraphLayout(500, 300, 9).legendItems.size(), 4u);
    EXPECT_EQ(ClampProbeX(10, g.plot), 40);
    EXPECT_EQ(ClampProbeX(480, g.plot), 469);

    CCurvePoints points(1);
    for (std::uint32_t t = 0; t <= 40; t += 10)
        points.AddSample(Sample(t, {t * 50}));
    PlotScale scale{100, 101, 0.5, 1}; // 10 s = 20 px; 50/s = 50 px
    std::vector<std::vector<POINT>> runs = CurveRuns(points, 0, scale);
    ASSERT_EQ(runs.size(), 1u);
    const std::vector<POINT>& v = runs[0];
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(v[0].x, 99); // the newest at the right edge
    EXPECT_EQ(v[0].y, 50);
    EXPECT_EQ(v[3].x, 39);
    scale.secondsPerPixel = 0.1; // 100 px per 10 s: stop after the first point off the left
    EXPECT_EQ(CurveRuns(points, 0, scale)[0].size(), 2u);

    std::uint32_t values[3] = {100, 5000, 0};
    BarGroup bars = BarGroupRects(1, values, PlotScale{400, 100, 1, 10});
    EXPECT_EQ(bars.bars[0], CRect(104, 90, 133, 100));
    EXPECT_EQ(bars.bars[1].top, 0); // no higher than the top
    EXPECT_EQ(bars.bars[2].left, 164);
}

TEST(CurveCsv, OneRowPerPointWithTheChosenCounters) {
    CCurvePoints points(3);
    points.AddSample(Sample(100, {0, 0, 0}));
    points.AddSample(Sample(110, {10, 100, 1000}, 7));
    std::string csv = CurveCsvText(points, {2, 0}, {"In, Octets", "b", "c"});
    std::string expectedStart = "Sequence,Time,c,\"In, Octets\"\r\n7,";
    EXPECT_EQ(csv.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(csv.substr(csv.size() - 8), ",100,1\r\n");
}

TEST(CurveRuns, AnIntervalWithoutARateLeavesAGapInTheCurveAndTheCsv) {
    // 10/s, then the switch is reset (no rate), then 10/s again from the new value.
    CCurvePoints points(1);
    const std::uint32_t values[] = {1000, 1100, 1200, 5, 105, 205};
    for (std::uint32_t i = 0; i < 6; ++i)
        points.AddSample(Sample(10 * i, {values[i]}, i));
    ASSERT_EQ(points.Size(), 5u);
    EXPECT_EQ(points.At(2).steps[0], CounterStep::Discontinuity);
    EXPECT_FALSE(IsDrawn(points.At(2), 0));
    PlotScale scale{100, 101, 1, 1};
    std::vector<std::vector<POINT>> runs = CurveRuns(points, 0, scale);
    ASSERT_EQ(runs.size(), 2u) << "no line joins the two sides of the reset";
    EXPECT_EQ(runs[0].size(), 2u);
    EXPECT_EQ(runs[1].size(), 2u);
    EXPECT_EQ(runs[0][0].y, 100 - 10);
    EXPECT_EQ(points.HighestRate({0}, 100), 10u);
    const std::string csv = CurveCsvText(points, {0}, {"a"});
    EXPECT_NE(csv.find(",\r\n4,"), std::string::npos) << "point 3 has an empty field: " << csv;
}

TEST(LegendText, NamesTooWideAreShortenedOrCutSoTheyStillNameOneCounter) {
    // One unit a character: widths are easy to follow.
    const auto width = [](const std::string& text) {
        int n = 0;
        for (unsigned char c : text)
            n += (c & 0xC0) != 0x80;
        return n;
    };
    const std::vector<std::string> names = {"Good Bytes Received",
                                            "Good Bytes Transmitted",
                                            "Good Broadcast Frames Received",
                                            "Good Multicast Frames Received",
                                            "Frame lengths of 64 Bytes",
                                            "Frame lengths between 65-127 Bytes",
                                            "Frame lengths between 128-255 Bytes",
                                            "Jabbers"};
    EXPECT_EQ(LegendText(names, 7, 10, width), "Jabbers");
    EXPECT_EQ(LegendText(names, 0, 10, width), "Good B Rx") << "cut, both read \"Good Bytes\"";
    EXPECT_EQ(LegendText(names, 1, 10, width), "Good B Tx");
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string text = LegendText(names, i, 10, width);
        EXPECT_LE(width(text), 10) << text;
        shown.push_back(text);
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t j = i + 1; j < names.size(); ++j)
            EXPECT_NE(shown[i], shown[j]) << i << " and " << j;
    EXPECT_NE(shown[2].find("\xE2\x80\xA6"), std::string::npos) << "a cut shows: " << shown[2];
    EXPECT_EQ(ShortCounterName("Frame lengths between 65-127 Bytes"), "Frm len 65-127 B");
}

TEST(ExportHeading, NamesTheCaptionAndTheTimeOfSaving) {
    const std::int64_t t = 1700000000;
    const std::string time = FormatLocalTime(t, "%Y-%m-%d %H:%M:%S");
    EXPECT_EQ(ExportHeading("Port 4 Statistic Line Graph, Sw at 10.0.0.1", t),
              "Port 4 Statistic Line Graph, Sw at 10.0.0.1 - saved " + time);
    EXPECT_EQ(ExportHeading("", t), "saved " + time);
}
