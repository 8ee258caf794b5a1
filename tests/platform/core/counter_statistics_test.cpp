#include "platform/core/Clock.h"
#include "platform/core/CounterColumns.h"
#include "platform/core/CounterStatistics.h"
#include "platform/core/CounterTrack.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kTop = 4294967295u;

TEST(CounterTrack, AverageStaysExactAndPositivePastTwoToTheThirtyFirstAndAWrap) {
    // 20,000,000 a second for 250 s: the counter passes 2^31 after about 107 s and 2^32 − 1
    // after about 215 s. An average taken from the first value read as signed went negative.
    CCounterTrack t;
    std::uint32_t value = 123456789u;
    t.Take(value, 5000, 0);
    for (int time = 5; time <= 250; time += 5) {
        value += 100000000u; // modulo 2^32
        EXPECT_EQ(t.Take(value, 5000, time), CounterStep::Rated) << "at " << time;
    }
    EXPECT_EQ(t.Rate(), 20000000u);
    EXPECT_EQ(t.Average(), 20000000u);
    EXPECT_EQ(t.Peak(), 20000000u);
    EXPECT_EQ(t.PeakTime(), 5) << "an equal rate keeps the first peak time";
    EXPECT_EQ(t.TotalIncrease(), 5000000000ull) << "beyond 32 bits";
    EXPECT_EQ(t.TotalMilliseconds(), 250000u);
}

TEST(CounterTrack, AWrapGivesTheTrueRateAndAResetGivesNone) {
    CCounterTrack quiet;
    EXPECT_EQ(quiet.Take(kTop - 5, 5000, 0), CounterStep::Primed);
    EXPECT_EQ(quiet.Take(5, 5000, 5), CounterStep::Rated) << "just below the top: a wrap";
    EXPECT_EQ(quiet.TotalIncrease(), 11u) << "4294967290 → 5 counted 11 times";
    EXPECT_EQ(quiet.Rate(), 2u);

    // A busy counter moves more than half its range in one interval; its wraps must still
    // count once it has shown that pace.
    CCounterTrack busy;
    busy.Take(0, 5000, 0);
    busy.Take(2500000000u, 5000, 5);                                // 500,000,000 a second
    EXPECT_EQ(busy.Take(705032704u, 5000, 10), CounterStep::Rated); // 5,000,000,000 mod 2^32
    EXPECT_EQ(busy.Rate(), 500000000u);
    EXPECT_EQ(busy.Average(), 500000000u);
    // Faster than ever before, and it wraps: still a wrap, not a reset.
    EXPECT_EQ(busy.Take(10065408u, 5000, 15), CounterStep::Rated); // 3,600,000,000 more
    EXPECT_EQ(busy.Rate(), 720000000u);

    // 1,000,000 → 10 would be 4,293,967,306 counted in 5 s: the switch was reset.
    CCounterTrack reset;
    reset.Take(0, 5000, 0);
    reset.Take(1000000, 5000, 5);
    EXPECT_EQ(reset.Take(10, 5000, 10), CounterStep::Discontinuity);
    EXPECT_EQ(reset.Rate(), 0u) << "a reset interval shows no rate";
    EXPECT_EQ(reset.Average(), 200000u);
    EXPECT_EQ(reset.Peak(), 200000u);
    EXPECT_EQ(reset.PeakTime(), 5);
    EXPECT_EQ(reset.Take(510, 5000, 15), CounterStep::Rated) << "counting goes on from 10";
    EXPECT_EQ(reset.Rate(), 100u);
    EXPECT_EQ(reset.Average(), 100050u) << "1,000,500 over the 10 s that gave a rate";
}

TEST(CounterTrack, ADropThatWouldBeFasterThanTheCounterEverWentIsAReset) {
    // Cleared at 3,000,000,000 on a port counting 1000 a second: as a wrap that would be
    // 1.29e9 in 5 s, a peak the port never carried.
    CCounterTrack t;
    t.Take(2999995000u, 5000, 0);
    t.Take(3000000000u, 5000, 5);
    EXPECT_EQ(t.Take(4000, 5000, 10), CounterStep::Discontinuity);
    EXPECT_EQ(t.Peak(), 1000u);
    // A port that starts busy and wraps in its first interval has no pace yet to tell a wrap
    // from a reset: that interval gives no rate, and the next one does.
    CCounterTrack first;
    first.Take(4000000000u, 5000, 0);
    EXPECT_EQ(first.Take(2205032704u, 5000, 5), CounterStep::Discontinuity);
    EXPECT_EQ(first.Peak(), 0u);
    EXPECT_EQ(first.Take(4705032704u - 2000000000u, 5000, 10), CounterStep::Rated);

    // Without a pace yet, an increase reads as signed: under 2^31 a count, from 2^31 a step back.
    EXPECT_TRUE(IsCounterWrap((1u << 31) - 1, 1000, 0));
    EXPECT_FALSE(IsCounterWrap(1u << 31, 1000, 0));
    EXPECT_TRUE(IsCounterWrap(kTop, 1000, kTop) && IsCounterWrap(kTop, 2000, kTop / 4 + 1))
        << "the products are taken in 64 bits";
    EXPECT_FALSE(IsCounterWrap(kTop, 499, kTop));
}

