// Request tracking over real UDP on 127.0.0.1: matching, duplicates, malformed replies,
// time-outs driven by the clock and the tick handler, re-entrant receivers and shut-down.
#include <gtest/gtest.h>

#include "platform/core/Clock.h"
#include "snmp/NmOidTable.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/Recorder.h"
#include "tests/snmp/transport/TestPeer.h"

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";

class TransportTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        SnmpInit(nullptr);
        ASSERT_NE(GetSnmpSocket(), nullptr);
        peer.SetEnginePort(GetSnmpSocket()->GetLocalPort());
    }
    void TearDown() override { SnmpDone(); }

    CSnmpMsg* NewGet(const std::string& address, bool withReceiver = true) {
        auto* msg = new CSnmpMsg(&recorder, address, "tessla", SNMP_PDU_GET);
        msg->m_pPdu->AddOid(kSysDescr);
        if (withReceiver) {
            msg->SetSnmpCallback(Recorder::Callback());
        }
        return msg;
    }
    std::uint32_t SendGet() { return SendSnmpMsg(NewGet(peer.Address())); }
    std::size_t Outstanding() const { return GetSnmpSocket()->m_msgList.size(); }
    void Tick() { GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId); }
    bool WaitForCalls(std::size_t n) {
        return ProcessEventsUntil([&] { return recorder.calls.size() >= n; });
    }

    Clock::Manual clock{5000};
    TestPeer peer;
    Recorder recorder;
};

TEST_F(TransportTest, ReplyReachesReceiverWithTheReplyInTheRequestMessage) {
    const std::uint32_t id = SendGet();
    auto request = peer.ReceiveRequest();
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->m_pPdu->m_dwReqId, id);
    EXPECT_EQ(request->m_strCommunity, "tessla");
    EXPECT_EQ(request->m_wPduType & 0xFF, SNMP_PDU_GET);
    EXPECT_EQ(Outstanding(), 1u);

    peer.SendResponse(
        id, [](CSnmpPdu& pdu) { pdu.AddOid(kSysDescr, std::string("switch"), SNMP_TYPE_OCTETS); },
        0, 0, "answer");
    ASSERT_TRUE(WaitForCalls(1));

    const Recorder::Call& call = recorder.calls[0];
    EXPECT_EQ(call.code, 0);
    EXPECT_EQ(call.msg->m_pPdu->m_dwReqId, id);
    EXPECT_EQ(call.msg->m_wPduType & 0xFF, SNMP_PDU_RESPONSE);
    EXPECT_EQ(call.msg->m_strCommunity, "answer");
    EXPECT_EQ(call.msg->m_strIpAddr, peer.Address()) << "the request keeps its destination";
    ASSERT_EQ(call.msg->m_pPdu->m_varBindList.size(), 1u) << "the request's NULL binding is gone";
    EXPECT_EQ(call.msg->m_pPdu->m_varBindList.front()->GetText(), "switch");
    EXPECT_EQ(Outstanding(), 0u);
}

TEST_F(TransportTest, RequestIdsIncreaseByOnePerRequest) {
    const std::uint32_t first = SendGet();
    const std::uint32_t second = SendGet();
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(peer.ReceiveRequest()->m_pPdu->m_dwReqId, first);
    EXPECT_EQ(peer.ReceiveRequest()->m_pPdu->m_dwReqId, second);
}

TEST_F(TransportTest, RepliesAreMatchedByRequestIdOnlyWhateverTheirSender) {
    const std::uint32_t first = SendGet();
    const std::uint32_t second = SendGet();

    // The answer to the second request comes from another port, with a request PDU type.
    TestPeer stranger;
    stranger.SetEnginePort(GetSnmpSocket()->GetLocalPort());
    CSnmpMsg odd(nullptr, "", "tessla", SNMP_PDU_GET);
    odd.m_pPdu->m_dwReqId = second;
    odd.SnmpEncodeImage();
    stranger.SendRaw({odd.m_buf, odd.m_buf + odd.m_nLen});
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_EQ(recorder.calls[0].code, 0);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, second);
    ASSERT_EQ(Outstanding(), 1u);
    EXPECT_EQ(GetSnmpSocket()->m_msgList.front()->m_pPdu->m_dwReqId, first);

    peer.SendResponse(first);
    ASSERT_TRUE(WaitForCalls(2));
    EXPECT_EQ(recorder.calls[1].msg->m_pPdu->m_dwReqId, first);
}

