// Our picture of the agent's clock: learnt, advanced with our own clock, and used to refuse
// stale or replayed replies.

#include <gtest/gtest.h>

#include "snmp/UsmEngineTime.h"

namespace {

TEST(UsmEngineTimeWindow, AdvancesWithOurClockFromTheLastLearntTime) {
    UsmEngineTime time;
    EXPECT_FALSE(time.Known());
    time.Guess(4, 1000, 500);
    EXPECT_TRUE(time.Known());
    EXPECT_EQ(time.Boots(), 4u);
    EXPECT_EQ(time.Time(500), 1000u);
    EXPECT_EQ(time.Time(530), 1030u);
    EXPECT_EQ(time.Time(400), 1000u); // our clock stepped back: never before the learnt time
}

TEST(UsmEngineTimeWindow, RefusesOlderBootsAndTimesBeyond150Seconds) {
    UsmEngineTime time;
    EXPECT_TRUE(time.Accept(4, 1000, 500));
    EXPECT_TRUE(time.Accept(4, 1100, 600)); // forward: learnt
    EXPECT_EQ(time.Time(600), 1100u);
    EXPECT_TRUE(time.Accept(4, 950, 600));   // 150 s behind: still inside
    EXPECT_FALSE(time.Accept(4, 949, 600));  // one more: outside
    EXPECT_FALSE(time.Accept(3, 5000, 600)); // a previous boot: a replay
    EXPECT_TRUE(time.Accept(5, 2, 600));     // a reboot moves us forward
    EXPECT_EQ(time.Boots(), 5u);
    EXPECT_FALSE(time.Accept(4, 1100, 600));
}

TEST(UsmEngineTimeWindow, LatchedBootsAcceptNothing) {
    UsmEngineTime time;
    EXPECT_FALSE(time.Accept(UsmEngineTime::kMaxBoots, 10, 500));
}

TEST(UsmEngineTimeWindow, AnUnauthenticatedGuessNeverOverridesAuthenticatedTime) {
    UsmEngineTime time;
    time.Accept(4, 1000, 500);
    time.Guess(9, 1, 500);
    EXPECT_EQ(time.Boots(), 4u);
    time.Resynchronise(4, 10, 500); // the agent's authenticated word that it is behind us
    EXPECT_EQ(time.Time(500), 10u);
    EXPECT_TRUE(time.Accept(4, 10, 500));
}

} // namespace
