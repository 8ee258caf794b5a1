// Reads every object of every module table from a simulated switch started as a child process
// on a free loopback port. The switch defines its MIB independently of module/tables, so an
// object that one side lists and the other does not, or lists with another type, shows here.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QUdpSocket>

#include <cctype>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "snmp/CSnmpMsg.h"
#include "tests/module/TableCatalog.h"

#ifndef TAUREL_AGENT_PATH
#error "TAUREL_AGENT_PATH must name the taurel-agent program"
#endif

namespace {
// The switch's communities are the module's defaults.
constexpr const char* kReadCommunity = "tessla";
constexpr const char* kWriteCommunity = "marbelo";
constexpr int kReplyWaitMs = 5000;
constexpr int kStartupWaitMs = 10000;
// A trap receiver the run may add when the switch starts without any.
constexpr const char* kReceiverInstance = ".127.0.0.1";

struct MsgRelease {
    void operator()(CSnmpMsg* msg) const { CSnmpMsg::Release(msg); }
};
using MsgPtr = std::unique_ptr<CSnmpMsg, MsgRelease>;

std::vector<unsigned long> OidNumbers(const std::string& oid) {
    std::vector<unsigned long> numbers;
    std::stringstream in(oid);
    std::string part;
    while (std::getline(in, part, '.')) {
        if (!part.empty()) {
            numbers.push_back(std::stoul(part));
        }
    }
    return numbers;
}

bool OidAfter(const std::string& later, const std::string& earlier) {
    return OidNumbers(earlier) < OidNumbers(later);
}

std::uint8_t WireType(const _NmOidTable& row) {
    return row.byType == SNMP_TYPE_MAC ? std::uint8_t{SNMP_TYPE_OCTETS} : row.byType;
}

bool IsWriteOnly(const _NmOidTable& row) {
    return (row.wAccess & SNMP_ACCESS_MASK) == SNMP_ACCESS_WRITEONLY;
}

quint16 FreeUdpPort() {
    QUdpSocket probe;
    if (!probe.bind(QHostAddress::LocalHost, 0)) {
        return 0;
    }
    return probe.localPort();
}

class TablesAgentE2E : public ::testing::TestWithParam<CatalogTable> {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "module_tables_agent_e2e_tests";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);
        }
    }

    void SetUp() override {
        m_port = FreeUdpPort();
        ASSERT_NE(m_port, 0) << "no free loopback port";
        ASSERT_TRUE(m_socket.bind(QHostAddress::LocalHost, 0));
        m_agent.setProcessChannelMode(QProcess::MergedChannels);
        m_agent.start(TAUREL_AGENT_PATH, {"--listen", QString("127.0.0.1:%1").arg(m_port)});
        ASSERT_TRUE(m_agent.waitForStarted(kStartupWaitMs)) << TAUREL_AGENT_PATH;
        ASSERT_TRUE(WaitUntilAnswering()) << "the switch did not answer; its output:\n"
                                          << m_agent.readAll().toStdString();
    }

    void TearDown() override {
        if (m_agent.state() != QProcess::NotRunning) {
            m_agent.terminate();
            if (!m_agent.waitForFinished(3000)) {
                m_agent.kill();
                m_agent.waitForFinished(3000);
            }
        }
    }

    // Sends `request` and waits for the reply that carries its request id.
    MsgPtr Exchange(CSnmpMsg& request, int waitMs = kReplyWaitMs) {
        try {
            request.SnmpEncode();
        } catch (const CSnmpException& e) {
            ADD_FAILURE() << "encoding failed: " << e.m_strMessage;
            return nullptr;
        }
        m_socket.writeDatagram(reinterpret_cast<const char*>(request.m_buf), request.m_nLen,
                               QHostAddress::LocalHost, m_port);
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < waitMs) {
            if (!m_socket.hasPendingDatagrams() &&
                !m_socket.waitForReadyRead(static_cast<int>(waitMs - timer.elapsed()))) {
                break;
            }
            while (m_socket.hasPendingDatagrams()) {
                if (MsgPtr reply = ReadReply();
                    reply && reply->m_pPdu->m_dwReqId == request.m_pPdu->m_dwReqId) {
                    return reply;
                }
            }
        }
        return nullptr;
    }

    MsgPtr Request(std::uint16_t pduType, const std::string& name) {
        CSnmpMsg request(nullptr, "127.0.0.1", kReadCommunity, pduType);
        request.m_pPdu->AddOid(name);
        return Exchange(request);
    }

    // The instance of the first row the switch lists, adding a row to a table whose entries
    // are created through a status column when the switch starts with none.
    std::string FirstRowInstance(const CatalogTable& table) {
        const std::string column = std::string(table.rows[0].szOid) + ".";
        MsgPtr reply = Request(SNMP_PDU_GETNEXT, table.rows[0].szOid);
        if (!reply) {
            ADD_FAILURE() << "no reply to get-next of " << column;
            return {};
        }
        const auto& binds = reply->m_pPdu->m_varBindList;
        if (reply->m_pPdu->m_dwErrorStatus == 0 && !binds.empty() &&
            binds.front()->m_strOid.rfind(column, 0) == 0) {
            return binds.front()->m_strOid.substr(column.size() - 1);
        }
        return CreateRow(table);
    }

    std::string CreateRow(const CatalogTable& table) {
        CSnmpMsg request(nullptr, "127.0.0.1", kWriteCommunity, SNMP_PDU_SET);
        bool hasStatus = false;
        for (int i = 0; i < table.count; ++i) {
            const _NmOidTable& row = table.rows[i];
            if (IsIndexColumn(row) || (row.wAccess & SNMP_ACCESS_MASK) == SNMP_ACCESS_READONLY) {
                continue;
            }
            const std::string name = row.szOid + std::string(kReceiverInstance);
            if (IsRowStatusColumn(row)) {
                hasStatus = true;
                request.m_pPdu->AddOid(name, std::uint32_t{3}, SNMP_TYPE_INTEGER); // "Enable"
            } else if (row.byType == SNMP_TYPE_OCTETS) {
                request.m_pPdu->AddOid(name, std::string(kReadCommunity), SNMP_TYPE_OCTETS);
            }
        }
        if (!hasStatus || table.rows[0].byType != SNMP_TYPE_IPADDR) {
            ADD_FAILURE() << table.name << ": the switch lists no rows";
            return {};
        }
        MsgPtr reply = Exchange(request);
        if (!reply) {
            ADD_FAILURE() << table.name << ": no reply to adding a row at " << kReceiverInstance;
            return {};
        }
        if (reply->m_pPdu->m_dwErrorStatus != 0) {
            ADD_FAILURE() << table.name << ": adding a row at " << kReceiverInstance
                          << " failed with error status " << reply->m_pPdu->m_dwErrorStatus
                          << ", index " << reply->m_pPdu->m_dwErrorIndex;
            return {};
        }
        return kReceiverInstance;
    }

    void CheckGet(const _NmOidTable& row, const std::string& instance) {
        const std::string name = row.szOid + instance;
        MsgPtr reply = Request(SNMP_PDU_GET, name);
        ASSERT_NE(reply, nullptr) << "no reply to get " << name;
        EXPECT_EQ(reply->m_pPdu->m_dwErrorStatus, 0u)
            << "get " << name << ": error index " << reply->m_pPdu->m_dwErrorIndex;
        ASSERT_EQ(reply->m_pPdu->m_varBindList.size(), 1u) << name;
        const CSnmpVarBind* bind = reply->m_pPdu->m_varBindList.front();
        EXPECT_EQ(bind->m_strOid, name);
        if (reply->m_pPdu->m_dwErrorStatus == 0) {
            EXPECT_EQ(int{bind->m_byType}, int{WireType(row)}) << name << ": value type";
        }
    }

    // A write-only object is never read; a get-next from its OID must still be answered and
    // move on past it.
    void CheckGetNext(const _NmOidTable& row) {
        MsgPtr reply = Request(SNMP_PDU_GETNEXT, row.szOid);
        ASSERT_NE(reply, nullptr) << "no reply to get-next " << row.szOid;
        EXPECT_EQ(reply->m_pPdu->m_dwErrorStatus, 0u) << "get-next " << row.szOid;
        ASSERT_EQ(reply->m_pPdu->m_varBindList.size(), 1u);
        EXPECT_TRUE(OidAfter(reply->m_pPdu->m_varBindList.front()->m_strOid, row.szOid))
            << reply->m_pPdu->m_varBindList.front()->m_strOid;
    }

