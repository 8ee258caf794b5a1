// The traps the simulated switch sends, read back with the engine's notification decoder:
// coldStart at start and after a cold start, warmStart after a warm one, linkDown and linkUp of
// a flapping port with its ifIndex at the second they happen, authenticationFailure only while
// the switch is told to send it, and every receiver row with its own community.

#include <gtest/gtest.h>

#include <algorithm>

#include "snmp/SnmpNotificationCodec.h"
#include "snmp/SnmpTypes.h"
#include "tests/agent/AgentTestClient.h"

namespace {

const std::string kAuthTrap = "1.3.6.1.2.1.11.30.0";
const std::string kReset = Ent("11.1.2.4.0");
const std::array<std::uint8_t, 4> kLoopback = {127, 0, 0, 1};

struct Received {
    std::string address;
    SnmpNotification trap;
};

// The traps of everything that happened up to the client's present.
std::vector<Received> Traps(EngineClient& client) {
    client.engine.Tick(client.now);
    std::vector<Received> received;
    for (const TrapDatagram& d : client.engine.TakeTraps(kLoopback)) {
        SnmpNotification n;
        EXPECT_EQ(SnmpDecodeCommunityNotification(d.bytes.data(), d.bytes.size(), n),
                  SnmpNotificationDecode::Ok);
        received.push_back({d.address, n});
    }
    return received;
}

// The generic-trap numbers of the traps that went to `address`, ignoring the links of the
// simulation's loose cables (ports other than `port`).
std::vector<std::int32_t> GenericTo(const std::vector<Received>& traps, const std::string& address,
                                    std::size_t port = 5) {
    std::vector<std::int32_t> generic;
    for (const Received& r : traps) {
        const bool link =
            r.trap.genericTrap == SNMP_TRAP_LINK_DOWN || r.trap.genericTrap == SNMP_TRAP_LINK_UP;
        if (r.address == address &&
            (!link || r.trap.bindings.at(0).oid == "1.3.6.1.2.1.2.2.1.1." + std::to_string(port))) {
            generic.push_back(r.trap.genericTrap);
        }
    }
    return generic;
}

TEST(SwitchTraps, AnnounceTheStartAsAV1SwitchToEveryReceiverWithItsCommunity) {
    EngineClient client;
    ASSERT_TRUE(client.engine.Switch().AddTrapReceiver(IpKey({127, 0, 0, 1}), "watch"));
    const std::vector<Received> traps = Traps(client);
    ASSERT_EQ(traps.size(), 2u); // the factory row 192.0.2.10 and ours
    for (const Received& r : traps) {
        EXPECT_EQ(r.trap.version, SNMP_VERSION_1);
        EXPECT_EQ(r.trap.pduType, SNMP_PDU_TRAP);
        EXPECT_EQ(r.trap.enterprise, "1.3.6.1.4.1.88888.1.1"); // sysObjectID
        EXPECT_EQ(r.trap.agentAddress, kLoopback);
        EXPECT_EQ(r.trap.genericTrap, SNMP_TRAP_COLD_START);
        EXPECT_EQ(r.trap.uptime, 0u);
        EXPECT_TRUE(r.trap.bindings.empty());
    }
    EXPECT_EQ(traps[0].address, "127.0.0.1");
    EXPECT_EQ(traps[0].trap.community, "watch");
    EXPECT_EQ(traps[1].address, "192.0.2.10");
    EXPECT_EQ(traps[1].trap.community, "public");

    // A row removed by the operator hears nothing more; one added by a set does.
    client.Set({TestBinding::Int(Ent("11.1.3.10.1.3.192.0.2.10"), 2),
                TestBinding::Int(Ent("11.1.3.10.1.3.198.51.100.4"), 3)});
    client.engine.Switch().NoteAuthenticationFailure(client.now);
    const std::vector<Received> later = Traps(client);
    EXPECT_TRUE(GenericTo(later, "192.0.2.10").empty());
    EXPECT_EQ(GenericTo(later, "198.51.100.4"), std::vector<std::int32_t>{4});
}

TEST(SwitchTraps, AFlappingPortGoesDownAndUpWithItsIfIndexAtTheSecond) {
    EngineClient client;
    Traps(client);
    client.engine.Switch().SetLinkFlap(5, 3);
    client.Advance(2999);
    EXPECT_TRUE(GenericTo(Traps(client), "192.0.2.10").empty());
    client.Advance(1);
    const std::vector<Received> down = Traps(client);
    ASSERT_EQ(GenericTo(down, "192.0.2.10"), std::vector<std::int32_t>{SNMP_TRAP_LINK_DOWN});
    const auto linkDown = std::find_if(down.begin(), down.end(), [](const Received& r) {
        return r.trap.genericTrap == SNMP_TRAP_LINK_DOWN &&
               r.trap.bindings[0].oid == "1.3.6.1.2.1.2.2.1.1.5";
    });
    ASSERT_NE(linkDown, down.end());
    EXPECT_EQ(linkDown->trap.bindings[0].Signed(), 5);
    EXPECT_EQ(linkDown->trap.uptime, 300u);
    EXPECT_EQ(client.Value(Ent("11.9.1.2.1.1.5.1.5")).number, 3); // Link Fail
    client.Advance(1000);
    EXPECT_EQ(GenericTo(Traps(client), "192.0.2.10"), std::vector<std::int32_t>{SNMP_TRAP_LINK_UP});
    client.Advance(2000); // the next period
    EXPECT_EQ(GenericTo(Traps(client), "192.0.2.10"),
              std::vector<std::int32_t>{SNMP_TRAP_LINK_DOWN});
    // Flapping stops: the port's cable is back, for good.
    client.engine.Switch().SetLinkFlap(0, 0);
    EXPECT_EQ(GenericTo(Traps(client), "192.0.2.10"), std::vector<std::int32_t>{SNMP_TRAP_LINK_UP});
    client.Advance(10000);
    EXPECT_TRUE(GenericTo(Traps(client), "192.0.2.10").empty());
}

TEST(SwitchTraps, AWrongCommunityIsReportedOnlyWhileTheAuthenticationTrapIsEnabled) {
    EngineClient client;
    Traps(client);
    EXPECT_FALSE(client.Send(SNMP_PDU_GET, "guess", {TestBinding::Null("1.3.6.1.2.1.1.5.0")}));
    EXPECT_TRUE(GenericTo(Traps(client), "192.0.2.10").empty()); // Disable, the default

    ASSERT_TRUE(client.Set({TestBinding::Int(kAuthTrap, 1)}));
    client.Advance(1500);
    EXPECT_FALSE(client.Send(SNMP_PDU_GET, "guess", {TestBinding::Null("1.3.6.1.2.1.1.5.0")}));
    // A set with the read community is refused the same way.
    EXPECT_FALSE(client.Send(SNMP_PDU_SET, "tessla", {TestBinding::Int(kAuthTrap, 2)}));
    const std::vector<Received> traps = Traps(client);
    EXPECT_EQ(GenericTo(traps, "192.0.2.10"),
              (std::vector<std::int32_t>{SNMP_TRAP_AUTHENTICATION_FAILURE,
                                         SNMP_TRAP_AUTHENTICATION_FAILURE}));
    EXPECT_EQ(traps.front().trap.uptime, 150u);

    ASSERT_TRUE(client.Set({TestBinding::Int(kAuthTrap, 2)}));
    EXPECT_FALSE(client.Send(SNMP_PDU_GET, "guess", {TestBinding::Null("1.3.6.1.2.1.1.5.0")}));
    EXPECT_TRUE(GenericTo(Traps(client), "192.0.2.10").empty());
}

TEST(SwitchTraps, AResetIsAnnouncedWhenTheSwitchIsBackAndKeepsSavedReceivers) {
    EngineClient client(SwitchSetup{0x336A, 1, 4000});
    ASSERT_TRUE(client.engine.Switch().AddTrapReceiver(IpKey({127, 0, 0, 1}), "watch"));
    Traps(client);
    client.Advance(60'000);
    EXPECT_FALSE(client.Set({TestBinding::Int(kReset, 2)})); // no answer: it goes down
    client.Advance(3999);
    EXPECT_TRUE(GenericTo(Traps(client), "127.0.0.1").empty()); // still silent
    client.Advance(1);
    const std::vector<Received> back = Traps(client);
    EXPECT_EQ(GenericTo(back, "127.0.0.1"), std::vector<std::int32_t>{SNMP_TRAP_COLD_START});
    EXPECT_EQ(back.front().trap.uptime, 0u);

    client.Advance(5000);
    ASSERT_TRUE(client.Set({TestBinding::Int(kReset, 3)}));
    EXPECT_EQ(GenericTo(Traps(client), "127.0.0.1"),
              std::vector<std::int32_t>{SNMP_TRAP_WARM_START});
}

} // namespace
