// SNMPv3 requests through the engine's socket, against an in-test agent that answers with the
// published example key: reports that never stop end the request, forged or downgraded replies
// are dropped while the request waits for the genuine one.
#include <gtest/gtest.h>

#include <QUdpSocket>

#include "platform/core/Clock.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/Recorder.h"
#include "tests/snmp/transport/TestPeer.h"
#include "tests/snmp/usm/UsmTestAgent.h"

namespace {

const std::vector<std::uint8_t> kResponseTail = FromHex("020100020100"
                                                        "3000");

class UsmTransportTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        SnmpInit(nullptr);
        agent.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&agent, &QUdpSocket::readyRead, [this] {
            while (agent.hasPendingDatagrams()) {
                std::vector<std::uint8_t> bytes(
                    static_cast<std::size_t>(agent.pendingDatagramSize()));
                agent.readDatagram(reinterpret_cast<char*>(bytes.data()),
                                   static_cast<qint64>(bytes.size()));
                std::size_t offset = 0;
                const SnmpV3Message msg = DecodeV3Message(bytes.data(), bytes.size(), offset);
                received.push_back(msg);
                for (const std::vector<std::uint8_t>& reply : answer(msg)) {
                    agent.writeDatagram(reinterpret_cast<const char*>(reply.data()),
                                        static_cast<qint64>(reply.size()), QHostAddress::LocalHost,
                                        GetSnmpSocket()->GetLocalPort());
                }
            }
        });
    }
    void TearDown() override { SnmpDone(); }

    void SendGet(UsmSecurityLevel level) {
        UsmUser user = MapleUser(level);
        user.engineId = kTestEngineId;
        auto* msg = new CSnmpMsg(&recorder, "127.0.0.1:" + std::to_string(agent.localPort()), "",
                                 SNMP_PDU_GET);
        msg->m_pPdu->AddOid("1.3.6.1.2.1.1.5.0");
        msg->m_pUsm = std::make_shared<UsmSession>(user);
        msg->SetSnmpCallback(Recorder::Callback());
        SendSnmpMsg(msg);
    }
    // A response PDU with no bindings for the request id of `msg` (a one-octet id).
    static std::vector<std::uint8_t> ResponseTo(const SnmpV3Message& msg) {
        std::vector<std::uint8_t> pdu = FromHex("a20b020100");
        pdu[4] = static_cast<std::uint8_t>(msg.msgId);
        pdu.insert(pdu.end(), kResponseTail.begin(), kResponseTail.end());
        return pdu;
    }

    Clock::Manual clock{5000};
    QUdpSocket agent;
    std::vector<SnmpV3Message> received;
    std::function<std::vector<std::vector<std::uint8_t>>(const SnmpV3Message&)> answer;
    Recorder recorder;
};

TEST_F(UsmTransportTest, AnAgentThatKeepsRefusingTheClockEndsTheRequestWithItsReport) {
    CSnmpMsg::m_sdwReqid = 10;
    answer = [](const SnmpV3Message& msg) {
        return std::vector<std::vector<std::uint8_t>>{
            AgentMessage(kV3FlagAuth, UsmStatsReport(0, 2), 4, 1000, msg.msgId)};
    };
    SendGet(UsmSecurityLevel::AuthNoPriv);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !recorder.calls.empty(); }));
    EXPECT_EQ(recorder.calls[0].code, SNMP_ERR_SECURITY);
    EXPECT_EQ(recorder.calls[0].msg->m_exception.m_strMessage, "Not in time window");
    EXPECT_EQ(received.size(), 1u + UsmSession::kMaxResends);
    // From the first report on, every resend carries the agent's clock.
    EXPECT_EQ(received.back().usm.engineTime, 1000u);
    EXPECT_TRUE(GetSnmpSocket()->m_msgList.empty());
}

TEST_F(UsmTransportTest, ForgedAndDowngradedRepliesAreDroppedAndTheGenuineOneDelivered) {
    CSnmpMsg::m_sdwReqid = 20;
    answer = [](const SnmpV3Message& msg) {
        const std::vector<std::uint8_t> pdu = ResponseTo(msg);
        // A genError made with the agent's key but for one bit of its MAC: only the MAC check
        // can tell it from the genuine reply.
        std::vector<std::uint8_t> genError = pdu;
        genError[7] = 5;
        std::vector<std::uint8_t> forged =
            AgentMessage(kV3FlagAuth | kV3FlagPriv, genError, 4, 1000, msg.msgId);
        std::size_t authOffset = 0;
        DecodeV3Message(forged.data(), forged.size(), authOffset);
        forged[authOffset] ^= 0x40;
        return std::vector<std::vector<std::uint8_t>>{
            forged, AgentMessage(0, genError, 4, 1000, msg.msgId),
            AgentMessage(kV3FlagAuth, genError, 4, 1000, msg.msgId),
            AgentMessage(kV3FlagAuth | kV3FlagPriv, pdu, 4, 1000, msg.msgId)};
    };
    SendGet(UsmSecurityLevel::AuthPriv);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !recorder.calls.empty(); }));
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, 0);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, 21u);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwErrorStatus, 0u);
    EXPECT_EQ(recorder.calls[0].msg->m_wPduType & 0xFF, SNMP_PDU_RESPONSE);
    EXPECT_EQ(received.size(), 1u);
}

} // namespace
