// Request tracking over real UDP on 127.0.0.1: matching, duplicates, malformed replies,
// time-outs driven by the clock and the tick handler, re-entrant receivers, failed sends,
// shut-down and the packet log.
#include <gtest/gtest.h>

#include <filesystem>

#include <QCoreApplication>

#include "platform/core/CArchive.h"
#include "platform/core/Clock.h"
#include "snmp/NmOidTable.h"
#include "snmp/SnmpPacketLog.h"
#include "snmp/SnmpTransport.h"
#include "snmp/UsmSession.h"
#include "tests/snmp/transport/EngineTest.h"
#include "tests/snmp/transport/Recorder.h"
#include "tests/snmp/transport/TestPeer.h"

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";

class TransportTest : public EngineTest {
protected:
    CSnmpMsg* NewGet(const std::string& address) {
        auto* msg = new CSnmpMsg(&recorder, address, "tessla", SNMP_PDU_GET);
        msg->m_pPdu->AddOid(kSysDescr);
        msg->SetSnmpCallback(Recorder::Callback());
        return msg;
    }
    std::uint32_t SendGet() { return SendSnmpMsg(NewGet(peer.Address())); }
    std::size_t Outstanding() const { return GetSnmpSocket()->m_msgList.size(); }
    void Tick() { GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId); }
    bool WaitForCalls(std::size_t n) {
        return ProcessEventsUntil([&] { return recorder.calls.size() >= n; });
    }
    std::uint32_t IdOfCall(std::size_t i) const {
        return recorder.calls.at(i).msg->m_pPdu->m_dwReqId;
    }
    // Answers a fresh request last: once it is delivered, every datagram the peer sent before
    // it has been processed too.
    void SyncWithPeer() {
        const std::size_t before = recorder.calls.size();
        peer.SendResponse(SendGet());
        ASSERT_TRUE(WaitForCalls(before + 1));
    }

    Clock::Manual clock{5000};
    Recorder recorder;
};

TEST_F(TransportTest, ReplyIsDecodedIntoTheRequestAndHandedToItsReceiver) {
    const std::uint32_t first = SendGet();
    EXPECT_EQ(SendGet(), first + 1);
    auto request = peer.ReceiveRequest();
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->m_pPdu->m_dwReqId, first);
    EXPECT_EQ(request->m_strCommunity, "tessla");

    peer.SendResponse(
        first,
        [](CSnmpPdu& pdu) { pdu.AddOid(kSysDescr, std::string("switch"), SNMP_TYPE_OCTETS); }, 0, 0,
        "answer");
    ASSERT_TRUE(WaitForCalls(1));
    const CSnmpMsg& msg = *recorder.calls[0].msg;
    EXPECT_EQ(recorder.calls[0].code, 0);
    EXPECT_EQ(msg.m_pPdu->m_dwReqId, first);
    EXPECT_EQ(msg.m_wPduType & 0xFF, SNMP_PDU_RESPONSE);
    EXPECT_EQ(msg.m_strCommunity, "answer");
    ASSERT_EQ(msg.m_pPdu->m_varBindList.size(), 1u) << "the request's NULL binding is gone";
    EXPECT_EQ(msg.m_pPdu->m_varBindList.front()->GetText(), "switch");
    EXPECT_EQ(Outstanding(), 1u);
}

TEST_F(TransportTest, AReplyCarriesTheMillisecondItsDatagramWasRead) {
    // Rates are timed by it: a reply handled late still counts from when it came.
    const std::uint32_t id = SendGet();
    clock.advanceMs(250);
    peer.SendResponse(id);
    ASSERT_TRUE(WaitForCalls(1));
    const CSnmpMsg& reply = *recorder.calls[0].msg;
    EXPECT_EQ(reply.m_timeReceivedMs, 5000250);
    clock.advanceMs(700);
    EXPECT_EQ(reply.ReceivedMs(), 5000250);
    const CSnmpMsg built(nullptr, "127.0.0.1", "tessla", SNMP_PDU_RESPONSE);
    EXPECT_EQ(built.ReceivedMs(), 5000950) << "never read from a socket: now";
}

