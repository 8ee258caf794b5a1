// Writing the switch's MIB: values that read back, all-or-nothing requests, the error statuses
// of RFC 1157, port and interface settings, and trap receiver rows.

#include <gtest/gtest.h>

#include "snmp/NmOidTable.h"
#include "tests/agent/AgentTestClient.h"

namespace {

const std::string kContact = "1.3.6.1.2.1.1.4.0";
const std::string kName = "1.3.6.1.2.1.1.5.0";
const std::string kLocation = "1.3.6.1.2.1.1.6.0";
const std::string kRs232 = Ent("11.1.2.5.0");
const std::string kAging = "1.3.6.1.2.1.17.4.2.0";
const std::string kAuthTrap = "1.3.6.1.2.1.11.30.0";

std::string PortCol(const std::string& entry, int column, int port) {
    return Ent(entry + "." + std::to_string(column) + ".1." + std::to_string(port));
}
std::string Speed(int port) {
    return PortCol("11.9.1.2.2.1", 10, port);
}
std::string AutoNeg(int port) {
    return PortCol("11.9.1.2.2.1", 9, port);
}
std::string InfoSpeed(int port) {
    return PortCol("11.9.1.2.1.1", 8, port);
}

std::string Receiver(int column, const std::string& ip) {
    return Ent("11.1.3.10.1." + std::to_string(column) + "." + ip);
}

void ExpectError(const std::optional<TestReply>& reply, std::uint32_t status, std::uint32_t index) {
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, status);
    EXPECT_EQ(reply->index, index);
}

} // namespace

TEST(AgentSet, SystemTextsReadBackAndTheAnswerEchoesTheRequest) {
    EngineClient client;
    const auto reply =
        client.Set({TestBinding::Str(kContact, "ops@example.net"),
                    TestBinding::Str(kName, "core-1"), TestBinding::Str(kLocation, "")});
    ExpectError(reply, 0, 0);
    ASSERT_EQ(reply->binds.size(), 3u);
    EXPECT_EQ(reply->binds[1].bytes, "core-1");
    EXPECT_EQ(client.Value(kContact).bytes, "ops@example.net");
    EXPECT_EQ(client.Value(kName).bytes, "core-1");
    EXPECT_EQ(client.Value(kLocation).bytes, "");
    ExpectError(client.Set({TestBinding::Str(kName, std::string(256, 'n'))}), 3, 1);
}

TEST(AgentSet, OneRefusedBindingLeavesEverythingUnchanged) {
    EngineClient client;
    const std::string before = client.Value(kContact).bytes;
    ExpectError(client.Set({TestBinding::Str(kContact, "changed"), TestBinding::Int(kAging, 600),
                            TestBinding::Int(kRs232, 9)}),
                3, 3);
    EXPECT_EQ(client.Value(kContact).bytes, before);
    EXPECT_EQ(client.Value(kAging).number, 300);
}

TEST(AgentSet, ValuesOutsideTypeEnumerationOrRangeAreBadValue) {
    EngineClient client;
    ExpectError(client.Set({TestBinding::Int(kContact, 5)}), 3, 1);          // wrong type
    ExpectError(client.Set({TestBinding::Str(kRs232, "3")}), 3, 1);          // wrong type
    ExpectError(client.Set({TestBinding::Int(kAuthTrap, 3)}), 3, 1);         // 1 or 2 only
    ExpectError(client.Set({TestBinding::Int(Ent("11.1.2.6.0"), 6)}), 3, 1); // baud 2..5
    ExpectError(client.Set({TestBinding::Int(kAging, 9)}), 3, 1);
    ExpectError(client.Set({TestBinding::Int(kAging, 1000001)}), 3, 1);
    ExpectError(client.Set({TestBinding::Int(Ent("11.1.2.4.0"), 1)}), 3, 1); // save/reset

    ExpectError(
        client.Set({TestBinding::Int(kAging, 10), TestBinding::Int(kAuthTrap, 1),
                    TestBinding::Int(kRs232, 3), TestBinding::Int(Ent("11.9.1.1.2.1.0"), 2)}),
        0, 0);
    EXPECT_EQ(client.Value(kAging).number, 10);
    EXPECT_EQ(client.Value(kAuthTrap).number, 1);
    EXPECT_EQ(client.Value(kRs232).number, 3);
    EXPECT_EQ(client.Value(Ent("11.9.1.1.2.1.0")).number, 2);
}

TEST(AgentSet, ReadOnlyAndUnknownObjectsAreNoSuchName) {
    EngineClient client;
    ExpectError(
        client.Set({TestBinding::Str(kContact, "a"), TestBinding::Str("1.3.6.1.2.1.1.1.0", "x")}),
        2, 2);
    ExpectError(client.Set({TestBinding::Int(Ent("11.9.1.1.1.1.0"), 4)}), 2, 1);
    ExpectError(client.Set({TestBinding::Int(PortCol("11.9.1.2.1.1", 5, 1), 2)}), 2, 1);
    ExpectError(client.Set({TestBinding::Int(Ent("11.1.2.77.0"), 2)}), 2, 1);
    ExpectError(client.Set({TestBinding::Int(Speed(29), 2)}), 2, 1);
    ExpectError(client.Set({TestBinding::Str("1.3.6.1.2.1.1.4", "no instance")}), 2, 1);
    EXPECT_NE(client.Value(kContact).bytes, "a");
}