TEST(CounterTrack, RatesUseTheIntervalToTheMillisecond) {
    // A poll that came 10 ms late: whole seconds would make it 5 s or 6 s.
    EXPECT_EQ(RatePerSecond(2505000000u, 5010), 500000000u);
    EXPECT_EQ(RatePerSecond(5000000000000ull, 10000000), 500000000u) << "a 64-bit total";
    EXPECT_EQ(RatePerSecond(1ull << 40, 1), kTop) << "more than 32 bits can hold";
    EXPECT_EQ(RatePerSecond(999, 1000), 999u);
}

TEST(CounterStatistics, FirstSampleOnlySetsTotalsThenRatesAveragesAndPeaksFollow) {
    CCounterStatistics s(3);
    s.TakeSample({100, 7, 0xFFFFFF00u}, 1000000, "t0");
    EXPECT_TRUE(s.At(0).track.Sampled());
    EXPECT_EQ(s.At(0).total, 100u);
    EXPECT_EQ(CounterRateTexts(s.At(0)), (std::array<std::string, 4>{"0", "0", "0", ""}));

    s.TakeSample({150, 7, 0x00000100u}, 1005000, "t1"); // the third counter wrapped
    EXPECT_EQ(CounterRateTexts(s.At(0)), (std::array<std::string, 4>{"10", "10", "10", "t1"}));
    EXPECT_EQ(s.At(1).track.Rate(), 0u) << "a constant counter";
    EXPECT_EQ(s.At(1).peakAt, "") << "never sets a peak time";
    EXPECT_EQ(s.At(2).track.Rate(), 512u / 5);

    s.TakeSample({140, 7, 0x00000100u}, 1010000, "t2"); // the switch was reset
    EXPECT_EQ(s.At(0).total, 140u);
    EXPECT_EQ(CounterRateTexts(s.At(0)), (std::array<std::string, 4>{"-", "10", "10", "t1"}))
        << "a reset shows no rate and changes no average or peak";
    EXPECT_EQ(s.Elapsed(), 10);
}

TEST(CounterStatistics, RatesOfTwoToTheThirtyFirstAndMoreShowUnsigned) {
    // 3,000,000,000 a second: the first interval reads as a step back and is confirmed by the
    // second at the same pace.
    CCounterStatistics s(1);
    s.TakeSample({0}, 0, "a");
    s.TakeSample({3000000000u}, 1000, "b");
    s.TakeSample({1705032704u}, 2000, "c"); // 6,000,000,000 modulo 2^32
    EXPECT_EQ(CounterRateTexts(s.At(0)),
              (std::array<std::string, 4>{"3000000000", "3000000000", "3000000000", "c"}));
}

TEST(CounterStatistics, EqualRatesKeepTheFirstPeakTime) {
    CCounterStatistics s(1);
    s.TakeSample({0}, 10000, "a");
    s.TakeSample({50}, 11000, "b");
    s.TakeSample({130}, 12000, "c");
    s.TakeSample({210}, 13000, "d");
    EXPECT_EQ(s.At(0).track.Peak(), 80u);
    EXPECT_EQ(s.At(0).peakAt, "c");
}

TEST(CounterStatistics, RepliesUnderASecondApartWaitForTheNextAndMillisecondsCount) {
    CCounterStatistics s(1);
    s.TakeSample({0}, 1000000, "a");
    s.TakeSample({900}, 1000999, "a"); // a Refresh right after a tick
    EXPECT_EQ(s.At(0).track.Rate(), 0u);
    EXPECT_EQ(s.At(0).total, 900u);
    s.TakeSample({1002}, 1001002, "b");
    EXPECT_EQ(s.At(0).track.Rate(), 1000u) << "1002 over 1.002 s";
    s.TakeSample({6002}, 1006002, "c");
    EXPECT_EQ(s.At(0).track.Average(), 1000u);
    EXPECT_EQ(s.Elapsed(), 6);
}