TEST_F(TransportTest, RepliesAreMatchedByRequestIdOnlyWhateverTheirSenderOrType) {
    const std::uint32_t first = SendGet();
    const std::uint32_t second = SendGet();
    TestPeer stranger; // another sender port, answering with a request PDU type
    stranger.SetEnginePort(GetSnmpSocket()->GetLocalPort());
    CSnmpMsg odd(nullptr, "", "tessla", SNMP_PDU_GET);
    odd.m_pPdu->m_dwReqId = second;
    odd.SnmpEncodeImage();
    stranger.SendRaw({odd.m_buf, odd.m_buf + odd.m_nLen});
    ASSERT_TRUE(WaitForCalls(1));
    EXPECT_EQ(IdOfCall(0), second);
    ASSERT_EQ(Outstanding(), 1u);
    EXPECT_EQ(GetSnmpSocket()->m_msgList.front()->m_pPdu->m_dwReqId, first);
}

TEST_F(TransportTest, DuplicateAndUnmatchedRepliesAreDropped) {
    const std::uint32_t id = SendGet();
    peer.SendResponse(id);
    peer.SendResponse(id);
    peer.SendResponse(id + 1000);
    SyncWithPeer();
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(IdOfCall(0), id);
    EXPECT_NE(IdOfCall(1), id);
    EXPECT_EQ(Outstanding(), 0u);
}

TEST_F(TransportTest, MalformedReplyLeavesTheRequestOutstandingUntilItTimesOut) {
    const std::uint32_t id = SendGet();
    // Matching id, but a Counter64 value, which the engine does not carry.
    std::vector<std::uint8_t> bad = EncodeResponse(
        id, [](CSnmpPdu& pdu) { pdu.AddOid(kSysDescr, std::uint32_t{7}, SNMP_TYPE_COUNTER); });
    ASSERT_EQ(bad[bad.size() - 3], SNMP_TYPE_COUNTER);
    bad[bad.size() - 3] = SNMP_TYPE_COUNTER64;
    peer.SendRaw(bad);
    SyncWithPeer();
    ASSERT_EQ(recorder.calls.size(), 1u);
    ASSERT_EQ(Outstanding(), 1u);

    clock.advance(1);
    Tick();
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].code, 16);
    EXPECT_EQ(IdOfCall(1), id);
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
    EXPECT_EQ(IdOfCall(0), first);
    EXPECT_EQ(recorder.calls[0].msg->m_pPdu->m_varBindList.front()->m_byType, SNMP_TYPE_NULL)
        << "handed over as sent";
    Tick();
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(IdOfCall(1), second);
}

TEST_F(TransportTest, LongerTimeoutNeedsMoreWholeSecondsThanItsMilliseconds) {
    SetSnmpTimeout(3000);
    SendGet();
    clock.advance(3);
    Tick();
    EXPECT_TRUE(recorder.calls.empty());
    clock.advance(1);
    Tick();
    EXPECT_EQ(recorder.calls.size(), 1u);
}

TEST_F(TransportTest, ARequestsOwnTimeoutOutlastsTheEnginesAndKeepsItsTurn) {
    CSnmpMsg* patient = NewGet(peer.Address());
    patient->m_nTimeoutMs = 3000;
    const std::uint32_t slow = SendSnmpMsg(patient);
    const std::uint32_t quick = SendGet();
    clock.advance(3);
    Tick();
    ASSERT_EQ(recorder.calls.size(), 1u) << "only the request on the engine's 500 ms";
    EXPECT_EQ(IdOfCall(0), quick);
    Tick();
    EXPECT_EQ(recorder.calls.size(), 1u);
    clock.advance(1);
    Tick();
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(IdOfCall(1), slow);
}

TEST_F(TransportTest, ReceiverMaySendANewRequestFromInsideItsCall) {
    std::uint32_t followUp = 0;
    recorder.onCall = [&](std::uint16_t, CSnmpMsg*) {
        if (followUp == 0) {
            followUp = SendGet();
        }
    };
    peer.SendResponse(SendGet());
    ASSERT_TRUE(WaitForCalls(1));
    ASSERT_EQ(Outstanding(), 1u);
    peer.SendResponse(followUp);
    ASSERT_TRUE(WaitForCalls(2));
    EXPECT_EQ(IdOfCall(1), followUp);
}

TEST_F(TransportTest, ShutDownReleasesOutstandingRequestsWithoutCallingAnyone) {
    SendGet();
    SendGet();
    SnmpDone();
    EXPECT_EQ(GetSnmpSocket(), nullptr);
    EXPECT_TRUE(recorder.calls.empty());
    SnmpInit(nullptr); // for TearDown
}