TEST_F(TransportTest, DuplicateAndUnmatchedRepliesAreDropped) {
    const std::uint32_t id = SendGet();
    peer.SendResponse(id);
    peer.SendResponse(id);
    peer.SendResponse(id + 1000);
    // A later exchange from the same peer proves the earlier datagrams were all processed.
    const std::uint32_t marker = SendGet();
    peer.SendResponse(marker);
    ASSERT_TRUE(WaitForCalls(2));
    ProcessPendingEvents();

    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, id);
    EXPECT_EQ(recorder.calls[1].msg->m_pPdu->m_dwReqId, marker);
    EXPECT_EQ(Outstanding(), 0u);
}

TEST_F(TransportTest, MalformedReplyLeavesTheRequestOutstandingUntilItTimesOut) {
    const std::uint32_t id = SendGet();
    // Matching id, but a Counter64 value the engine does not carry: the reply fails to decode.
    std::vector<std::uint8_t> bad = EncodeResponse(
        id, [](CSnmpPdu& pdu) { pdu.AddOid(kSysDescr, std::uint32_t{7}, SNMP_TYPE_COUNTER); });
    ASSERT_EQ(bad[bad.size() - 3], SNMP_TYPE_COUNTER);
    bad[bad.size() - 3] = SNMP_TYPE_COUNTER64;
    peer.SendRaw(bad);
    const std::uint32_t marker = SendGet();
    peer.SendResponse(marker);
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, marker);
    ASSERT_EQ(Outstanding(), 1u);

    clock.advance(1);
    Tick();
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].code, 16);
    EXPECT_EQ(recorder.calls[1].msg->m_pPdu->m_dwReqId, id);
    EXPECT_EQ(Outstanding(), 0u);
}

TEST_F(TransportTest, RequestsExpiringTogetherTimeOutOnePerTickInSendOrder) {
    const std::uint32_t first = SendGet();
    const std::uint32_t second = SendGet();
    Tick();
    EXPECT_TRUE(recorder.calls.empty()) << "no time-out within the send second";

    clock.advance(1);
    Tick();
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, 16);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, first);
    ASSERT_EQ(recorder.calls[0].msg->m_pPdu->m_varBindList.size(), 1u) << "as sent";
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_varBindList.front()->m_byType, SNMP_TYPE_NULL);

    Tick();
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].msg->m_pPdu->m_dwReqId, second);
    Tick();
    EXPECT_EQ(recorder.calls.size(), 2u);
}

TEST_F(TransportTest, LongerTimeoutWaitsForWholeSecondsBeyondIt) {
    SetSnmpTimeout(3000);
    SendGet();
    clock.advance(3);
    Tick();
    EXPECT_TRUE(recorder.calls.empty()) << "3 s is not more than 3000 ms";
    clock.advance(1);
    Tick();
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, 16);
}

TEST_F(TransportTest, ReceiverMaySendANewRequestFromInsideItsCall) {
    std::uint32_t followUp = 0;
    recorder.onCall = [&](std::uint16_t, CSnmpMsg*) {
        if (followUp == 0) {
            followUp = SendGet();
        }
    };
    const std::uint32_t id = SendGet();
    peer.SendResponse(id);
    ASSERT_TRUE(WaitForCalls(1));
    ASSERT_NE(followUp, 0u);
    EXPECT_EQ(Outstanding(), 1u);

    peer.SendResponse(followUp);
    ASSERT_TRUE(WaitForCalls(2));
    EXPECT_EQ(recorder.calls[1].msg->m_pPdu->m_dwReqId, followUp);
    EXPECT_EQ(Outstanding(), 0u);
}

TEST_F(TransportTest, ReplyToARequestWithoutReceiverIsReleasedByTheEngine) {
    const std::uint32_t id = SendSnmpMsg(NewGet(peer.Address(), false));
    peer.SendResponse(id);
    const std::uint32_t marker = SendGet();
    peer.SendResponse(marker);
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, marker);
    EXPECT_EQ(Outstanding(), 0u);
}