TEST(CounterStatistics, NoTimeBetweenRepliesKeepsTheShownRatesAndLosesNoIncrease) {
    CCounterStatistics s(1);
    s.TakeSample({0}, 100000, "a");
    s.TakeSample({0}, 100000, "a"); // a second reply in the same second: nothing to divide by
    EXPECT_EQ(s.At(0).track.Rate(), 0u);
    s.TakeSample({40}, 102000, "b");
    EXPECT_EQ(s.At(0).track.Rate(), 20u);
    s.TakeSample({90}, 102000, "b");
    EXPECT_EQ(s.At(0).track.Rate(), 20u) << "kept";
    EXPECT_EQ(s.At(0).total, 90u) << "the total still moves on";
    s.TakeSample({100}, 104000, "c");
    EXPECT_EQ(s.At(0).track.Rate(), 30u) << "40 → 100 over 102 → 104";
    EXPECT_EQ(s.At(0).track.Average(), 25u) << "100 over 4 s: nothing lost";
    s.TakeSample({100}, 50000, "back"); // the clock was set back: a fresh start of the interval
    EXPECT_EQ(s.At(0).track.Rate(), 30u);
    s.TakeSample({130}, 53000, "c");
    EXPECT_EQ(s.At(0).track.Rate(), 10u);
    EXPECT_EQ(s.Elapsed(), 7);
}

// A counter followed at `rate` a second for `intervals` polls `ms` apart, from `start`.
CCounterTrack Steady(std::uint32_t start, std::uint64_t rate, int intervals, std::uint64_t ms) {
    CCounterTrack t;
    std::uint64_t value = start;
    t.Take(std::uint32_t(value), ms, 0);
    for (int i = 1; i <= intervals; ++i) {
        value += rate * ms / 1000;
        t.Take(std::uint32_t(value), ms, i);
    }
    return t;
}

TEST(CounterTrack, StepsBackAndResetsNearTheTopGiveNoRateWithOrWithoutAPace) {
    // 14000 → 4294958296 is 23,000 back across zero, not 4.29e9 forward (858,817,095/s).
    CCounterTrack paced = Steady(4000, 2000, 1, 5000); // 2000/s, now at 14000
    EXPECT_EQ(paced.Take(4294958296u, 5000, 10), CounterStep::Discontinuity);
    EXPECT_EQ(paced.Peak(), 2000u);
    EXPECT_EQ(paced.Average(), 2000u);
    EXPECT_EQ(paced.Take(1000, 5000, 15), CounterStep::Rated)
        << "counting goes on from the stepped-back value (10,000 more, over the top)";
    EXPECT_EQ(paced.Rate(), 2000u);

    CCounterTrack first;
    first.Take(14000, 5000, 0);
    EXPECT_EQ(first.Take(4294958296u, 5000, 5), CounterStep::Discontinuity)
        << "no pace yet: an increase of 2^31 or more reads as a step back";
    EXPECT_EQ(first.Peak(), 0u);

    // A 10/s counter reset to 0 near the top: taken as a wrap it was 193,404/s.
    CCounterTrack quiet = Steady(4293999950u, 10, 1, 5000);
    EXPECT_EQ(quiet.Take(20, 5000, 10), CounterStep::Discontinuity);
    EXPECT_EQ(quiet.Peak(), 10u);
    EXPECT_EQ(CounterRateText(quiet), "-");

    // A wrap in the first interval, under 2^31: its rate, not a drop to 0.
    CCounterTrack wrapsAtOnce;
    wrapsAtOnce.Take(4294967000u, 5000, 0);
    EXPECT_EQ(wrapsAtOnce.Take(4000, 5000, 5), CounterStep::Rated);
    EXPECT_EQ(wrapsAtOnce.Rate(), 859u) << "4296 over 5 s, rounded";
}

TEST(CounterTrack, RatesAndAveragesAreRoundedToTheNearest) {
    CCounterTrack once = Steady(0, 1, 0, 1000);
    EXPECT_EQ(once.Take(1, 1003, 1), CounterStep::Rated);
    EXPECT_EQ(once.Rate(), 1u) << "a steady 1/s counter read 0 when cut down";
    once.Take(6, 5004, 6);
    EXPECT_EQ(once.Rate(), 1u);
    EXPECT_EQ(once.Average(), 1u);
    EXPECT_EQ(RatePerSecond(5000, 5001), 1000u) << "1000/s read 999 when cut down";
    EXPECT_EQ(RatePerSecond(2, 3000), 1u);
    EXPECT_EQ(RatePerSecond(1, 2000), 1u) << "a half rounds up";
    EXPECT_EQ(RatePerSecond(1, 2001), 0u);
}