TEST_F(TransportTest, RejectedAddressesReachTheReceiverWithCode255BeforeSendReturns) {
    std::size_t callsDuringSend = 0;
    recorder.onCall = [&](std::uint16_t, CSnmpMsg*) { ++callsDuringSend; };
    for (const char* address : {"127.0.0.1:0", "127.0.0.1:65536", "127.0.0.1:x", ""}) {
        const std::uint32_t before = CSnmpMsg::m_sdwReqid;
        EXPECT_EQ(SendSnmpMsg(NewGet(address)), before + 1) << "a failed send takes an id too";
        EXPECT_EQ(callsDuringSend, recorder.calls.size());
        EXPECT_EQ(recorder.calls.back().code, 255) << address;
        EXPECT_EQ(recorder.calls.back().msg->m_exception.m_strMessage,
                  "Socket error, error code= 0x2af9");
    }
    EXPECT_EQ(Outstanding(), 0u);
}

TEST_F(TransportTest, EncodingFailureReachesTheReceiverAndIsNotListed) {
    CSnmpMsg* msg = NewGet(peer.Address());
    for (int i = 0; i < 40; ++i) {
        msg->m_pPdu->AddOid(kSysDescr);
    }
    SendSnmpMsg(msg);
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, 14);
    EXPECT_EQ(Outstanding(), 0u);
}

TEST(TransportLifecycle, TheTickComesInTheMiddleOfEachSecond) {
    // Requests are stamped in whole seconds; a tick at x.5 times each one out 0.5 to 1.5 s
    // after it was sent, whenever in its second it went.
    EXPECT_EQ(CSnmpDll::FirstTickDelayMs(5000000), 500);
    EXPECT_EQ(CSnmpDll::FirstTickDelayMs(5000499), 1);
    EXPECT_EQ(CSnmpDll::FirstTickDelayMs(5000500), 0);
    EXPECT_EQ(CSnmpDll::FirstTickDelayMs(5000999), 501);
}

TEST(TransportLifecycle, InitNestsAndSendingWithoutEngineIsASocketError) {
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

    std::unique_ptr<CObject> socket(CRuntimeClass::CreateObject("CSnmpSocket"));
    EXPECT_NE(dynamic_cast<CSnmpSocket*>(socket.get()), nullptr) << "creatable by name";

    Recorder recorder;
    auto* msg = new CSnmpMsg(&recorder, "127.0.0.1", "tessla", SNMP_PDU_GET);
    msg->SetSnmpCallback(Recorder::Callback());
    SendSnmpMsg(msg);
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].code, 255);
}

// --- packet log ---------------------------------------------------------------------------

class PacketLogTest : public TransportTest {
protected:
    void SetUp() override {
        m_oldDir = std::filesystem::current_path();
        m_dir = std::filesystem::temp_directory_path() /
                ("taurel-log-" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        std::filesystem::current_path(m_dir);
        TransportTest::SetUp();
        GetSnmpSocket()->m_bLogPackets = 1;
    }
    void TearDown() override {
        TransportTest::TearDown();
        std::filesystem::current_path(m_oldDir);
        std::filesystem::remove_all(m_dir);
    }
    SnmpPacketLogContents ReadLog() {
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(ReadWholeFile("snmp.log", bytes));
        return ReadSnmpPacketLog(bytes);
    }

    std::filesystem::path m_oldDir;
    std::filesystem::path m_dir;
};

TEST_F(PacketLogTest, ExchangesAreAppendedRecordByRecordAndFailedSendsAreNot) {
    for (const char* refused : {"127.0.0.1:0", "127.0.0.1:99999", "foo.invalid."})
        SendSnmpMsg(NewGet(refused));
    peer.SendRaw({0x31, 0x00}); // not a message
    SyncWithPeer();
    SyncWithPeer();

    SnmpPacketLogContents log = ReadLog();
    EXPECT_FALSE(log.damaged) << log.damage;
    ASSERT_EQ(log.records.size(), 5u) << "nothing for the three requests that were never sent";
    const CSnmpMsg& request = *log.records[0];
    EXPECT_EQ(request.m_strIpAddr, peer.Address());
    EXPECT_EQ(request.m_wPduType, SNMP_PDU_GET);
    EXPECT_EQ(request.m_pPdu->m_varBindList.front()->m_strOid, kSysDescr);
    EXPECT_EQ(log.records[1]->m_wPduType, 0) << "the datagram that failed to decode";
    const CSnmpMsg& reply = *log.records[2];
    EXPECT_EQ(reply.m_strIpAddr, peer.Address()) << "the sender's address and port";
    EXPECT_EQ(reply.m_wPduType, SNMP_PDU_RESPONSE);
    EXPECT_EQ(reply.m_pPdu->m_dwReqId, request.m_pPdu->m_dwReqId);
    EXPECT_EQ(log.records[4]->m_wPduType, SNMP_PDU_RESPONSE);
}

TEST_F(PacketLogTest, ALogThatCannotBeWrittenIsToldOnceOnStandardError) {
    // A folder where the file should be, then a full disk: both refuse every record.
    std::filesystem::create_directory("snmp.log");
    testing::internal::CaptureStderr();
    SyncWithPeer();
    SyncWithPeer();
    std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told, "cannot write the packet log snmp.log: Is a directory\n");

