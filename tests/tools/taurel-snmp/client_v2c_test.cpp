// The client's SNMPv2c side: its options, how it prints what only SNMPv2c carries, a bulk walk
// against a scripted agent, and a host name that does not resolve.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/core/Clock.h"
#include "snmp/SnmpErrorStatus.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/TestPeer.h"
#include "tools/taurel-snmp/ClientArgs.h"
#include "tools/taurel-snmp/ClientSession.h"
#include "tools/taurel-snmp/ClientValueText.h"

namespace {

ClientCommand Parse(const std::vector<std::string>& args) {
    ClientCommand command;
    std::string error;
    EXPECT_TRUE(ParseClientArgs(args, command, error)) << error;
    return command;
}

TEST(ClientV2cArgs, VersionRetriesTimeoutAndBulkOptions) {
    const ClientCommand plain = Parse({"get", "h", "1.3"});
    EXPECT_EQ(plain.version, SNMP_VERSION_1);
    EXPECT_EQ(plain.retries, 5);
    EXPECT_EQ(plain.timeoutMs, 1000);

    const ClientCommand bulk = Parse(
        {"-v2c", "-r", "0", "-t", "0.25", "-Cn1", "-C", "r25", "bulkget", "h:1161", "1.3", "1.4"});
    EXPECT_EQ(bulk.action, ClientAction::BulkGet);
    EXPECT_EQ(bulk.version, SNMP_VERSION_2C);
    EXPECT_EQ(bulk.retries, 0);
    EXPECT_EQ(bulk.timeoutMs, 250);
    EXPECT_EQ(bulk.nonRepeaters, 1);
    EXPECT_EQ(bulk.maxRepetitions, 25);

    EXPECT_TRUE(Parse({"-v", "2c", "-Cb", "walk", "h", "1.3"}).walkWithBulk);
    EXPECT_EQ(Parse({"--help"}).action, ClientAction::Help);
    EXPECT_EQ(Parse({"-c", "x", "--version", "junk"}).action, ClientAction::Version);
}

TEST(ClientV2cArgs, TimeoutTextIsSecondsOrTheOldMilliseconds) {
    const std::vector<std::pair<std::string, int>> good = {
        {"1", 1000}, {"0.5", 500}, {"2.125", 2125}, {"99", 99000}, {"100", 100}, {"2000", 2000}};
    for (const auto& [text, ms] : good) {
        int value = 0;
        EXPECT_TRUE(ParseTimeoutText(text, value)) << text;
        EXPECT_EQ(value, ms) << text;
    }
    for (const std::string text :
         {"", "0", "0.0", "0.0001", "1.", ".", "-1", "1e3", "1.5s", "86400001", "100000000"}) {
        int value = 0;
        EXPECT_FALSE(ParseTimeoutText(text, value)) << text;
    }
    int value = 0;
    EXPECT_TRUE(ParseTimeoutText(".5", value));
    EXPECT_EQ(value, 500);
}

TEST(ClientV2cArgs, BulkNeedsV2cAndAWalkThatAdvances) {
    const std::vector<std::vector<std::string>> bad = {
        {"bulkwalk", "h", "1.3"},
        {"-v", "1", "bulkget", "h", "1.3"},
        {"-Cb", "walk", "h", "1.3"},
        {"-v", "3", "get", "h", "1.3"},
        {"-v2c", "-Cr0", "bulkwalk", "h", "1.3"},
        {"-v2c", "bulkwalk", "h", "1.3", "1.4"},
        {"-v2c", "-Cx", "bulkget", "h", "1.3"},
        {"-v2c", "-Cr", "bulkget", "h", "1.3"},
        {"-r", "-1", "get", "h", "1.3"},
        {"-r"},
    };
    for (const auto& args : bad) {
        ClientCommand command;
        std::string error;
        EXPECT_FALSE(ParseClientArgs(args, command, error)) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(Parse({"-v2c", "-Cr0", "bulkget", "h", "1.3"}).maxRepetitions, 0);
}

TEST(ClientV2cText, Counter64ExceptionsAndStatusNames) {
    CSnmpVarBind big("1.3");
    big.SetValue(std::int64_t{-1}, SNMP_TYPE_COUNTER64);
    EXPECT_EQ(FormatClientBinding(big), ".1.3 = Counter64: 18446744073709551615");
    const std::vector<std::pair<std::uint8_t, std::string>> exceptions = {
        {SNMP_TYPE_NOSUCHOBJECT, ".1.3 = No Such Object available on this agent at this OID"},
        {SNMP_TYPE_NOSUCHINSTANCE, ".1.3 = No Such Instance currently exists at this OID"},
        {SNMP_TYPE_ENDOFMIBVIEW,
         ".1.3 = No more variables left in this MIB View (It is past the end of the MIB tree)"}};
    for (const auto& [type, line] : exceptions) {
        CSnmpVarBind vb("1.3");
        vb.m_byType = type;
        EXPECT_EQ(FormatClientBinding(vb), line);
    }
    EXPECT_EQ(SnmpErrorStatusName(5), "genErr");
    EXPECT_EQ(SnmpErrorStatusName(6), "noAccess");
    EXPECT_EQ(SnmpErrorStatusName(17), "notWritable");
    EXPECT_EQ(SnmpErrorStatusName(18), "inconsistentName");
    EXPECT_EQ(SnmpErrorStatusName(19), "error(19)");
    EXPECT_EQ(PduTypeName(SNMP_PDU_GETBULK), "getbulk");
}

class ClientV2cSession : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureQtApplication();
        SnmpInit(nullptr);
    }
    void TearDown() override { SnmpDone(); }

