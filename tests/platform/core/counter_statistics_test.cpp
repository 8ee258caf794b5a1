#include "platform/core/CounterStatistics.h"

#include <gtest/gtest.h>

namespace {

TEST(CounterStatistics, FirstSampleOnlySetsTotalsThenRatesAveragesAndPeaksFollow) {
    CCounterStatistics s(3);
    s.TakeSample({100, 7, 0xFFFFFF00u}, 1000, "t0");
    EXPECT_TRUE(s.At(0).sampled);
    EXPECT_EQ(s.At(0).last, 100u);
    EXPECT_EQ(s.At(0).rate, 0);
    EXPECT_EQ(s.At(0).peakAt, "");

    s.TakeSample({150, 7, 0x00000100u}, 1005, "t1"); // the third counter wrapped
    EXPECT_EQ(s.At(0).rate, 10);
    EXPECT_EQ(s.At(0).average, 10);
    EXPECT_EQ(s.At(0).peak, 10);
    EXPECT_EQ(s.At(0).peakAt, "t1");
    EXPECT_EQ(s.At(1).rate, 0) << "a constant counter";
    EXPECT_EQ(s.At(1).peakAt, "") << "never sets a peak time";
    EXPECT_EQ(s.At(2).rate, 512 / 5);

    s.TakeSample({140, 7, 0x00000100u}, 1010, "t2"); // the switch was reset
    EXPECT_EQ(s.At(0).rate, -2);
    EXPECT_EQ(s.At(0).average, 4);
    EXPECT_EQ(s.At(0).peak, 10) << "a negative rate is never the peak";
    EXPECT_EQ(s.At(0).peakAt, "t1");
    EXPECT_EQ(s.Elapsed(), 10);
}

TEST(CounterStatistics, EqualRatesKeepTheFirstPeakTime) {
    CCounterStatistics s(1);
    s.TakeSample({0}, 10, "a");
    s.TakeSample({50}, 11, "b");
    s.TakeSample({130}, 12, "c");
    s.TakeSample({210}, 13, "d");
    EXPECT_EQ(s.At(0).peak, 80);
    EXPECT_EQ(s.At(0).peakAt, "c");
}

TEST(CounterStatistics, NoTimeBetweenRepliesKeepsTheShownRates) {
    CCounterStatistics s(1);
    s.TakeSample({0}, 100, "a");
    s.TakeSample({0}, 100, "a"); // a second reply in the same second: nothing to divide by
    EXPECT_EQ(s.At(0).rate, 0);
    s.TakeSample({40}, 102, "b");
    EXPECT_EQ(s.At(0).rate, 20);
    s.TakeSample({90}, 102, "b");
    EXPECT_EQ(s.At(0).rate, 20) << "kept";
    EXPECT_EQ(s.At(0).last, 90u) << "the total still moves on";
    s.TakeSample({100}, 50, "back"); // the clock was set back: a fresh start of the interval
    EXPECT_EQ(s.At(0).rate, 20);
    s.TakeSample({130}, 53, "c");
    EXPECT_EQ(s.At(0).rate, 10);
    EXPECT_EQ(s.Elapsed(), 5);
}

} // namespace
