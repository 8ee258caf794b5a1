// Reads every object of every module table from the simulated switch, started as a child
// process on a free loopback port. The switch defines its MIB independently of module/tables,
// so an object one side lists and the other lacks, or types differently, shows up here.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QUdpSocket>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <string>

#include "snmp/CSnmpMsg.h"
#include "tests/module/TableCatalog.h"

namespace {
constexpr const char* kReadCommunity = "tessla"; // the switch uses the module's defaults
constexpr const char* kWriteCommunity = "marbelo";
constexpr int kReplyWaitMs = 5000;
constexpr int kStartupWaitMs = 10000;
constexpr const char* kReceiverInstance = ".127.0.0.1"; // added when the switch lists none

struct MsgRelease {
    void operator()(CSnmpMsg* msg) const { CSnmpMsg::Release(msg); }
};
using MsgPtr = std::unique_ptr<CSnmpMsg, MsgRelease>;

class TablesAgentE2E : public ::testing::TestWithParam<CatalogTable> {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "module_tables_agent_e2e_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }

    void SetUp() override {
        QUdpSocket probe; // a port that is free now; the switch binds it right after
        ASSERT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
        m_port = probe.localPort();
        probe.close();
        ASSERT_TRUE(m_socket.bind(QHostAddress::LocalHost, 0));
        m_agent.setProcessChannelMode(QProcess::MergedChannels);
        m_agent.start(TAUREL_AGENT_PATH, {"--listen", QString("127.0.0.1:%1").arg(m_port)});
        ASSERT_TRUE(m_agent.waitForStarted(kStartupWaitMs)) << TAUREL_AGENT_PATH;
        QElapsedTimer timer;
        timer.start();
        while (!Request(SNMP_PDU_GET, "1.3.6.1.2.1.1.1.0", 200)) {
            ASSERT_TRUE(m_agent.state() == QProcess::Running && timer.elapsed() < kStartupWaitMs)
                << "the switch does not answer; its output:\n"
                << m_agent.readAll().toStdString();
        }
    }

    void TearDown() override {
        m_agent.terminate();
        if (!m_agent.waitForFinished(3000)) {
            m_agent.kill();
            m_agent.waitForFinished(3000);
        }
    }

    // Sends `request` and returns the reply carrying its request id, or null.
    MsgPtr Exchange(CSnmpMsg& request, int waitMs = kReplyWaitMs) {
        request.SnmpEncode();
        m_socket.writeDatagram(reinterpret_cast<const char*>(request.m_buf), request.m_nLen,
                               QHostAddress::LocalHost, m_port);
        QElapsedTimer timer;
        timer.start();
        while (m_socket.hasPendingDatagrams() ||
               m_socket.waitForReadyRead(
                   static_cast<int>(std::max<qint64>(0, waitMs - timer.elapsed())))) {
            MsgPtr reply(new CSnmpMsg(nullptr, "", "", 0));
            const qint64 got =
                m_socket.readDatagram(reinterpret_cast<char*>(reply->m_buf), sizeof reply->m_buf);
            if (got <= 0) {
                continue;
            }
            reply->m_nLen = static_cast<int>(got);
            reply->SnmpDecode();
            if (reply->m_pPdu->m_dwReqId == request.m_pPdu->m_dwReqId) {
                return reply;
            }
        }
        return nullptr;
    }

    MsgPtr Request(std::uint16_t pduType, const std::string& name, int waitMs = kReplyWaitMs) {
        CSnmpMsg request(nullptr, "127.0.0.1", kReadCommunity, pduType);
        request.m_pPdu->AddOid(name);
        return Exchange(request, waitMs);
    }