    // Answers the session's next request with `bindings` (name and Counter64 value; an empty
    // name marks the end of the agent's view) and returns the request.
    std::unique_ptr<CSnmpMsg> Answer(const std::vector<std::string>& names) {
        auto request = peer.ReceiveRequest();
        if (!request) {
            return request;
        }
        peer.SendRaw(EncodeResponse(
            request->m_pPdu->m_dwReqId,
            [&](CSnmpPdu& pdu) {
                for (const std::string& name : names) {
                    pdu.AddOid(name, std::int64_t{7}, SNMP_TYPE_COUNTER64);
                }
            },
            0, 0, "tessla", SNMP_VERSION_2C));
        return request;
    }

    Clock::Manual clock{3000};
    TestPeer peer;
    std::ostringstream out, err;
};

TEST_F(ClientV2cSession, BulkWalkStepsFromTheLastNameAndStopsAtTheSubtreesEnd) {
    ClientCommand command = Parse({"-v2c", "-Cr3", "bulkwalk", peer.Address(), "1.3.6.1.9"});
    ClientSession session(command, out, err);
    session.Start();
    const auto first = Answer({"1.3.6.1.9.1", "1.3.6.1.9.2", "1.3.6.1.9.10"});
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_nVersion, SNMP_VERSION_2C);
    EXPECT_EQ(first->m_wPduType & 0xFF, SNMP_PDU_GETBULK);
    EXPECT_EQ(first->m_pPdu->m_dwErrorStatus, 0u) << "non-repeaters";
    EXPECT_EQ(first->m_pPdu->m_dwErrorIndex, 3u) << "max-repetitions";
    ASSERT_TRUE(ProcessEventsUntil([&] { return out.str().size() > 0; }));

    const auto second = Answer({"1.3.6.1.9.11", "1.3.6.1.10.1", "1.3.6.1.10.2"});
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->m_pPdu->m_varBindList.front()->m_strOid, "1.3.6.1.9.10");
    ASSERT_TRUE(ProcessEventsUntil([&] { return session.Finished(); }));
    EXPECT_EQ(session.ExitCode(), CLIENT_OK) << err.str();
    EXPECT_EQ(out.str(), ".1.3.6.1.9.1 = Counter64: 7\n.1.3.6.1.9.2 = Counter64: 7\n"
                         ".1.3.6.1.9.10 = Counter64: 7\n.1.3.6.1.9.11 = Counter64: 7\n");
    EXPECT_EQ(peer.ReceiveRequest(100), nullptr) << "nothing sent past the subtree";
}

TEST_F(ClientV2cSession, GetNextWalkOnV2cEndsAtEndOfMibView) {
    ClientCommand command = Parse({"-v", "2c", "walk", peer.Address(), "1.3"});
    ClientSession session(command, out, err);
    session.Start();
    ASSERT_NE(Answer({"1.3.1"}), nullptr);
    ASSERT_TRUE(ProcessEventsUntil([&] { return out.str().size() > 0; }));
    auto request = peer.ReceiveRequest();
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->m_wPduType & 0xFF, SNMP_PDU_GETNEXT);
    peer.SendRaw(EncodeResponse(
        request->m_pPdu->m_dwReqId,
        [](CSnmpPdu& pdu) {
            pdu.AddOid("1.3.1");
            pdu.m_varBindList.back()->m_byType = SNMP_TYPE_ENDOFMIBVIEW;
        },
        0, 0, "tessla", SNMP_VERSION_2C));
    ASSERT_TRUE(ProcessEventsUntil([&] { return session.Finished(); }));
    EXPECT_EQ(session.ExitCode(), CLIENT_OK) << err.str();
    EXPECT_EQ(out.str(), ".1.3.1 = Counter64: 7\n.1.3.1 = No more variables left in this MIB View "
                         "(It is past the end of the MIB tree)\n");
}

TEST_F(ClientV2cSession, UnknownHostIsNamedAndNothingIsSent) {
    ClientCommand command = Parse({"get", "nosuch.invalid", "1.3.6.1.2.1.1.1.0"});
    ClientSession session(command, out, err);
    session.Start();
    ASSERT_TRUE(session.Finished());
    EXPECT_EQ(session.ExitCode(), CLIENT_FAILURE);
    EXPECT_EQ(err.str(), "taurel-snmp: Unknown host (nosuch.invalid)\n");
    EXPECT_TRUE(GetSnmpSocket()->m_msgList.empty());
}

} // namespace