    std::filesystem::remove("snmp.log");
    GetSnmpSocket()->m_bLogFailureTold = false;
    std::filesystem::create_symlink("/dev/full", "snmp.log");
    testing::internal::CaptureStderr();
    SyncWithPeer();
    told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(told, "cannot write the packet log snmp.log: No space left on device\n");
    EXPECT_EQ(recorder.calls.size(), 3u) << "the exchanges themselves went on";
}

TEST(PacketLogReader, StopsAtADamagedRecordAndKeepsTheOnesBefore) {
    CSnmpMsg msg(nullptr, "10.0.0.1", "tessla", SNMP_PDU_GET);
    msg.m_pPdu->AddOid(kSysDescr);
    CArchive ar;
    msg.Serialize(ar);
    std::vector<std::uint8_t> bytes = ar.Bytes();
    bytes.insert(bytes.end(), ar.Bytes().begin(), ar.Bytes().end() - 3);
    SnmpPacketLogContents log = ReadSnmpPacketLog(bytes);
    ASSERT_EQ(log.records.size(), 1u);
    EXPECT_TRUE(log.damaged);
    EXPECT_EQ(log.damagedOffset, ar.Bytes().size());
}

TEST(PacketLogRecord, V1RecordsStayTheMessagesArchiveAndOthersSayVersionUserAndLevel) {
    CSnmpMsg v1(nullptr, "10.0.0.1", "tessla", SNMP_PDU_GET);
    v1.m_pPdu->AddOid(kSysDescr);
    CArchive plain;
    v1.Serialize(plain);
    CArchive record;
    WriteSnmpLogRecord(record, v1);
    EXPECT_EQ(record.Bytes(), plain.Bytes()) << "the switch's log reads as it always did";

    CSnmpMsg v2c(nullptr, "10.0.0.1", "tessla", SNMP_PDU_GETBULK);
    v2c.m_nVersion = SNMP_VERSION_2C;
    UsmUser user;
    user.userName = "ops";
    user.level = UsmSecurityLevel::AuthNoPriv;
    user.auth = UsmAuthProtocol::SHA256;
    user.authPassword = UsmSecret("auth-pass");
    CSnmpMsg v3(nullptr, "10.0.0.1", "", SNMP_PDU_GET);
    v3.m_nVersion = SNMP_VERSION_2C;
    v3.m_pUsm = std::make_shared<UsmSession>(user);
    CArchive both;
    WriteSnmpLogRecord(both, v2c);
    WriteSnmpLogRecord(both, v3);
    EXPECT_EQ(v3.m_strCommunity, "") << "the message itself is left as it was";
    EXPECT_EQ(v3.m_wPduType, SNMP_PDU_GET);

    const SnmpPacketLogContents log = ReadSnmpPacketLog(both.Bytes());
    ASSERT_EQ(log.records.size(), 2u);
    const CSnmpMsg& bulk = *log.records[0];
    EXPECT_EQ(SnmpLogRecordVersion(bulk.m_wPduType), SNMP_VERSION_2C);
    EXPECT_EQ(bulk.m_wPduType & 0xFF, SNMP_PDU_GETBULK);
    EXPECT_EQ(bulk.m_strCommunity, "tessla");
    const CSnmpMsg& secure = *log.records[1];
    EXPECT_EQ(SnmpLogRecordVersion(secure.m_wPduType), SNMP_VERSION_3);
    EXPECT_EQ(SnmpLogRecordLevel(secure.m_wPduType), UsmSecurityLevel::AuthNoPriv);
    EXPECT_EQ(secure.m_strCommunity, "ops");
    EXPECT_EQ(secure.m_wPduType & 0xFF, SNMP_PDU_GET);
}

} // namespace
