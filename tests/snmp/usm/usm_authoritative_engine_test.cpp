// The authoritative side of the user-based security model: discovery and every failed check
// answered with the report a requester expects, messages from requesters built with the
// published localised key accepted, responses our own requesting side accepts, and traps from a
// remote engine checked against users configured with its engine ID.

#include <gtest/gtest.h>

#include "snmp/CSnmpMsg.h"
#include "snmp/SnmpV3Image.h"
#include "snmp/UsmAuthoritativeEngine.h"
#include "snmp/UsmProtection.h"
#include "tests/snmp/usm/UsmTestAgent.h"

namespace {

using Verdict = UsmEngineIncoming::Verdict;

const std::vector<std::uint8_t> kGetPdu = FromHex("a00e0201070201000201003003300100");
// SNMPv2-Trap, request id 9, sysUpTime.0 = 5 and snmpTrapOID.0 = coldStart.
const std::vector<std::uint8_t> kTrapPdu =
    FromHex("a72d0201090201000201003022300d06082b0601020101030043010530110"
            "60a2b06010603010104010006032b0601");

// The report's counter: its OID and value.
std::pair<std::string, std::uint32_t> ReportedCounter(const std::vector<std::uint8_t>& report,
                                                      SnmpV3Message& header) {
    std::size_t offset = 0;
    header = DecodeV3Message(report.data(), report.size(), offset);
    const SnmpScopedPdu scoped = DecodeScopedPdu(header.data.data(), header.data.size());
    CSnmpMsg msg(nullptr, {}, {}, 0);
    SnmpSetPduImage(msg, scoped.pdu);
    msg.SnmpDecode();
    EXPECT_EQ(msg.m_wPduType & 0xFF, SNMP_PDU_REPORT);
    EXPECT_EQ(scoped.contextEngineId, kTestEngineId);
    if (msg.m_pPdu->m_varBindList.size() != 1) {
        return {};
    }
    const CSnmpVarBind* bind = msg.m_pPdu->m_varBindList.front();
    EXPECT_EQ(bind->m_byType, SNMP_TYPE_COUNTER);
    return {std::string(bind->m_strOid), bind->GetUInt32()};
}

class AuthoritativeEngine : public ::testing::Test {
protected:
    AuthoritativeEngine() : clock(10'000), engine(kTestEngineId, 4, 10'000 - 1000) {
        engine.AddUser(MapleUser(UsmSecurityLevel::AuthPriv));
    }
    UsmEngineIncoming Receive(const std::vector<std::uint8_t>& wire) {
        return engine.Receive(wire.data(), wire.size(), clock.get());
    }

