// The switch's live behaviour: consistent counters that wrap, links that come and go, the LED
// status string, the modules word, resets, and reproducible runs.

#include <gtest/gtest.h>

#include "snmp/NmOidTable.h"
#include "tests/agent/AgentTestClient.h"

namespace {

std::string Counter(int column, int port) {
    return Ent("11.9.1.2.3.1." + std::to_string(column) + ".1." + std::to_string(port));
}
std::string LinkStatus(int port) {
    return Ent("11.9.1.2.1.1.5.1." + std::to_string(port));
}
const std::string kLedStatus = Ent("11.9.1.1.1.7.0");
const std::string kPortsInUse = Ent("11.9.1.1.1.2.0");

struct PortCounts {
    std::int64_t value[24] = {};
};

PortCounts ReadCounters(EngineClient& client, int port) {
    PortCounts counts;
    for (int column = 3; column <= 23; ++column) {
        counts.value[column] = client.Value(Counter(column, port)).number;
    }
    return counts;
}

} // namespace

TEST(AgentLive, CountersOfEveryPortAreConsistent) {
    EngineClient client;
    client.Advance(90'000);
    bool sawBusy = false;
    bool sawErrors = false;
    bool sawIdle = false;
    bool sawUnplugged = false;
    for (int port = 1; port <= 28; ++port) {
        const PortCounts c = ReadCounters(client, port);
        const std::int64_t goodFrames = c.value[5];
        const std::int64_t goodBytes = c.value[3];
        std::int64_t lengthBuckets = 0;
        for (int column = 17; column <= 22; ++column) {
            lengthBuckets += c.value[column];
        }
        EXPECT_GE(c.value[8], goodFrames) << port;     // total frames received
        EXPECT_GE(c.value[7], goodBytes) << port;      // total bytes received
        EXPECT_GE(goodBytes, 64 * goodFrames) << port; // no good frame is shorter than 64
        EXPECT_LE(goodBytes, 1518 * goodFrames) << port;
        EXPECT_GE(lengthBuckets, goodFrames) << port; // every good frame has a length
        EXPECT_LE(lengthBuckets, c.value[8]) << port;
        EXPECT_LE(c.value[9] + c.value[10], goodFrames) << port; // broadcast + multicast
        EXPECT_GE(c.value[4], 64 * c.value[6]) << port;

        const bool linked = client.Value(LinkStatus(port)).number == 2;
        sawBusy |= goodBytes > 100'000'000;
        sawErrors |= c.value[11] > 0 && c.value[13] > 0;
        sawIdle |= linked && goodFrames > 0 && goodFrames < 1000;
        sawUnplugged |= !linked && goodFrames == 0 && c.value[6] == 0;
    }
    EXPECT_TRUE(sawBusy);
    EXPECT_TRUE(sawErrors);
    EXPECT_TRUE(sawIdle);
    EXPECT_TRUE(sawUnplugged);
}

TEST(AgentLive, CountersWrapPast32Bits) {
    EngineClient client;
    // Port 1 is busy; at most 100 Mbit/s means at most 125,000,000 bytes per 10 seconds.
    std::int64_t previous = client.Value(Counter(3, 1)).number;
    int wraps = 0;
    for (int step = 0; step < 500 && wraps == 0; ++step) {
        client.Advance(10'000);
        const std::int64_t now = client.Value(Counter(3, 1)).number;
        ASSERT_GE(now, 0);
        ASSERT_LE(now, 0xFFFFFFFFll);
        const std::int64_t delta = (now - previous + (1ll << 32)) % (1ll << 32);
        EXPECT_GT(delta, 0);
        EXPECT_LE(delta, 125'000'000);
        wraps += now < previous ? 1 : 0;
        previous = now;
    }
    EXPECT_EQ(wraps, 1);
}

TEST(AgentLive, LinksComeAndGoAndPortsInUseFollow) {
    EngineClient client;
    std::vector<std::int64_t> first(29);
    for (int port = 1; port <= 28; ++port) {
        first[port] = client.Value(LinkStatus(port)).number;
    }
    int changes = 0;
    for (int step = 0; step < 120; ++step) {
        client.Advance(5'000);
        int up = 0;
        for (int port = 1; port <= 28; ++port) {
            const std::int64_t link = client.Value(LinkStatus(port)).number;
            ASSERT_TRUE(link == 2 || link == 3);
            up += link == 2 ? 1 : 0;
            changes += link != first[port] ? 1 : 0;
        }
        ASSERT_EQ(client.Value(kPortsInUse).number, up);
    }
    EXPECT_GT(changes, 0);
}

TEST(AgentLive, LedStatusFollowsLinkAndActivity) {
    EngineClient client;
    client.Advance(3'000);
    const std::string leds = client.Value(kLedStatus).bytes;
    ASSERT_EQ(leds.size(), 30u); // status byte, 28 ports, end mark
    EXPECT_EQ(static_cast<std::uint8_t>(leds.back()), 255);
    EXPECT_TRUE(leds[0] & 0x01); // the run LED blinks
    for (int port = 1; port <= 28; ++port) {
        const auto bits = static_cast<std::uint8_t>(leds[static_cast<std::size_t>(port)]);
        const bool linked = client.Value(LinkStatus(port)).number == 2;
        EXPECT_EQ((bits & 0x01) != 0, linked) << port;
        if (!linked) {
            EXPECT_EQ(bits, 0) << port;
        }
    }
    // Port 1 is busy: link and activity.
    EXPECT_EQ(static_cast<std::uint8_t>(leds[1]) & 0x05, 0x05);

    EngineClient small(SwitchSetup{0x3300, 1, 5000});
    const std::string fewer = small.Value(kLedStatus).bytes;
    ASSERT_EQ(fewer.size(), 26u);
    EXPECT_EQ(static_cast<std::uint8_t>(fewer[25]), 255);
}

TEST(AgentLive, ModulesWordPlacesThePorts) {
    struct Case {
        std::uint16_t word;
        std::int64_t ports;
    };
    for (const Case& c : {Case{0x336A, 28}, Case{0x3300, 24}, Case{0x4286, 11}, Case{0x5500, 16},
                          Case{0x7F00, 0}}) {
        EngineClient client(SwitchSetup{c.word, 1, 5000});
        EXPECT_EQ(client.Value(Ent("11.9.1.1.1.1.0")).number, c.ports) << std::hex << c.word;
        EXPECT_EQ(client.Value(Ent("11.9.1.1.1.9.1.2.1")).number, c.word);
        const auto beyond = client.Get({LinkStatus(static_cast<int>(c.ports) + 1)});
        ASSERT_TRUE(beyond);
        EXPECT_EQ(beyond->status, 2u);
    }
    EngineClient client;
    const auto portType = [&](int port) {
        return client.Value(Ent("11.9.1.2.1.1.3.1." + std::to_string(port))).number;
    };
    EXPECT_EQ(portType(1), 2); // UTP on the 12-port modules
    EXPECT_EQ(portType(24), 2);
    EXPECT_EQ(portType(25), 4);  // small type 6: Fiber SC
    EXPECT_EQ(portType(27), 10); // small type 10
}

TEST(AgentLive, ColdStartFallsSilentThenComesBackAsStarted) {
    EngineClient client(SwitchSetup{0x336A, 1, 5000});
    client.Advance(20'000);
    ASSERT_TRUE(client.Set({TestBinding::Str("1.3.6.1.2.1.1.4.0", "changed"),
                            TestBinding::Int(Ent("11.1.3.10.1.3.10.1.1.1"), 3)}));
    ASSERT_GT(client.Value(Counter(3, 1)).number, 0);

    EXPECT_FALSE(client.Set({TestBinding::Int(Ent("11.1.2.4.0"), 2)})); // Cold Start
    client.Advance(4'999);
    EXPECT_FALSE(client.Get({"1.3.6.1.2.1.1.3.0"}));
    EXPECT_EQ(client.engine.Stats().whileResetting, 1u);
    client.Advance(1);
    EXPECT_EQ(client.Value("1.3.6.1.2.1.1.3.0").number, 0);
    EXPECT_EQ(client.Value("1.3.6.1.2.1.1.4.0").bytes, "Network Operations");
    EXPECT_EQ(client.Value(Counter(3, 1)).number, 0);
    const auto gone = client.Get({Ent("11.1.3.10.1.3.10.1.1.1")});
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->status, 2u);
    client.Advance(2'500);
    EXPECT_EQ(client.Value("1.3.6.1.2.1.1.3.0").number, 250);
}

TEST(AgentLive, WarmStartAnswersAndRestartsAtOnce) {
    EngineClient client;
    client.Advance(20'000);
    ASSERT_TRUE(client.Set({TestBinding::Str("1.3.6.1.2.1.1.5.0", "renamed")}));
    const auto reply = client.Set({TestBinding::Int(Ent("11.1.2.4.0"), 3)});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, 0u);
    EXPECT_EQ(client.Value("1.3.6.1.2.1.1.5.0").bytes, "taurel-switch");
    EXPECT_EQ(client.Value("1.3.6.1.2.1.1.3.0").number, 0);
    EXPECT_EQ(client.Value(Counter(5, 1)).number, 0);

    // Not Reset changes nothing.
    client.Advance(1'000);
    ASSERT_TRUE(client.Set({TestBinding::Int(Ent("11.1.2.4.0"), 4)}));
    EXPECT_EQ(client.Value("1.3.6.1.2.1.1.3.0").number, 100);
}

TEST(AgentLive, TheSeedReplaysTheSameTraffic) {
    EngineClient a(SwitchSetup{0x336A, 42, 5000});
    EngineClient b(SwitchSetup{0x336A, 42, 5000});
    EngineClient c(SwitchSetup{0x336A, 43, 5000});
    // Asked at different moments, the same seed gives the same counters.
    a.Advance(7'000);
    a.Value(Counter(3, 1));
    a.Advance(93'000);
    b.Advance(100'000);
    c.Advance(100'000);
    EXPECT_EQ(a.Value(Counter(3, 1)).number, b.Value(Counter(3, 1)).number);
    EXPECT_EQ(a.Value(Counter(11, 4)).number, b.Value(Counter(11, 4)).number);
    EXPECT_NE(a.Value(Counter(3, 1)).number, c.Value(Counter(3, 1)).number);
}