TEST(AgentSet, PortSpeedFollowsWhatThePortSupports) {
    EngineClient client;
    // Port 1 sits on a 12-port copper module: 10 or 100 Mbps.
    ExpectError(client.Set({TestBinding::Int(Speed(1), 2)}), 0, 0);
    EXPECT_EQ(client.Value(Speed(1)).number, 2);
    EXPECT_EQ(client.Value(InfoSpeed(1)).number, 3); // still negotiating 100 Mbps
    ExpectError(client.Set({TestBinding::Int(AutoNeg(1), 2)}), 0, 0);
    EXPECT_EQ(client.Value(InfoSpeed(1)).number, 2);
    EXPECT_EQ(client.Value(PortCol("11.9.1.2.1.1", 7, 1)).number, 2);
    ExpectError(client.Set({TestBinding::Int(Speed(1), 4)}), 3, 1);
    // Ports 27 and 28 sit on the small type-10 module: gigabit only.
    ExpectError(client.Set({TestBinding::Int(Speed(27), 3)}), 3, 1);
    ExpectError(client.Set({TestBinding::Int(Speed(27), 4)}), 0, 0);

    for (int column : {3, 4, 5}) { // lock, duplex, link alarm
        ExpectError(client.Set({TestBinding::Int(PortCol("11.9.1.2.2.1", column, 5), 3)}), 0, 0);
        EXPECT_EQ(client.Value(PortCol("11.9.1.2.2.1", column, 5)).number, 3);
        ExpectError(client.Set({TestBinding::Int(PortCol("11.9.1.2.2.1", column, 5), 1)}), 3, 1);
    }
}

TEST(AgentSet, IpInterfaceSettingsReadBack) {
    EngineClient client;
    const std::string entry = "11.1.3.2.1.";
    ExpectError(client.Set({TestBinding::Ip(Ent(entry + "2.1"), 192, 168, 7, 2),
                            TestBinding::Ip(Ent(entry + "3.1"), 255, 255, 252, 0),
                            TestBinding::Ip(Ent(entry + "4.1"), 192, 168, 4, 1)}),
                0, 0);
    EXPECT_EQ(client.Value(Ent(entry + "2.1")).bytes, std::string("\xC0\xA8\x07\x02", 4));
    EXPECT_EQ(client.Value(Ent(entry + "3.1")).bytes, std::string("\xFF\xFF\xFC\x00", 4));
    EXPECT_EQ(client.Value(Ent(entry + "4.1")).bytes, std::string("\xC0\xA8\x04\x01", 4));

    ExpectError(client.Set({TestBinding::Ip(Ent(entry + "3.1"), 255, 0, 255, 0)}), 3, 1);
    TestBinding shortAddress = TestBinding::Ip(Ent(entry + "2.1"), 1, 2, 3, 4);
    shortAddress.bytes.resize(3);
    ExpectError(client.Set({shortAddress}), 3, 1);
    ExpectError(client.Set({TestBinding::Str(Ent(entry + "5.1"), "abcdef")}), 2, 1);
    ExpectError(client.Set({TestBinding::Ip(Ent(entry + "2.3"), 1, 2, 3, 4)}), 2, 1);
}

TEST(AgentSet, TrapReceiversAreCreatedAndRemovedThroughTheirStatus) {
    EngineClient client;
    // The community may come before the status that creates the row.
    ExpectError(client.Set({TestBinding::Str(Receiver(2, "127.0.0.9"), "traps"),
                            TestBinding::Int(Receiver(3, "127.0.0.9"), 3)}),
                0, 0);
    EXPECT_EQ(client.Value(Receiver(2, "127.0.0.9")).bytes, "traps");
    EXPECT_EQ(client.Value(Receiver(1, "127.0.0.9")).bytes, std::string("\x7F\x00\x00\x09", 4));
    EXPECT_EQ(client.Value(Receiver(3, "127.0.0.9")).number, 3);
    // Rows are ordered by address: 127.0.0.9 comes before the factory row 192.0.2.10.
    const auto next = client.GetNext({Ent("11.1.3.10.1.1")});
    ASSERT_TRUE(next);
    EXPECT_EQ(next->binds[0].oid, Receiver(1, "127.0.0.9"));

    ExpectError(client.Set({TestBinding::Int(Receiver(3, "127.0.0.9"), 2)}), 0, 0);
    ExpectError(client.Get({Receiver(2, "127.0.0.9")}), 2, 1);
    // Nothing to remove, and no community without a row.
    ExpectError(client.Set({TestBinding::Int(Receiver(3, "127.0.0.9"), 2)}), 2, 1);
    ExpectError(client.Set({TestBinding::Str(Receiver(2, "10.9.9.9"), "x")}), 2, 1);
    ExpectError(client.Set({TestBinding::Int(Receiver(3, "10.9.9.999"), 3)}), 2, 1);
    ExpectError(client.Set({TestBinding::Int(Receiver(3, "10.9.9.9"), 4)}), 3, 1);
}

TEST(AgentSet, TheTrapReceiverTableHoldsEightRows) {
    EngineClient client; // starts with one receiver
    for (int i = 1; i <= 7; ++i) {
        ExpectError(client.Set({TestBinding::Int(Receiver(3, "10.0.0." + std::to_string(i)), 3)}),
                    0, 0);
    }
    ExpectError(client.Set({TestBinding::Int(Receiver(3, "10.0.0.8"), 3)}), 5, 1);
    ExpectError(client.Get({Receiver(1, "10.0.0.8")}), 2, 1);
}