    Clock::Manual clock;
    UsmAuthoritativeEngine engine; // boots 4, time 1000 now
};

TEST_F(AuthoritativeEngine, AnswersDiscoveryAndServesTheRequesterThatLearntFromIt) {
    UsmSession requester(MapleUser(UsmSecurityLevel::AuthPriv));
    const UsmEngineIncoming probe = Receive(requester.Protect(21, kGetPdu));
    ASSERT_EQ(probe.verdict, Verdict::Report);
    SnmpV3Message header;
    EXPECT_EQ(ReportedCounter(probe.report, header),
              std::make_pair(std::string("1.3.6.1.6.3.15.1.1.4.0"), 1u));
    EXPECT_EQ(header.msgId, 21);
    EXPECT_EQ(header.flags, 0); // clear, and no report about a report
    EXPECT_EQ(header.usm.engineId, kTestEngineId);
    EXPECT_EQ(header.usm.engineBoots, 4u);
    EXPECT_EQ(header.usm.engineTime, 1000u);

    ASSERT_EQ(requester.Open(probe.report.data(), probe.report.size()).failure, UsmFailure::None);
    clock.advance(3);
    const UsmEngineIncoming request = Receive(requester.Protect(22, kGetPdu));
    ASSERT_EQ(request.verdict, Verdict::Accept);
    EXPECT_TRUE(request.toThisEngine);
    EXPECT_EQ(request.userName, "ops");
    EXPECT_EQ(request.level, UsmSecurityLevel::AuthPriv);
    EXPECT_EQ(request.scoped.pdu, kGetPdu);
    EXPECT_EQ(engine.Stats().unknownEngineIds, 1u);

    const std::vector<std::uint8_t> response = FromHex("a20e0201160201000201003003300100");
    const std::vector<std::uint8_t> sealed = engine.ProtectResponse(request, response, clock.get());
    const UsmIncoming back = requester.Open(sealed.data(), sealed.size());
    EXPECT_EQ(back.failure, UsmFailure::None);
    EXPECT_EQ(back.msgId, 22);
    EXPECT_EQ(back.flags & (kV3FlagAuth | kV3FlagPriv), kV3FlagAuth | kV3FlagPriv);
    EXPECT_EQ(back.pdu, response);
}

TEST_F(AuthoritativeEngine, AcceptsMessagesMadeWithThePublishedKeyAtEachEdgeOfTheWindow) {
    for (const std::uint32_t time : {850u, 1000u, 1150u}) {
        const UsmEngineIncoming in =
            Receive(AgentMessage(kV3FlagAuth | kV3FlagPriv | kV3FlagReportable, kGetPdu, 4, time));
        EXPECT_EQ(in.verdict, Verdict::Accept) << time;
        EXPECT_EQ(in.scoped.pdu, kGetPdu) << time;
    }
}

TEST_F(AuthoritativeEngine, ReportsEachFailedCheckWithItsCounter) {
    const std::uint8_t authPriv = kV3FlagAuth | kV3FlagPriv | kV3FlagReportable;
    std::vector<std::uint8_t> tampered = AgentMessage(authPriv, kGetPdu, 4, 1000);
    tampered.back() ^= 0x01;
    struct Case {
        const char* what;
        std::vector<std::uint8_t> wire;
        const char* counter;
        bool authenticated;
    };
    const Case cases[] = {
        {"a changed ciphertext", tampered, "1.3.6.1.6.3.15.1.1.5.0", false},
        {"a lower level than the user's",
         AgentMessage(kV3FlagAuth | kV3FlagReportable, kGetPdu, 4, 1000), "1.3.6.1.6.3.15.1.1.1.0",
         false},
        {"a time 151 s ahead", AgentMessage(authPriv, kGetPdu, 4, 1151), "1.3.6.1.6.3.15.1.1.2.0",
         true},
        {"an earlier boot", AgentMessage(authPriv, kGetPdu, 3, 1000), "1.3.6.1.6.3.15.1.1.2.0",
         true},
    };
    for (const Case& c : cases) {
        const UsmEngineIncoming in = Receive(c.wire);
        ASSERT_EQ(in.verdict, Verdict::Report) << c.what;
        SnmpV3Message header;
        EXPECT_EQ(ReportedCounter(in.report, header).first, c.counter) << c.what;
        EXPECT_EQ(header.flags, c.authenticated ? kV3FlagAuth : 0) << c.what;
        EXPECT_EQ(header.usm.engineBoots, 4u) << c.what;
        EXPECT_EQ(header.usm.engineTime, 1000u) << c.what;
        if (c.authenticated) {
            // The requester can trust the clock it carries: the MAC is the user's.
            const UsmSecret key(kTestLocalKey.data(), kTestLocalKey.size());
            std::size_t offset = 0;
            DecodeV3Message(in.report.data(), in.report.size(), offset);
            EXPECT_TRUE(UsmMacMatches(UsmAuthProtocol::SHA1, key, in.report.data(),
                                      in.report.size(), offset, header.usm.authParams));
        }
    }
    const UsmEngineStats& stats = engine.Stats();
    EXPECT_EQ(stats.wrongDigests, 1u);
    EXPECT_EQ(stats.unsupportedSecLevels, 1u);
    EXPECT_EQ(stats.notInTimeWindows, 2u);
}

TEST_F(AuthoritativeEngine, CountsWithoutReportingWhatTheSenderDidNotAskToHearAbout) {
    std::vector<std::uint8_t> tampered = AgentMessage(kV3FlagAuth | kV3FlagPriv, kGetPdu, 4, 1000);
    tampered.back() ^= 0x80;
    const UsmEngineIncoming in = Receive(tampered);
    EXPECT_EQ(in.verdict, Verdict::Drop);
    EXPECT_EQ(in.failure, UsmFailure::AuthenticationFailure);
    EXPECT_TRUE(in.report.empty());
    EXPECT_EQ(engine.Stats().wrongDigests, 1u);

    const std::vector<std::uint8_t> garbage = {0x30, 0x03, 0x02, 0x01, 0x03};
    EXPECT_EQ(Receive(garbage).verdict, Verdict::Drop);
    EXPECT_EQ(engine.Stats().malformed, 1u);
}

TEST_F(AuthoritativeEngine, ReportsAnUnknownUserAndAWrongPrivacyKey) {
    UsmAuthoritativeEngine other(kTestEngineId, 4, 10'000 - 1000);
    UsmUser wrongPriv = MapleUser(UsmSecurityLevel::AuthPriv);
    wrongPriv.privPassword = UsmSecret("not-maplesyrup");
    other.AddUser(wrongPriv);
    const std::vector<std::uint8_t> wire =
        AgentMessage(kV3FlagAuth | kV3FlagPriv | kV3FlagReportable, kGetPdu, 4, 1000);
    const UsmEngineIncoming in = other.Receive(wire.data(), wire.size(), clock.get());
    ASSERT_EQ(in.verdict, Verdict::Report);
    SnmpV3Message header;
    EXPECT_EQ(ReportedCounter(in.report, header).first, "1.3.6.1.6.3.15.1.1.6.0");

    UsmAuthoritativeEngine empty(kTestEngineId, 4, 10'000 - 1000);
    empty.AddUser([] {
        UsmUser user = MapleUser(UsmSecurityLevel::AuthPriv);
        user.userName = "admin";
        return user;
    }());
    const UsmEngineIncoming unknown = empty.Receive(wire.data(), wire.size(), clock.get());
    ASSERT_EQ(unknown.verdict, Verdict::Report);
    EXPECT_EQ(ReportedCounter(unknown.report, header).first, "1.3.6.1.6.3.15.1.1.3.0");
    EXPECT_EQ(header.usm.userName, "ops");
}

TEST(AuthoritativeEngineTraps, ChecksTrapsOfARemoteEngineAgainstItsOwnClock) {
    Clock::Manual clock(50'000);
    UsmAuthoritativeEngine receiver(FromHex("8000000001020304"), 1, 50'000);
    UsmUser sender = MapleUser(UsmSecurityLevel::AuthPriv);
    sender.engineId = kTestEngineId; // the trap sender's engine
    receiver.AddUser(sender);

    const auto receive = [&](const std::vector<std::uint8_t>& wire) {
        return receiver.Receive(wire.data(), wire.size(), clock.get());
    };
    const UsmEngineIncoming trap =
        receive(AgentMessage(kV3FlagAuth | kV3FlagPriv, kTrapPdu, 7, 5000));
    ASSERT_EQ(trap.verdict, Verdict::Accept);
    EXPECT_FALSE(trap.toThisEngine);
    EXPECT_EQ(trap.engineId, kTestEngineId);
    EXPECT_EQ(trap.scoped.pdu, kTrapPdu);
    // The sender's clock moves on; a copy from more than 150 s before it is a replay.
    EXPECT_EQ(receive(AgentMessage(kV3FlagAuth | kV3FlagPriv, kTrapPdu, 7, 5200)).verdict,
              Verdict::Accept);
    const UsmEngineIncoming replay =
        receive(AgentMessage(kV3FlagAuth | kV3FlagPriv, kTrapPdu, 7, 5000));
    EXPECT_EQ(replay.verdict, Verdict::Drop);
    EXPECT_EQ(replay.failure, UsmFailure::NotInTimeWindow);
    // A request is never taken on another engine's authority.
    EXPECT_EQ(receive(AgentMessage(kV3FlagAuth | kV3FlagPriv, kGetPdu, 7, 5200)).verdict,
              Verdict::Drop);

    UsmAuthoritativeEngine stranger(FromHex("8000000001020304"), 1, 50'000);
    stranger.AddUser(MapleUser(UsmSecurityLevel::AuthPriv)); // a user of its own engine only
    const std::vector<std::uint8_t> wire =
        AgentMessage(kV3FlagAuth | kV3FlagPriv, kTrapPdu, 7, 5000);
    const UsmEngineIncoming unknown = stranger.Receive(wire.data(), wire.size(), clock.get());
    EXPECT_EQ(unknown.verdict, Verdict::Drop);
    EXPECT_EQ(unknown.failure, UsmFailure::UnknownEngineId);
    EXPECT_EQ(stranger.Stats().unknownEngineIds, 1u);
}

TEST(AuthoritativeEngineTraps, ANotificationItSealsIsAcceptedByAReceiverThatKnowsItsEngine) {
    Clock::Manual clock(70'000);
    UsmAuthoritativeEngine agent(kTestEngineId, 2, 69'000);
    agent.AddUser(MapleUser(UsmSecurityLevel::AuthPriv));
    UsmAuthoritativeEngine receiver(FromHex("80001f8880aabbccdd"), 9, 1);
    UsmUser user = MapleUser(UsmSecurityLevel::AuthPriv);
    user.engineId = kTestEngineId;
    receiver.AddUser(user);

    const std::vector<std::uint8_t> wire =
        agent.ProtectNotification("ops", 5, kTrapPdu, clock.get());
    const UsmEngineIncoming in = receiver.Receive(wire.data(), wire.size(), clock.get());
    ASSERT_EQ(in.verdict, Verdict::Accept);
    EXPECT_EQ(in.scoped.pdu, kTrapPdu);
    EXPECT_EQ(in.scoped.contextEngineId, kTestEngineId);
    EXPECT_EQ(in.flags & kV3FlagReportable, 0); // a trap asks for no report
    EXPECT_TRUE(agent.ProtectNotification("nobody", 6, kTrapPdu, clock.get()).empty());
}

TEST(AuthoritativeEngineIds, AreMadeInTheEnterpriseAndOctetsForm) {
    EXPECT_EQ(ToHex(UsmAuthoritativeEngine::MakeEngineId(88888, FromHex("0102030405060708"))),
              "80015b38050102030405060708");
}

} // namespace