TEST(CounterTrack, AnIntervalThatMayHoldUnseenWrapsIsMarkedAndLeftOut) {
    // 800,000,000 a second wraps 2^32 in 5.37 s: 5 s polls are measured, a 20 s silence is not
    // (counted as one wrap it averaged 588,465,204 against a true 800,000,000).
    CCounterTrack t = Steady(0, 800000000, 3, 5000);
    ASSERT_EQ(t.Step(), CounterStep::Rated);
    ASSERT_EQ(t.Peak(), 800000000u);
    const std::uint32_t now = std::uint32_t(3ull * 4000000000ull);
    const std::uint32_t later = std::uint32_t(3ull * 4000000000ull + 16000000000ull);
    EXPECT_EQ(now, t.Last());
    EXPECT_EQ(t.Take(later, 20000, 35), CounterStep::Unmeasured);
    EXPECT_EQ(t.Average(), 800000000u);
    EXPECT_EQ(t.Peak(), 800000000u);
    EXPECT_EQ(t.TotalMilliseconds(), 10000u)
        << "left out of the average (the first interval waited for its confirmation)";
    EXPECT_EQ(CounterRateText(t), "\xE2\x89\xA5" + std::to_string(t.Rate()));
    EXPECT_LT(t.Rate(), 800000000u) << "only a lower bound";
    EXPECT_EQ(t.Take(std::uint32_t(std::uint64_t(later) + 4000000000ull), 5000, 40),
              CounterStep::Rated);
    EXPECT_EQ(t.Rate(), 800000000u);
    // A counter that has shown 800,000,000 a second and now reads 5 more could as well have
    // counted 2^32 + 5 once 1,600,000,000 a second (twice its pace) could do that: 2684.4 ms.
    EXPECT_EQ(JudgeInterval(0, 5, 2684, {800000000, 0, 0}).step, CounterStep::Rated);
    EXPECT_EQ(JudgeInterval(0, 5, 2685, {800000000, 0, 0}).step, CounterStep::Unmeasured);
    // Passing 2^32 in an interval at a new, higher pace reads as a slower one: the first
    // interval after it is unmeasured, and so are the next ones at that pace.
    CCounterTrack sped = Steady(0, 829000000, 3, 5000);
    std::uint64_t spedValue = sped.Last();
    for (int i = 0; i < 3; ++i) {
        spedValue += 5000000000ull; // 1,000,000,000 a second
        EXPECT_EQ(sped.Take(std::uint32_t(spedValue), 5000, 20 + 5 * i), CounterStep::Unmeasured);
    }
    EXPECT_EQ(sped.Average(), 829000000u);
}

TEST(CounterTrack, ACounterThatReallyGotFasterIsConfirmedByItsNextInterval) {
    // From 100,000,000 to 600,000,000 a second: 3e9 per 5 s reads as a step back and is faster
    // than twice the pace shown; the next interval at the same pace confirms it.
    CCounterTrack t = Steady(0, 100000000, 2, 5000);
    std::uint64_t value = t.Last();
    value += 3000000000ull;
    EXPECT_EQ(t.Take(std::uint32_t(value), 5000, 15), CounterStep::Discontinuity);
    value += 3000000000ull;
    EXPECT_EQ(t.Take(std::uint32_t(value), 5000, 20), CounterStep::Rated);
    EXPECT_EQ(t.Rate(), 600000000u);
    EXPECT_EQ(t.Peak(), 600000000u);
    // A step back is not confirmed by normal counting after it, and raises nothing.
    CCounterTrack back = Steady(100000, 1000, 2, 5000);
    back.Take(back.Last() - 500, 5000, 15);
    EXPECT_EQ(back.Step(), CounterStep::Discontinuity);
    EXPECT_EQ(back.Take(back.Last() + 5000, 5000, 20), CounterStep::Rated);
    EXPECT_EQ(back.Peak(), 1000u);
}