    // The instance of the first row the switch lists. A table whose entries are created
    // through a status column (the trap receivers) gets one when it is empty.
    std::string FirstRowInstance(const CatalogTable& table) {
        const std::string column = std::string(table.rows[0].szOid) + ".";
        MsgPtr reply = Request(SNMP_PDU_GETNEXT, table.rows[0].szOid);
        if (reply && reply->m_pPdu->m_dwErrorStatus == 0 && !reply->m_pPdu->m_varBindList.empty() &&
            reply->m_pPdu->m_varBindList.front()->m_strOid.rfind(column, 0) == 0) {
            return reply->m_pPdu->m_varBindList.front()->m_strOid.substr(column.size() - 1);
        }
        CSnmpMsg add(nullptr, "127.0.0.1", kWriteCommunity, SNMP_PDU_SET);
        for (int i = 0; i < table.count; ++i) {
            const std::string name = table.rows[i].szOid + std::string(kReceiverInstance);
            if (IsRowStatusColumn(table.rows[i])) {
                add.m_pPdu->AddOid(name, std::uint32_t{3}, SNMP_TYPE_INTEGER); // "Enable"
            } else if (table.rows[i].byType == SNMP_TYPE_OCTETS) {
                add.m_pPdu->AddOid(name, std::string(kReadCommunity), SNMP_TYPE_OCTETS);
            }
        }
        EXPECT_EQ(table.rows[0].byType, SNMP_TYPE_IPADDR) << table.name << " lists no rows";
        MsgPtr added = Exchange(add);
        EXPECT_TRUE(added && added->m_pPdu->m_dwErrorStatus == 0)
            << table.name << ": adding a row at " << kReceiverInstance << " failed";
        return kReceiverInstance;
    }

    void CheckGet(const _NmOidTable& row, const std::string& instance) {
        const std::string name = row.szOid + instance;
        MsgPtr reply = Request(SNMP_PDU_GET, name);
        ASSERT_NE(reply, nullptr) << "no reply to get " << name;
        ASSERT_EQ(reply->m_pPdu->m_dwErrorStatus, 0u) << "get " << name;
        ASSERT_EQ(reply->m_pPdu->m_varBindList.size(), 1u) << name;
        const CSnmpVarBind* bind = reply->m_pPdu->m_varBindList.front();
        EXPECT_EQ(bind->m_strOid, name);
        const int wireType = row.byType == SNMP_TYPE_MAC ? int{SNMP_TYPE_OCTETS} : int{row.byType};
        EXPECT_EQ(int{bind->m_byType}, wireType) << name << ": value type";
    }

    // A write-only object is never read (reading the reset object has no meaning); a get-next
    // from its OID must still be answered with some later object.
    void CheckGetNext(const _NmOidTable& row) {
        MsgPtr reply = Request(SNMP_PDU_GETNEXT, row.szOid);
        ASSERT_NE(reply, nullptr) << "no reply to get-next " << row.szOid;
        EXPECT_EQ(reply->m_pPdu->m_dwErrorStatus, 0u) << "get-next " << row.szOid;
        ASSERT_EQ(reply->m_pPdu->m_varBindList.size(), 1u);
        EXPECT_NE(reply->m_pPdu->m_varBindList.front()->m_strOid, row.szOid);
    }

    QProcess m_agent;
    QUdpSocket m_socket;
    quint16 m_port = 0;
};

TEST_P(TablesAgentE2E, EveryObjectIsServed) {
    const CatalogTable& table = GetParam();
    try {
        const std::string instance = table.instance ? table.instance : FirstRowInstance(table);
        for (int i = 0; i < table.count; ++i) {
            SCOPED_TRACE(std::string(table.name) + ": " + table.rows[i].szName);
            if ((table.rows[i].wAccess & SNMP_ACCESS_MASK) == SNMP_ACCESS_WRITEONLY) {
                CheckGetNext(table.rows[i]);
            } else {
                CheckGet(table.rows[i], instance);
            }
        }
    } catch (const CSnmpException& e) {
        FAIL() << "encoding or decoding failed: " << e.m_strMessage;
    }
}

std::string TableTestName(const ::testing::TestParamInfo<CatalogTable>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(ModuleTables, TablesAgentE2E, ::testing::ValuesIn(ModuleTables()),
                         TableTestName);
} // namespace
