// A session against agents that answer as strict or broken agents do, scripted byte by byte:
// unsigned values a strict agent can read, a report in place of a response, a walk that does
// not advance, a walk of one object, several refused names in one get, and SNMPv3 replies that
// fail their checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include <QUdpSocket>

#include "platform/core/Clock.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/TestPeer.h"
#include "tests/snmp/usm/UsmTestAgent.h"
#include "tools/taurel-snmp/ClientArgs.h"
#include "tools/taurel-snmp/ClientSession.h"

namespace {

using Octets = std::vector<std::uint8_t>;

bool Contains(const Octets& bytes, const Octets& part) {
    return std::search(bytes.begin(), bytes.end(), part.begin(), part.end()) != bytes.end();
}

class ClientFaults : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        SnmpInit(nullptr);
    }
    void TearDown() override { SnmpDone(); }

    void Start(const std::vector<std::string>& args) {
        ClientCommand command;
        std::string error;
        ASSERT_TRUE(ParseClientArgs(args, command, error)) << error;
        session = std::make_unique<ClientSession>(command, out, err);
        session->Start();
    }
    // Answers the next request with `names` (INTEGER 1 each) and returns the request.
    std::unique_ptr<CSnmpMsg> Answer(const std::vector<std::string>& names, int version,
                                     std::uint32_t errorStatus = 0, std::uint32_t errorIndex = 0) {
        auto request = peer.ReceiveRequest();
        if (request) {
            peer.SendRaw(EncodeResponse(
                request->m_pPdu->m_dwReqId,
                [&](CSnmpPdu& pdu) {
                    for (const std::string& name : names) {
                        pdu.AddOid(name, std::uint32_t{1}, SNMP_TYPE_INTEGER);
                    }
                },
                errorStatus, errorIndex, "tessla", version));
            // Until the engine has taken the reply: the session's next request follows it.
            const std::uint32_t id = request->m_pPdu->m_dwReqId;
            ProcessEventsUntil([id] {
                const auto& waiting = GetSnmpSocket()->m_msgList;
                return std::none_of(waiting.begin(), waiting.end(), [id](const CSnmpMsg* msg) {
                    return msg->m_pPdu->m_dwReqId == id;
                });
            });
        }
        return request;
    }
    bool Finished() {
        return ProcessEventsUntil([&] { return session->Finished(); });
    }
    static std::vector<std::string> Names(const CSnmpMsg& msg) {
        std::vector<std::string> names;
        for (const CSnmpVarBind* vb : msg.m_pPdu->m_varBindList) {
            names.push_back(vb->m_strOid);
        }
        return names;
    }

    Clock::Manual clock{7000};
    TestPeer peer;
    std::ostringstream out, err;
    std::unique_ptr<ClientSession> session;
};