TEST(CounterTrack, ThePortsLineBoundsEveryIncrease) {
    // A 100 Mbps port carries at most 12,500,000 bytes a second (a quarter more for jitter).
    const std::uint64_t line = 12500000;
    IntervalVerdict jump = JudgeInterval(14000, 1000014000u, 5000, {1000, 0, line});
    EXPECT_EQ(jump.step, CounterStep::Discontinuity) << "a forward jump of 200,000,000/s";
    EXPECT_TRUE(jump.overLine);
    EXPECT_EQ(JudgeInterval(0, 78125000, 5000, {0, 0, line}).step, CounterStep::Rated)
        << "15,625,000/s: within the quarter";
    EXPECT_TRUE(JudgeInterval(0, 78125010, 5000, {0, 0, line}).overLine);
    EXPECT_EQ(JudgeInterval(0, 60000000, 5000, {10, 0, line}).step, CounterStep::Rated)
        << "a burst forward within the line is believed whatever the pace so far";

    // A gigabit port's bytes can pass 2^32 in 27.5 s (with the quarter for jitter): a longer
    // interval may hold unseen wraps however little it shows.
    EXPECT_EQ(JudgeInterval(0, 5, 27487, {0, 0, 125000000}).step, CounterStep::Rated);
    EXPECT_EQ(JudgeInterval(0, 5, 27488, {0, 0, 125000000}).step, CounterStep::Unmeasured);
    EXPECT_EQ(MostPlausibleRate({10, 0, 125000000}), 156250000u) << "the line allows more";
    EXPECT_EQ(MostPlausibleRate({0, 0, 0}), 0u);

    CCounterTrack t;
    t.SetLineRate(line);
    t.Take(0, 5000, 0);
    EXPECT_EQ(t.Take(1000000000u, 5000, 5), CounterStep::Discontinuity);
    EXPECT_TRUE(t.OverLine());
    EXPECT_EQ(t.Take(1000000000u + 50000000u, 5000, 10), CounterStep::Rated)
        << "an over-line interval is no pace for the next";
    EXPECT_FALSE(t.OverLine());
}

TEST(CounterStatistics, EachPartOfAPollIsTimedByItsOwnReplyAndSaysWhatItTook) {
    using Taken = CCounterStatistics::Taken;
    CCounterStatistics s(3);
    EXPECT_EQ(s.TakeValues(0, {0, 0}, 100000, "a"), Taken::Started);
    EXPECT_EQ(s.TakeValues(2, {0}, 100400, "a"), Taken::Started);
    EXPECT_EQ(s.TakeValues(0, {500, 500}, 100600, "a"), Taken::TotalsOnly);
    EXPECT_EQ(s.TakeValues(0, {5000, 5000}, 105000, "b"), Taken::Interval);
    EXPECT_EQ(s.TakeValues(2, {5000}, 105400, "b"), Taken::Interval);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(s.At(k).track.Rate(), 1000u) << k;
    EXPECT_FALSE(s.AnyUnmeasured());
    EXPECT_EQ(s.TakeValues(0, {4000}, 104000, "back"), Taken::Started) << "the clock went back";

    CCounterStatistics fast(1);
    fast.SetLineRate(0, 1000);
    fast.TakeSample({0}, 0, "a");
    fast.TakeSample({100000}, 5000, "b");
    EXPECT_TRUE(fast.AnyOverLine());
    EXPECT_EQ(CounterRateTexts(fast.At(0))[3], "") << "no peak, no peak time";
}

TEST(CounterColumns, BothViewsReadOneDescription) {
    const auto& columns = CounterColumns();
    std::string table, list;
    for (const CounterColumnInfo& c : columns) {
        table += std::string(c.tableHeading) + ",";
        list += std::string(c.listHeading) + ",";
    }
    EXPECT_EQ(table, "Object Name,Total,Rate/s,Avg Rate/s,Peak Rate/s,Peak At,");
    EXPECT_EQ(list, "Object,Total,Rate/s,Avg Rate/s,Peak Rate/s,Peak At,");
    CCounterStatistics s(1);
    s.TakeSample({4000000000u}, 0, "t0");
    s.TakeSample({4000005000u}, 5000, "t1");
    EXPECT_EQ(CounterCellText(s.At(0), CounterColumn::Total), "4000005000");
    EXPECT_EQ(CounterCellText(s.At(0), CounterColumn::Rate), "1000");
    EXPECT_EQ(CounterCellText(s.At(0), CounterColumn::PeakAt), "t1");
    EXPECT_EQ(CounterCellText(s.At(0), CounterColumn::Name), "");
}

TEST(Clock, AManualClockKeepsMillisecondsAndWholeSecondsRoundDown) {
    Clock::Manual clock(100);
    clock.advanceMs(1999);
    EXPECT_EQ(Clock::nowMs(), 101999);
    EXPECT_EQ(Clock::now(), 101);
    clock.setMs(-1);
    EXPECT_EQ(Clock::now(), -1) << "before the epoch too";
    clock.advance(2);
    EXPECT_EQ(clock.getMs(), 1999);
}

} // namespace
