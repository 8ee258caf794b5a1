// The requesting side of the user-based security model, against an agent side built in the test
// from the published localised keys: discovery, protection that such an agent accepts, replies
// checked for MAC, level and time window, and what each report makes of the request.

#include <gtest/gtest.h>

#include "snmp/UsmSession.h"
#include "tests/snmp/usm/UsmTestAgent.h"

namespace {

const std::vector<std::uint8_t> kEngineId = kTestEngineId;
const std::vector<std::uint8_t> kPdu = FromHex("a00e02010702010002010030033001"
                                               "00");
const std::vector<std::uint8_t> kReport = UsmStatsReport(7, 4);

UsmSession DiscoveredSession(UsmSecurityLevel level, Clock::Seconds now) {
    UsmSession session(MapleUser(level));
    const std::vector<std::uint8_t> report = AgentMessage(0, kReport, 4, 1000);
    const UsmIncoming incoming = session.Open(report.data(), report.size());
    EXPECT_EQ(incoming.failure, UsmFailure::None);
    (void)now;
    return session;
}

TEST(UsmSessionDiscovery, ProbesWithAnEmptyClearRequestAndLearnsEngineAndClock) {
    Clock::Manual clock(500);
    UsmSession session(MapleUser(UsmSecurityLevel::AuthPriv));
    ASSERT_TRUE(session.NeedsDiscovery());
    const std::vector<std::uint8_t> probe = session.Protect(7, kPdu);
    std::size_t offset = 0;
    const SnmpV3Message msg = DecodeV3Message(probe.data(), probe.size(), offset);
    EXPECT_EQ(msg.flags, kV3FlagReportable);
    EXPECT_TRUE(msg.usm.engineId.empty());
    EXPECT_TRUE(msg.usm.userName.empty());
    EXPECT_EQ(ToHex(DecodeScopedPdu(msg.data.data(), msg.data.size()).pdu),
              "a00b0201070201000201003000"); // no bindings: nothing for the agent to act on

    const std::vector<std::uint8_t> report = AgentMessage(0, kReport, 4, 1000);
    const UsmIncoming incoming = session.Open(report.data(), report.size());
    EXPECT_EQ(incoming.failure, UsmFailure::None);
    EXPECT_EQ(incoming.msgId, 7);
    EXPECT_EQ(incoming.pdu, kReport);
    EXPECT_FALSE(session.NeedsDiscovery());

    clock.advance(20);
    const std::vector<std::uint8_t> request = session.Protect(8, kPdu);
    const SnmpV3Message sent = DecodeV3Message(request.data(), request.size(), offset);
    EXPECT_EQ(sent.usm.engineId, kEngineId);
    EXPECT_EQ(sent.usm.engineBoots, 4u);
    EXPECT_EQ(sent.usm.engineTime, 1020u);
}

TEST(UsmSessionProtect, AnAgentWithTheLocalisedKeyVerifiesAndDecrypts) {
    Clock::Manual clock(500);
    UsmSession session = DiscoveredSession(UsmSecurityLevel::AuthPriv, 500);
    std::vector<std::uint8_t> wire = session.Protect(9, kPdu);
    std::size_t authOffset = 0;
    const SnmpV3Message msg = DecodeV3Message(wire.data(), wire.size(), authOffset);
    EXPECT_EQ(msg.flags, kV3FlagAuth | kV3FlagPriv | kV3FlagReportable);
    EXPECT_EQ(msg.usm.userName, "ops");

    const UsmSecret key(kTestLocalKey.data(), kTestLocalKey.size());
    std::vector<std::uint8_t> zeroed = wire;
    std::fill_n(zeroed.begin() + static_cast<std::ptrdiff_t>(authOffset), 12, 0);
    EXPECT_EQ(UsmComputeMac(UsmAuthProtocol::SHA1, key, zeroed.data(), zeroed.size()),
              msg.usm.authParams);
    std::vector<std::uint8_t> clear;
    ASSERT_TRUE(UsmAesCfb(
        false, key,
        UsmAesIv(msg.usm.engineBoots, msg.usm.engineTime, msg.usm.privParams.data()).data(),
        msg.data.data(), msg.data.size(), clear));
    EXPECT_EQ(DecodeScopedPdu(clear.data(), clear.size()).pdu, kPdu);

    // Every message gets a fresh salt: the same PDU never repeats its ciphertext.
    const std::vector<std::uint8_t> again = session.Protect(9, kPdu);
    EXPECT_NE(DecodeV3Message(again.data(), again.size(), authOffset).usm.privParams,
              msg.usm.privParams);
}

TEST(UsmSessionOpen, AcceptsOnlyGenuineRepliesAtTheRequestedLevel) {
    Clock::Manual clock(500);
    UsmSession session = DiscoveredSession(UsmSecurityLevel::AuthPriv, 500);
    const std::vector<std::uint8_t> response = FromHex("a20e020109020100020100300330010"
                                                       "0");
    const std::vector<std::uint8_t> good =
        AgentMessage(kV3FlagAuth | kV3FlagPriv, response, 4, 1000);
    const UsmIncoming ok = session.Open(good.data(), good.size());
    EXPECT_EQ(ok.failure, UsmFailure::None);
    EXPECT_EQ(ok.pdu, response);

    std::vector<std::uint8_t> forged = good;
    forged.back() ^= 1;
    EXPECT_EQ(session.Open(forged.data(), forged.size()).failure,
              UsmFailure::AuthenticationFailure);

    // A clear response to an encrypted request could come from anyone on the path.
    const std::vector<std::uint8_t> clear = AgentMessage(kV3FlagAuth, response, 4, 1000);
    EXPECT_EQ(session.Open(clear.data(), clear.size()).failure, UsmFailure::Malformed);
    const std::vector<std::uint8_t> garbage = FromHex("3003020103");
    EXPECT_EQ(session.Open(garbage.data(), garbage.size()).failure, UsmFailure::Malformed);
}

TEST(UsmSessionOpen, StaleRepliesAreOutsideTheWindowButAnAuthenticatedReportResynchronises) {
    Clock::Manual clock(500);
    UsmSession session = DiscoveredSession(UsmSecurityLevel::AuthNoPriv, 500);
    const std::vector<std::uint8_t> response = FromHex("a20e020109020100020100300330010"
                                                       "0");
    const std::vector<std::uint8_t> fresh = AgentMessage(kV3FlagAuth, response, 4, 1000);
    EXPECT_EQ(session.Open(fresh.data(), fresh.size()).failure, UsmFailure::None);
    clock.advance(400);
    const std::vector<std::uint8_t> replay = AgentMessage(kV3FlagAuth, response, 4, 1000);
    EXPECT_EQ(session.Open(replay.data(), replay.size()).failure, UsmFailure::NotInTimeWindow);

    // The agent rebooted and says so in an authenticated report: we follow its clock.
    const std::vector<std::uint8_t> report = AgentMessage(kV3FlagAuth, kReport, 4, 100);
    EXPECT_EQ(session.Open(report.data(), report.size()).failure, UsmFailure::None);
    std::size_t offset = 0;
    const std::vector<std::uint8_t> next = session.Protect(10, kPdu);
    EXPECT_EQ(DecodeV3Message(next.data(), next.size(), offset).usm.engineTime, 100u);
}

TEST(UsmSessionOpen, OnlyAClearReportMayComeFromAnotherEngine) {
    UsmUser user = MapleUser(UsmSecurityLevel::AuthNoPriv);
    user.engineId = FromHex("0000000000000000000000ff"); // the operator's mistake
    UsmSession session(user);
    const std::vector<std::uint8_t> report = AgentMessage(0, kReport, 4, 1000);
    const UsmIncoming incoming = session.Open(report.data(), report.size());
    EXPECT_EQ(incoming.failure, UsmFailure::None);
    EXPECT_EQ(incoming.pdu, kReport);
    const std::vector<std::uint8_t> response = FromHex("a20b0201070201000201003000");
    const std::vector<std::uint8_t> clear = AgentMessage(0, response, 4, 1000);
    EXPECT_EQ(session.Open(clear.data(), clear.size()).failure, UsmFailure::Malformed);
    // The engine ID stays the one given: a clear report teaches nothing.
    std::size_t offset = 0;
    const std::vector<std::uint8_t> next = session.Protect(8, kPdu);
    EXPECT_EQ(DecodeV3Message(next.data(), next.size(), offset).usm.engineId, user.engineId);
}

TEST(UsmSessionReports, EachCounterEndsOrRepeatsTheRequest) {
    UsmSession session(MapleUser(UsmSecurityLevel::AuthNoPriv));
    const auto outcome = [&](const std::string& oid, int resends) {
        UsmFailure failure = UsmFailure::None;
        const UsmReportAction action = session.OnReport(oid, resends, failure);
        return std::make_pair(action, std::string(UsmFailureText(failure)));
    };
    EXPECT_EQ(outcome("1.3.6.1.6.3.15.1.1.4.0", 0).first, UsmReportAction::Resend);
    EXPECT_EQ(outcome("1.3.6.1.6.3.15.1.1.2.0", 1).first, UsmReportAction::Resend);
    EXPECT_EQ(outcome("1.3.6.1.6.3.15.1.1.2.0", UsmSession::kMaxResends),
              std::make_pair(UsmReportAction::Fail, std::string("Not in time window")));
    EXPECT_EQ(outcome("1.3.6.1.6.3.15.1.1.3.0", 0).second, "Unknown user name");
    EXPECT_EQ(outcome("1.3.6.1.6.3.15.1.1.5.0", 0).second,
              "Authentication failure (incorrect password, community or key)");
    EXPECT_EQ(outcome("1.3.6.1.6.3.15.1.1.1.0", 0).second, "Unsupported security level");
    EXPECT_EQ(outcome("1.3.6.1.6.3.15.1.1.6.0", 0).second, "Decryption error");
    EXPECT_EQ(outcome("1.3.6.1.6.3.11.2.1.3.0", 0).second, "Unknown Report message");
    EXPECT_EQ(outcome("1.3.6.1.6.3.15.1.1.50.0", 0).second, "Unknown Report message");
}

TEST(UsmSessionKeys, AnEmptyPasswordSendsNothingInsteadOfAnUnkeyedMessage) {
    UsmUser user = MapleUser(UsmSecurityLevel::AuthNoPriv);
    user.authPassword = UsmSecret();
    user.engineId = kEngineId;
    UsmSession session(user);
    EXPECT_TRUE(session.Protect(1, kPdu).empty());
}

} // namespace
