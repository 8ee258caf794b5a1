// What a request may opt into beyond the switch's defaults, over real UDP on 127.0.0.1:
// retransmission with the same id, the receive limit and its too-big outcome, and replies
// accepted only in the version of their request.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "platform/core/Clock.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/SnmpTestBytes.h"
#include "tests/snmp/transport/EngineTest.h"
#include "tests/snmp/transport/Recorder.h"
#include "tests/snmp/transport/TestPeer.h"

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";

// A response to `reqId` whose one value is an OCTET STRING of `valueSize` bytes; any size, as
// an agent that ignores the 512-byte limit sends it.
Bytes LongResponse(std::uint32_t reqId, std::size_t valueSize, std::uint8_t version = 0) {
    const Bytes id{0x02,
                   0x04,
                   static_cast<std::uint8_t>(reqId >> 24),
                   static_cast<std::uint8_t>(reqId >> 16),
                   static_cast<std::uint8_t>(reqId >> 8),
                   static_cast<std::uint8_t>(reqId)};
    const Bytes binding = VarBind(SysNameOid(), Tlv(0x04, Bytes(valueSize, 'v')));
    const Bytes pdu =
        Tlv(0xA2, Cat({id, {0x02, 0x01, 0x00, 0x02, 0x01, 0x00}, Tlv(0x30, binding)}));
    return Tlv(0x30, Cat({{0x02, 0x01, version}, Tlv(0x04, Text("tessla")), pdu}));
}

class RetryAndLimitTest : public EngineTest {
protected:
    std::uint32_t SendGet(int retries = 0, int version = SNMP_VERSION_1) {
        auto* msg = new CSnmpMsg(&recorder, peer.Address(), "tessla", SNMP_PDU_GET);
        msg->m_nVersion = version;
        msg->m_nRetries = retries;
        msg->m_pPdu->AddOid(kSysDescr);
        msg->SetSnmpCallback(Recorder::Callback());
        return SendSnmpMsg(msg);
    }
    std::size_t Outstanding() const { return GetSnmpSocket()->m_msgList.size(); }
    void ExpireOnce() {
        clock.advance(1);
        GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId);
    }
    bool WaitForCalls(std::size_t n) {
        return ProcessEventsUntil([&] { return recorder.calls.size() >= n; });
    }
    // Every datagram the peer sent before this returns has been processed.
    void SyncWithPeer() {
        const std::size_t before = recorder.calls.size();
        peer.SendResponse(SendGet());
        ASSERT_NE(peer.ReceiveRequest(), nullptr);
        ASSERT_TRUE(WaitForCalls(before + 1));
    }

    Clock::Manual clock{7000};
    Recorder recorder;
};

TEST_F(RetryAndLimitTest, RetriesResendTheSameDatagramThenTheTimeOutIsReported) {
    const std::uint32_t id = SendGet(2);
    ASSERT_NE(peer.ReceiveRequest(), nullptr);
    const std::vector<std::uint8_t> first = peer.LastDatagram();
    for (int retry = 1; retry <= 2; ++retry) {
        ExpireOnce();
        const auto again = peer.ReceiveRequest();
        ASSERT_NE(again, nullptr) << retry;
        EXPECT_EQ(peer.LastDatagram(), first) << "same id, same bytes";
        EXPECT_TRUE(recorder.calls.empty());
        EXPECT_EQ(Outstanding(), 1u);
    }
    ExpireOnce();
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, SNMP_ERR_TIMEOUT);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, id);
    EXPECT_EQ(recorder.calls[0].msg->m_nSendCount, 3);
    EXPECT_EQ(peer.ReceiveRequest(100), nullptr) << "no fourth send";
}

TEST_F(RetryAndLimitTest, AnswersToBothSendsOfARetriedRequestAreDeliveredOnce) {
    const std::uint32_t id = SendGet(1);
    ASSERT_NE(peer.ReceiveRequest(), nullptr);
    ExpireOnce();
    ASSERT_NE(peer.ReceiveRequest(), nullptr);
    peer.SendResponse(id);
    peer.SendResponse(id);
    SyncWithPeer();
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[0].code, 0);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, id);
    EXPECT_EQ(Outstanding(), 0u);
}