TEST_F(ClientFaults, UnsignedValuesOf2To31AndMoreGoOutAsNonNegativeIntegers) {
    Start({"-v2c", "set", peer.Address(), "1.3.6.1.9.1", "u", "3000000000", "1.3.6.1.9.2", "c",
           "4294967295", "1.3.6.1.9.3", "t", "2147483648", "1.3.6.1.9.4", "g", "2147483647"});
    const auto request = peer.ReceiveRequest();
    ASSERT_NE(request, nullptr);
    const Octets& sent = peer.LastDatagram();
    EXPECT_TRUE(Contains(sent, {0x42, 0x05, 0x00, 0xB2, 0xD0, 0x5E, 0x00}));
    EXPECT_TRUE(Contains(sent, {0x41, 0x05, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(Contains(sent, {0x43, 0x05, 0x00, 0x80, 0x00, 0x00, 0x00}));
    EXPECT_TRUE(Contains(sent, {0x42, 0x04, 0x7F, 0xFF, 0xFF, 0xFF})) << "below 2^31 as before";
    // Read back as it went out.
    const auto& bindings = request->m_pPdu->m_varBindList;
    ASSERT_EQ(bindings.size(), 4u);
    EXPECT_EQ(bindings.front()->GetUInt32(), 3000000000u);
    EXPECT_EQ(bindings.front()->m_byType, SNMP_TYPE_GAUGE);
}

TEST_F(ClientFaults, AReportInPlaceOfTheResponseIsARefusalNotTheAnswer) {
    Start({"-v2c", "get", peer.Address(), "1.3.6.1.2.1.1.5.0"});
    const auto request = peer.ReceiveRequest();
    ASSERT_NE(request, nullptr);
    Octets report = EncodeResponse(
        request->m_pPdu->m_dwReqId,
        [](CSnmpPdu& pdu) {
            pdu.AddOid("1.3.6.1.6.3.15.1.1.4.0", std::uint32_t{1}, SNMP_TYPE_COUNTER);
        },
        0, 0, "tessla", SNMP_VERSION_2C);
    const auto pduTag = std::find(report.begin() + 7, report.end(), SNMP_PDU_RESPONSE);
    ASSERT_NE(pduTag, report.end());
    *pduTag = SNMP_PDU_REPORT;
    peer.SendRaw(report);
    ASSERT_TRUE(Finished());
    EXPECT_EQ(session->ExitCode(), CLIENT_FAILURE);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "taurel-snmp: Unknown engine ID\n");
}

TEST_F(ClientFaults, AWalkThatDoesNotAdvancePrintsTheRowThenStopsWithNetSnmpsError) {
    // The agent answers the root with the root itself.
    Start({"-v2c", "walk", peer.Address(), "1.3.6.1.9"});
    ASSERT_NE(Answer({"1.3.6.1.9"}, SNMP_VERSION_2C), nullptr);
    ASSERT_TRUE(Finished());
    EXPECT_EQ(session->ExitCode(), CLIENT_FAILURE);
    EXPECT_EQ(out.str(), ".1.3.6.1.9 = INTEGER: 1\n");
    EXPECT_EQ(err.str(), "Error: OID not increasing: .1.3.6.1.9\n >= .1.3.6.1.9\n\n");
    EXPECT_EQ(peer.ReceiveRequest(100), nullptr) << "nothing is asked again";

    // A bulk walk whose second step goes back.
    out.str("");
    err.str("");
    Start({"-v2c", "-Cr2", "bulkwalk", peer.Address(), "1.3.6.1.9"});
    ASSERT_NE(Answer({"1.3.6.1.9.1", "1.3.6.1.9.5"}, SNMP_VERSION_2C), nullptr);
    const auto second = Answer({"1.3.6.1.9.4", "1.3.6.1.9.6"}, SNMP_VERSION_2C);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Names(*second), (std::vector<std::string>{"1.3.6.1.9.5"}));
    ASSERT_TRUE(Finished());
    EXPECT_EQ(session->ExitCode(), CLIENT_FAILURE);
    EXPECT_EQ(out.str(), ".1.3.6.1.9.1 = INTEGER: 1\n.1.3.6.1.9.5 = INTEGER: 1\n"
                         ".1.3.6.1.9.4 = INTEGER: 1\n.1.3.6.1.9.6 = INTEGER: 1\n");
    EXPECT_EQ(err.str(), "Error: OID not increasing: .1.3.6.1.9.5\n >= .1.3.6.1.9.4\n\n");
}

TEST_F(ClientFaults, AWalkOfOneObjectAsksForItWithAGet) {
    Start({"-v2c", "walk", peer.Address(), "1.3.6.1.2.1.1.5.0"});
    const auto step = Answer({"1.3.6.1.2.1.1.6.0"}, SNMP_VERSION_2C);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->m_wPduType & 0xFF, SNMP_PDU_GETNEXT);
    const auto get = Answer({"1.3.6.1.2.1.1.5.0"}, SNMP_VERSION_2C);
    ASSERT_NE(get, nullptr);
    EXPECT_EQ(get->m_wPduType & 0xFF, SNMP_PDU_GET);
    EXPECT_EQ(Names(*get), (std::vector<std::string>{"1.3.6.1.2.1.1.5.0"}));
    ASSERT_TRUE(Finished());
    EXPECT_EQ(session->ExitCode(), CLIENT_OK);
    EXPECT_EQ(out.str(), ".1.3.6.1.2.1.1.5.0 = INTEGER: 1\n");
}