TEST_F(TransportTest, ShutDownReleasesOutstandingRequestsWithoutCallingAnyone) {
    SendGet();
    SendGet();
    ASSERT_EQ(Outstanding(), 2u);
    SnmpDone();
    EXPECT_EQ(GetSnmpSocket(), nullptr);
    clock.advance(10);
    EXPECT_TRUE(recorder.calls.empty());
    SnmpInit(nullptr); // for TearDown
}

struct RejectedAddress {
    const char* address;
    const char* text;
};

class RejectedSendTest : public TransportTest,
                         public ::testing::WithParamInterface<RejectedAddress> {};

TEST_P(RejectedSendTest, ReceiverGetsCode255BeforeSendReturns) {
    std::size_t callsDuringSend = 0;
    recorder.onCall = [&](std::uint16_t, CSnmpMsg*) { ++callsDuringSend; };
    const std::uint32_t before = CSnmpMsg::m_sdwReqid;
    const std::uint32_t id = SendSnmpMsg(NewGet(GetParam().address));

    EXPECT_EQ(callsDuringSend, 1u);
    ASSERT_EQ(recorder.calls.size(), 1u);
    const CSnmpMsg& msg = *recorder.calls[0].msg;
    EXPECT_EQ(recorder.calls[0].code, 255);
    EXPECT_EQ(msg.m_exception.m_wCode, 255);
    EXPECT_EQ(msg.m_exception.m_strMessage, GetParam().text);
    EXPECT_EQ(id, before + 1) << "the failed request still took a new id";
    EXPECT_EQ(Outstanding(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, RejectedSendTest,
    ::testing::Values(RejectedAddress{"127.0.0.1:0", "Socket error, error code= 0x2af9"},
                      RejectedAddress{"127.0.0.1:65536", "Socket error, error code= 0x2af9"},
                      RejectedAddress{"127.0.0.1:x", "Socket error, error code= 0x2af9"},
                      RejectedAddress{"", "Socket error, error code= 0x2af9"}));

TEST_F(TransportTest, EncodingFailureReachesTheReceiverAndIsNotListed) {
    CSnmpMsg* msg = NewGet(peer.Address());
    for (int i = 0; i < 40; ++i) {
        msg->m_pPdu->AddOid(kSysDescr);
    }
    SendSnmpMsg(msg);
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, 14);
    EXPECT_EQ(recorder.calls[0].msg->m_exception.m_strMessage,
              "Buffer overflow while snmp encoding.");
    EXPECT_EQ(Outstanding(), 0u);
}

TEST_F(TransportTest, FailedSendWithoutReceiverStaysWithTheCaller) {
    std::unique_ptr<CSnmpMsg> msg(NewGet("127.0.0.1:0", false));
    SendSnmpMsg(msg.get());
    EXPECT_EQ(msg->m_exception.m_wCode, 255);
    EXPECT_EQ(Outstanding(), 0u);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST(TransportLifecycle, SendWithoutRunningEngineIsASocketError) {
    EnsureQtApplication();
    Recorder recorder;
    auto* msg = new CSnmpMsg(&recorder, "127.0.0.1", "tessla", SNMP_PDU_GET);
    msg->SetSnmpCallback(Recorder::Callback());
    SendSnmpMsg(msg);
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, 255);
    EXPECT_EQ(recorder.calls[0].msg->m_exception.m_strMessage, "Socket error, error code= 0x276d");
}

TEST(TransportLifecycle, NestedInitKeepsOneEngineUntilTheLastDone) {
    EnsureQtApplication();
    SnmpInit(nullptr);
    CSnmpDll* engine = GetSnmpDllDlg();
    SnmpInit(nullptr);
    EXPECT_EQ(GetSnmpDllDlg(), engine);
    EXPECT_EQ(engine->m_nTimeout, 500);
    SnmpDone();
    EXPECT_EQ(GetSnmpDllDlg(), engine);
    SnmpDone();
    EXPECT_EQ(GetSnmpDllDlg(), nullptr);
    EXPECT_EQ(GetSnmpSocket(), nullptr);
}

} // namespace