private:
    bool WaitUntilAnswering() {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < kStartupWaitMs) {
            if (m_agent.state() == QProcess::NotRunning) {
                return false;
            }
            CSnmpMsg probe(nullptr, "127.0.0.1", kReadCommunity, SNMP_PDU_GET);
            probe.m_pPdu->AddOid("1.3.6.1.2.1.1.1.0");
            if (Exchange(probe, 200)) {
                return true;
            }
        }
        return false;
    }

    MsgPtr ReadReply() {
        const qint64 size = m_socket.pendingDatagramSize();
        std::vector<char> datagram(static_cast<std::size_t>(size > 0 ? size : 1));
        const qint64 got = m_socket.readDatagram(datagram.data(), size > 0 ? size : 1);
        if (got <= 0 || got > kSnmpBufferSize) {
            return nullptr;
        }
        MsgPtr reply(new CSnmpMsg(nullptr, "", "", 0));
        std::memcpy(reply->m_buf, datagram.data(), static_cast<std::size_t>(got));
        reply->m_nLen = static_cast<int>(got);
        try {
            reply->SnmpDecode();
        } catch (const CSnmpException& e) {
            ADD_FAILURE() << "undecodable reply: " << e.m_strMessage;
            return nullptr;
        }
        return reply;
    }

    QProcess m_agent;
    QUdpSocket m_socket;
    quint16 m_port = 0;
};

TEST_P(TablesAgentE2E, EveryObjectIsServed) {
    const CatalogTable& table = GetParam();
    const std::string instance = table.instance ? table.instance : FirstRowInstance(table);
    ASSERT_FALSE(instance.empty()) << table.name;
    for (int i = 0; i < table.count; ++i) {
        SCOPED_TRACE(std::string(table.name) + ": " + table.rows[i].szName);
        if (IsWriteOnly(table.rows[i])) {
            CheckGetNext(table.rows[i]);
        } else {
            CheckGet(table.rows[i], instance);
        }
    }
}

std::string TableTestName(const ::testing::TestParamInfo<CatalogTable>& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c) {
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(ModuleTables, TablesAgentE2E, ::testing::ValuesIn(ModuleTables()),
                         TableTestName);
} // namespace