TEST_F(ClientFaults, AV1GetTellsEveryRefusedNameAndPrintsTheOthers) {
    Start({"get", peer.Address(), "1.3.6.1.9.1", "1.3.6.1.9.2", "1.3.6.1.9.3"});
    const auto first = Answer({"1.3.6.1.9.1", "1.3.6.1.9.2", "1.3.6.1.9.3"}, SNMP_VERSION_1, 2, 3);
    ASSERT_NE(first, nullptr);
    const auto second = Answer({"1.3.6.1.9.1", "1.3.6.1.9.2"}, SNMP_VERSION_1, 2, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Names(*second), (std::vector<std::string>{"1.3.6.1.9.1", "1.3.6.1.9.2"}));
    EXPECT_NE(second->m_pPdu->m_dwReqId, first->m_pPdu->m_dwReqId);
    const auto third = Answer({"1.3.6.1.9.2"}, SNMP_VERSION_1);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(Names(*third), (std::vector<std::string>{"1.3.6.1.9.2"}));
    ASSERT_TRUE(Finished());
    EXPECT_EQ(session->ExitCode(), CLIENT_ERROR_STATUS);
    EXPECT_EQ(out.str(), ".1.3.6.1.9.2 = INTEGER: 1\n");
    const std::string reason = "Error in packet\nReason: (noSuchName) There is no such variable "
                               "name in this MIB.\nFailed object: ";
    EXPECT_EQ(err.str(), reason + ".1.3.6.1.9.3\n\n" + reason + ".1.3.6.1.9.1\n\n");
}

// The published example user ("ops", SHA-1 and AES keys from "maplesyrup") at an agent that
// answers every request with `answer`'s datagrams.
class ClientV3Faults : public ClientFaults {
protected:
    void SetUp() override {
        ClientFaults::SetUp();
        agent.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&agent, &QUdpSocket::readyRead, [this] {
            while (agent.hasPendingDatagrams()) {
                Octets bytes(static_cast<std::size_t>(agent.pendingDatagramSize()));
                agent.readDatagram(reinterpret_cast<char*>(bytes.data()),
                                   static_cast<qint64>(bytes.size()));
                std::size_t offset = 0;
                const SnmpV3Message msg = DecodeV3Message(bytes.data(), bytes.size(), offset);
                for (const Octets& reply : answer(msg)) {
                    agent.writeDatagram(reinterpret_cast<const char*>(reply.data()),
                                        static_cast<qint64>(reply.size()), QHostAddress::LocalHost,
                                        GetSnmpSocket()->GetLocalPort());
                }
                ++requests;
            }
        });
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(agent.localPort()); }

    QUdpSocket agent;
    int requests = 0;
    std::function<std::vector<Octets>(const SnmpV3Message&)> answer;
};

TEST_F(ClientV3Faults, RepliesThatFailTheirChecksAreNamedAndNeverTakenForTheAnswer) {
    answer = [](const SnmpV3Message& msg) {
        // A response with one binding, sysName = "forged".
        Octets pdu = FromHex("a21f020100020100020100301430"
                             "1206082b06010201010500040666"
                             "6f72676564");
        pdu[4] = static_cast<std::uint8_t>(msg.msgId);
        Octets badMac = AgentMessage(kV3FlagAuth | kV3FlagPriv, pdu, 4, 1000, msg.msgId);
        std::size_t authOffset = 0;
        DecodeV3Message(badMac.data(), badMac.size(), authOffset);
        badMac[authOffset] ^= 0x01;
        return std::vector<Octets>{
            badMac, AgentMessage(kV3FlagAuth | kV3FlagPriv, pdu, 4, 1000, msg.msgId, 3)};
    };
    CSnmpMsg::m_sdwReqid = 40; // one-octet ids in the scripted PDU
    Start({"-v3", "-u",  "ops",        "-l",         "ap",
           "-a",  "SHA", "-A",         "maplesyrup", "-x",
           "AES", "-X",  "maplesyrup", "-e",         "000000000000000000000002",
           "-r",  "0",   "get",        Address(),    "1.3.6.1.2.1.1.5.0"});
    ASSERT_TRUE(ProcessEventsUntil([&] { return requests == 1; }));
    ASSERT_FALSE(ProcessEventsUntil([&] { return session->Finished(); }, 300))
        << "the request waits on for a genuine reply";
    clock.advance(2);
    GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId);
    ASSERT_TRUE(session->Finished());
    EXPECT_EQ(session->ExitCode(), CLIENT_FAILURE);
    EXPECT_EQ(out.str(), "") << "nothing forged is printed";
    EXPECT_EQ(err.str(), "Authentication failed for ops\n"
                         "security service 3 error parsing ScopedPDU\n"
                         "Timeout: No Response from " +
                             Address() + ".\n");
}

} // namespace
