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
    EXPECT_EQ(reset.Rate(), 200000u) << "the last rate stays";
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

    EXPECT_TRUE(IsCounterWrap(kSmallCounterWrap - 1, 1000, 0));
    EXPECT_FALSE(IsCounterWrap(kSmallCounterWrap, 1000, 0));
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
    EXPECT_EQ(CounterRateTexts(s.At(0)), (std::array<std::string, 4>{"10", "10", "10", "t1"}))
        << "a reset changes no rate, average or peak";
    EXPECT_EQ(s.Elapsed(), 10);
}

TEST(CounterStatistics, RatesOfTwoToTheThirtyFirstAndMoreShowUnsigned) {
    CCounterStatistics s(1);
    s.TakeSample({0}, 0, "a");
    s.TakeSample({kTop}, 1000, "b");
    EXPECT_EQ(CounterRateTexts(s.At(0)),
              (std::array<std::string, 4>{"4294967295", "4294967295", "4294967295", "b"}));
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

} // namespace