TEST_F(RetryAndLimitTest, ReplyOverTheLimitIsReportedAsTooBigAtOnce) {
    const std::uint32_t id = SendGet(3);
    ASSERT_NE(peer.ReceiveRequest(), nullptr);
    peer.SendRaw(LongResponse(id + 500, 600)); // answers nothing: dropped
    peer.SendRaw(LongResponse(id, 1000));      // 1,0xx bytes against the switch's 512
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_EQ(recorder.calls[0].code, SNMP_ERR_RESPONSE_TOO_BIG);
    EXPECT_EQ(recorder.calls[0].msg->m_exception.m_wCode, SNMP_ERR_RESPONSE_TOO_BIG);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, id);
    EXPECT_EQ(recorder.calls[0].msg->m_nSendCount, 1) << "a refused reply is not retried";
    EXPECT_EQ(Outstanding(), 0u);
    SyncWithPeer();
    EXPECT_EQ(recorder.calls.size(), 2u);
}

TEST_F(RetryAndLimitTest, RaisedLimitTakesWholeDatagramsAndTheEdgeIsExact) {
    SetSnmpReceiveLimit(kSnmpMaxDatagram);
    for (const std::size_t valueSize : {std::size_t{1000}, std::size_t{65000}}) {
        const std::size_t before = recorder.calls.size();
        const std::uint32_t id = SendGet();
        ASSERT_NE(peer.ReceiveRequest(), nullptr);
        peer.SendRaw(LongResponse(id, valueSize));
        ASSERT_TRUE(WaitForCalls(before + 1));
        const CSnmpMsg& reply = *recorder.calls.back().msg;
        EXPECT_EQ(recorder.calls.back().code, 0) << valueSize;
        ASSERT_EQ(reply.m_pPdu->m_varBindList.size(), 1u);
        EXPECT_EQ(reply.m_pPdu->m_varBindList.front()->GetText(), std::string(valueSize, 'v'));
    }
    // A limit is inclusive: a reply of exactly the limit passes, one byte more is too big.
    const Bytes sized = LongResponse(1, 300);
    SetSnmpReceiveLimit(static_cast<int>(sized.size()));
    const std::uint32_t fits = SendGet();
    ASSERT_NE(peer.ReceiveRequest(), nullptr);
    peer.SendRaw(LongResponse(fits, 300));
    const std::uint32_t over = SendGet();
    ASSERT_NE(peer.ReceiveRequest(), nullptr);
    peer.SendRaw(LongResponse(over, 301));
    ASSERT_TRUE(WaitForCalls(4));
    EXPECT_EQ(recorder.calls[2].code, 0);
    EXPECT_EQ(recorder.calls[3].code, SNMP_ERR_RESPONSE_TOO_BIG);
}

TEST_F(RetryAndLimitTest, RepliesAreAcceptedOnlyInTheVersionOfTheirRequest) {
    const std::uint32_t v2 = SendGet(0, SNMP_VERSION_2C);
    const auto request = peer.ReceiveRequest();
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->m_nVersion, SNMP_VERSION_2C);
    const std::uint32_t v1 = SendGet();
    ASSERT_NE(peer.ReceiveRequest(), nullptr);

    const auto counter = [](CSnmpPdu& pdu) {
        pdu.AddOid(kSysDescr, std::int64_t{0x123456789A}, SNMP_TYPE_COUNTER64);
    };
    peer.SendRaw(EncodeResponse(v2, {}, 0, 0, "tessla", SNMP_VERSION_1));
    peer.SendRaw(EncodeResponse(v1, {}, 0, 0, "tessla", SNMP_VERSION_2C));
    SyncWithPeer();
    ASSERT_EQ(recorder.calls.size(), 1u) << "only the sync reply";
    EXPECT_EQ(Outstanding(), 2u);

    peer.SendRaw(EncodeResponse(v2, counter, 0, 0, "tessla", SNMP_VERSION_2C));
    ASSERT_TRUE(WaitForCalls(2));
    const CSnmpMsg& reply = *recorder.calls[1].msg;
    EXPECT_EQ(reply.m_pPdu->m_dwReqId, v2);
    ASSERT_EQ(reply.m_pPdu->m_varBindList.size(), 1u);
    EXPECT_EQ(reply.m_pPdu->m_varBindList.front()->GetInt64(), 0x123456789A);
}

TEST_F(RetryAndLimitTest, PreciseTimeOutsCountMillisecondsOfRealTime) {
    // The fixture's clock stands still: only the millisecond clock can time this out.
    SetSnmpPreciseTimeouts(true);
    SetSnmpTimeout(150);
    QElapsedTimer elapsed;
    elapsed.start();
    const std::uint32_t id = SendGet(1);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !recorder.calls.empty(); }, 5000));
    EXPECT_GE(elapsed.elapsed(), 300) << "two sends, 150 ms each";
    EXPECT_EQ(recorder.calls[0].code, SNMP_ERR_TIMEOUT);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_dwReqId, id);
    EXPECT_EQ(recorder.calls[0].msg->m_nSendCount, 2);
}

} // namespace
