// The packet log "snmp.log": appended records of requests, replies and failures, read back
// record by record.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/core/CArchive.h"
#include "platform/core/Clock.h"
#include "snmp/NmOidTable.h"
#include "snmp/SnmpPacketLog.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/Recorder.h"
#include "tests/snmp/transport/TestPeer.h"

namespace fs = std::filesystem;

namespace {

class PacketLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        m_oldDir = fs::current_path();
        m_dir = fs::temp_directory_path() /
                ("taurel-log-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        fs::current_path(m_dir);
        SnmpInit(nullptr);
        GetSnmpSocket()->m_bLogPackets = 1;
        peer.SetEnginePort(GetSnmpSocket()->GetLocalPort());
    }
    void TearDown() override {
        SnmpDone();
        fs::current_path(m_oldDir);
        fs::remove_all(m_dir);
    }

    std::uint32_t Exchange() {
        auto* msg = new CSnmpMsg(&recorder, peer.Address(), "marbelo", SNMP_PDU_SET);
        msg->m_pPdu->AddOid("1.3.6.1.2.1.1.4.0", std::string("ops"), SNMP_TYPE_OCTETS);
        msg->SetSnmpCallback(Recorder::Callback());
        const std::uint32_t id = SendSnmpMsg(msg);
        const std::size_t before = recorder.calls.size();
        peer.SendResponse(id, [](CSnmpPdu& pdu) {
            pdu.AddOid("1.3.6.1.2.1.1.4.0", std::string("ops"), SNMP_TYPE_OCTETS);
        });
        EXPECT_TRUE(ProcessEventsUntil([&] { return recorder.calls.size() > before; }));
        return id;
    }

    SnmpPacketLogContents ReadLog() {
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(ReadWholeFile("snmp.log", bytes));
        return ReadSnmpPacketLog(bytes);
    }

    Clock::Manual clock{7000};
    TestPeer peer;
    Recorder recorder;
    fs::path m_oldDir;
    fs::path m_dir;
};

void ExpectOneBinding(const CSnmpMsg& msg, std::uint8_t type) {
    ASSERT_EQ(msg.m_pPdu->m_varBindList.size(), 1u);
    const CSnmpVarBind& vb = *msg.m_pPdu->m_varBindList.front();
    EXPECT_EQ(vb.m_strOid, "1.3.6.1.2.1.1.4.0");
    EXPECT_EQ(vb.m_byType, type);
}

TEST_F(PacketLogTest, RequestAndReplyAreAppendedAsTwoRecords) {
    const std::uint32_t id = Exchange();
    SnmpPacketLogContents log = ReadLog();
    EXPECT_FALSE(log.damaged) << log.damage;
    ASSERT_EQ(log.records.size(), 2u);

    const CSnmpMsg& request = *log.records[0];
    EXPECT_EQ(request.m_strIpAddr, peer.Address());
    EXPECT_EQ(request.m_strCommunity, "marbelo");
    EXPECT_EQ(request.m_wPduType, SNMP_PDU_SET);
    EXPECT_EQ(request.m_pPdu->m_dwReqId, id);
    ExpectOneBinding(request, SNMP_TYPE_OCTETS);

    const CSnmpMsg& reply = *log.records[1];
    EXPECT_EQ(reply.m_strIpAddr, "127.0.0.1") << "the sender's address";
    EXPECT_EQ(reply.m_strCommunity, "tessla");
    EXPECT_EQ(reply.m_wPduType, SNMP_PDU_RESPONSE);
    EXPECT_EQ(reply.m_pPdu->m_dwReqId, id);
    ExpectOneBinding(reply, SNMP_TYPE_OCTETS);
}

TEST_F(PacketLogTest, LaterExchangesAppendWithoutTruncating) {
    const std::uint32_t first = Exchange();
    const std::uint32_t second = Exchange();
    SnmpPacketLogContents log = ReadLog();
    ASSERT_EQ(log.records.size(), 4u);
    EXPECT_EQ(log.records[0]->m_pPdu->m_dwReqId, first);
    EXPECT_EQ(log.records[3]->m_pPdu->m_dwReqId, second);
    EXPECT_EQ(log.records[3]->m_wPduType, SNMP_PDU_RESPONSE);
}

TEST_F(PacketLogTest, FailedSendsAndUndecodableDatagramsAreLoggedToo) {
    auto* msg = new CSnmpMsg(&recorder, "127.0.0.1:0", "tessla", SNMP_PDU_GET);
    msg->SetSnmpCallback(Recorder::Callback());
    SendSnmpMsg(msg);
    peer.SendRaw({0x31, 0x00});
    Exchange();
    SnmpPacketLogContents log = ReadLog();
    ASSERT_EQ(log.records.size(), 4u);
    EXPECT_EQ(log.records[0]->m_strIpAddr, "127.0.0.1:0") << "the send that failed";
    EXPECT_EQ(log.records[1]->m_wPduType, SNMP_PDU_SET);
    EXPECT_EQ(log.records[2]->m_strIpAddr, "127.0.0.1") << "the datagram that failed";
    EXPECT_EQ(log.records[2]->m_wPduType, 0);
    EXPECT_EQ(log.records[3]->m_wPduType, SNMP_PDU_RESPONSE);
}

TEST_F(PacketLogTest, NothingIsWrittenWhileLoggingIsOff) {
    GetSnmpSocket()->m_bLogPackets = 0;
    Exchange();
    EXPECT_FALSE(fs::exists("snmp.log"));
}

TEST(PacketLogReader, StopsAtADamagedRecordAndKeepsTheOnesBefore) {
    CSnmpMsg msg(nullptr, "10.0.0.1", "tessla", SNMP_PDU_GET);
    msg.m_pPdu->AddOid("1.3.6.1.2.1.1.1.0");
    CArchive ar;
    msg.Serialize(ar);
    std::vector<std::uint8_t> bytes = ar.Bytes();
    const std::size_t firstSize = bytes.size();
    bytes.insert(bytes.end(), ar.Bytes().begin(), ar.Bytes().end() - 3);

    SnmpPacketLogContents log = ReadSnmpPacketLog(bytes);
    ASSERT_EQ(log.records.size(), 1u);
    EXPECT_EQ(log.records[0]->m_strIpAddr, "10.0.0.1");
    EXPECT_TRUE(log.damaged);
    EXPECT_EQ(log.damagedOffset, firstSize);
}

} // namespace
