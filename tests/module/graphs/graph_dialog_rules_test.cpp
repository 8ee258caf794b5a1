// The rules the graph dialogs step and show: poll interval and time-span ladders, duration
// texts, poll status texts, the layout and its minimum, and the selected counter's texts.

#include "module/graphs/GraphDlgLayout.h"
#include "module/graphs/GraphSteps.h"
#include "module/graphs/PollStatus.h"
#include "module/graphs/SelectedCounter.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "snmp/SnmpTypes.h"

#include <gtest/gtest.h>

TEST(GraphDialogRules, PollIntervalStepsBySecondsAndNeverBelowOne) {
    EXPECT_EQ(StepPollInterval(5, true), 6);
    EXPECT_EQ(StepPollInterval(5, false), 4);
    EXPECT_EQ(StepPollInterval(1, false), 1);
    EXPECT_EQ(PollIntervalText(5), "5 sec");
}

TEST(GraphDialogRules, TimeSpanClimbsTheLadderThenWholeHours) {
    const int ladder[] = {5,   10,  15,  20,  30,   45,   60,   90,   120, 180,
                          300, 480, 600, 900, 1200, 1800, 2700, 3600, 7200};
    for (size_t i = 0; i + 1 < std::size(ladder); ++i) {
        EXPECT_EQ(StepTimeSpan(ladder[i], true), ladder[i + 1]) << ladder[i];
        EXPECT_EQ(StepTimeSpan(ladder[i + 1], false), ladder[i]) << ladder[i + 1];
    }
    EXPECT_EQ(StepTimeSpan(5, false), 5);
    EXPECT_EQ(StepTimeSpan(7200, true), 10800);
    EXPECT_EQ(StepTimeSpan(10800, false), 7200);
    EXPECT_EQ(StepTimeSpan(3600, false), 2700);
}

TEST(GraphDialogRules, DurationTexts) {
    EXPECT_EQ(DurationText(60), "1 min");
    EXPECT_EQ(DurationText(90), "1:30 sec");
    EXPECT_EQ(DurationText(45), "45 sec");
    EXPECT_EQ(DurationText(7200), "2 hr");
    EXPECT_EQ(DurationText(5400), "1:30 min");
    EXPECT_EQ(DurationText(3600), "1 hr");
    EXPECT_EQ(DurationText(2700), "45 min");
}

TEST(GraphDialogRules, PollStatusTexts) {
    EXPECT_EQ(PollStatusText(POLL_NO_REPLY, "", "", 0), "Device does not reply.");
    EXPECT_EQ(PollStatusText(POLL_END_OF_TABLE, "", "", 0), "End of Table.");
    EXPECT_EQ(PollStatusText(1, "Jabbers", "7", 0), "Response too big");
    EXPECT_EQ(PollStatusText(2, "Jabbers", "7", 0), "No such name, Jabbers");
    EXPECT_EQ(PollStatusText(3, "Jabbers", "7", 0), "Bad value(7), Jabbers");
    EXPECT_EQ(PollStatusText(4, "Jabbers", "7", 0), "Read only");
    EXPECT_EQ(PollStatusText(5, "Jabbers", "7", 0), "General error");
    EXPECT_EQ(PollStatusText(2, "two\nlines", "", 0), "No such name, two");
    // The SNMPv2 statuses keep codes of their own: noAccess (6) is no "does not reply".
    EXPECT_EQ(PollErrorStatusCode(5), 5);
    EXPECT_NE(PollErrorStatusCode(6), POLL_NO_REPLY);
    EXPECT_NE(PollErrorStatusCode(7), POLL_END_OF_TABLE);
    EXPECT_EQ(PollStatusText(PollErrorStatusCode(6), "Jabbers", "7", 0), "No access, Jabbers");
    EXPECT_EQ(PollStatusText(PollErrorStatusCode(40), "Jabbers", "7", 0), "");
    EXPECT_EQ(PollStatusText(std::uint16_t(POLL_EXCEPTION_BASE + int(SNMP_TYPE_NOSUCHINSTANCE)),
                             "Jabbers", "", 0),
              "No such instance, Jabbers");
    EXPECT_EQ(PollStatusText(POLL_REFUSED, "", "", 0, "Unknown user name"), "Unknown user name");
    const std::int64_t t = 1700000000;
    EXPECT_EQ(PollStatusText(POLL_OK, "", "", t),
              "Response received at " + FormatLocalTime(t, "%I:%M:%S %p"));
}

TEST(GraphDialogRules, LayoutKeepsTheColumnAtTheRightAndTheMinimumSize) {
    const GraphDlgLayout l = LayOutGraphDialog(500, 300);
    EXPECT_EQ(l.banner.left, 5);
    EXPECT_EQ(l.banner.Width(), 385);
    EXPECT_EQ(l.banner.Height(), 49);
    EXPECT_EQ(l.graph.top, 55);
    EXPECT_EQ(l.graph.Height(), 240);
    EXPECT_EQ(l.rate.left, 395);
    EXPECT_EQ(l.rate.Width(), 98);
    EXPECT_EQ(l.picker.top, 70);
    EXPECT_EQ(l.peakAt.top, 125);
    EXPECT_EQ(l.peakAt.Height(), 15);
    EXPECT_EQ(l.close.top, 230);
    EXPECT_EQ(l.close.Height(), 25);
    // Nothing of the column is cut off at the smallest size.
    const CSize smallest = GraphDlgEnlarged(CSize(100, 100));
    EXPECT_EQ(smallest.cx, 390);
    EXPECT_GE(smallest.cy, LayOutGraphDialog(smallest.cx, smallest.cy).close.bottom);
    EXPECT_TRUE(GraphDlgEnlarged(CSize(600, 400)) == CSize(600, 400));
}

TEST(GraphDialogRules, SelectedCounterShowsAverageAndPeakOfItsRecord) {
    Clock::Manual clock(5000);
    CRateStats stats;
    CSampleRecord first{2, 0, {100, 7}, 5000};
    CSampleRecord second{2, 1, {400, 7}, 5010};
    stats.AddSample(first);
    EXPECT_EQ(SelectedCounterStats(stats, 1).average, "0/s"); // the first sample only primes
    stats.AddSample(second);
    const SelectedCounterTexts texts = SelectedCounterStats(stats, 1);
    EXPECT_EQ(texts.average, "30/s");
    EXPECT_EQ(texts.peak, "30/s");
    EXPECT_EQ(texts.peakAt, PeakTimeText(5010)) << "the one peak time format of every view";
    // "No Selection" (997) and no choice show a record of zeros.
    EXPECT_EQ(SelectedCounterStats(stats, 997).peak, "0/s");
    EXPECT_EQ(SelectedCounterStats(stats, 0).peakAt, "") << "no peak: no time, not the epoch";
    EXPECT_EQ(SelectedCounterStats(stats, 2).peakAt, "") << "a counter that never moved";
}

TEST(GraphDialogRules, ValueRangeWidensUntilTheRateFits) {
    EXPECT_EQ(WidenValueRangeToFit(1000, 500), 1000);
    const double range = WidenValueRangeToFit(1000, 700000);
    EXPECT_GE(range, 770000);
    EXPECT_LT(range, 2 * 770000);
}
