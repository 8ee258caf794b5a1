// The client's command line, the values it accepts for set, how it prints bindings, and how a
// session ends when the agent stays silent.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/core/Clock.h"
#include "snmp/NmOidTable.h"
#include "snmp/SnmpTransport.h"
#include "tests/snmp/transport/TestPeer.h"
#include "tools/taurel-snmp/ClientArgs.h"
#include "tools/taurel-snmp/ClientSession.h"
#include "tools/taurel-snmp/ClientSetValue.h"
#include "tools/taurel-snmp/ClientValueText.h"

namespace {

TEST(ClientArgs, CommunitiesDefaultPerCommandAndOptionsComeFirst) {
    ClientCommand get;
    std::string error;
    ASSERT_TRUE(ParseClientArgs({"get", "10.0.0.1", ".1.3.6.1.2.1.1.1.0"}, get, error));
    EXPECT_EQ(get.oids, (std::vector<std::string>{"1.3.6.1.2.1.1.1.0"}));
    EXPECT_EQ(EffectiveCommunity(get), "tessla");
    ClientCommand set;
    ASSERT_TRUE(
        ParseClientArgs({"-t", "2000", "--log", "set", "h:1161", "1.3", "i", "-5"}, set, error));
    EXPECT_EQ(EffectiveCommunity(set), "marbelo");
    EXPECT_EQ(set.timeoutMs, 2000);
    EXPECT_TRUE(set.logPackets);
    EXPECT_EQ(set.sets[0].value, "-5") << "a negative value is not an option";
}

TEST(ClientArgs, RejectsMalformedCommandLines) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"fetch", "10.0.0.1", "1.3"},
        {"get", "10.0.0.1"},
        {"walk", "10.0.0.1", "1.3", "1.4"},
        {"set", "10.0.0.1", "1.3", "s"},
        {"set", "10.0.0.1", "1.3", "z", "1"},
        {"get", "10.0.0.1", "1..3"},
        {"get", "10.0.0.1", "iso.3"},
        {"-t", "0", "get", "10.0.0.1", "1.3"},
        {"-x", "get", "10.0.0.1", "1.3"},
        {"get", "10.0.0.1:70000", "1.3"},
        {"logdump", "a", "b"},
    };
    for (const auto& args : bad) {
        ClientCommand command;
        std::string error;
        EXPECT_FALSE(ParseClientArgs(args, command, error)) << ::testing::PrintToString(args);
    }
}

// The binding `type` and `value` produce, or null when the value is refused.
const CSnmpVarBind* Bind(CSnmpPdu& pdu, char type, const std::string& value) {
    std::string error;
    return AddClientSetBinding(pdu, {"1.3", type, value, "1.3"}, error) ? pdu.m_varBindList.back()
                                                                        : nullptr;
}

TEST(ClientSetValue, EachTypeLetterSendsItsTypeAndRefusesWhatDoesNotFit) {
    CSnmpPdu pdu;
    const std::vector<std::tuple<char, std::string, std::uint8_t, std::string>> good = {
        {'s', "ops", SNMP_TYPE_OCTETS, "ops"},
        {'x', "00 80 c8", SNMP_TYPE_OCTETS, std::string("\x00\x80\xc8", 3)},
        {'o', ".1.3.6.1.4", SNMP_TYPE_OID, "1.3.6.1.4"},
        {'a', "192.168.0.1", SNMP_TYPE_IPADDR, std::string("\xc0\xa8\x00\x01", 4)},
        {'m', "00:80:c8:12:34:56", SNMP_TYPE_OCTETS, std::string("\x00\x80\xc8\x12\x34\x56", 6)},
    };
    for (const auto& [type, value, tag, stored] : good) {
        const CSnmpVarBind* vb = Bind(pdu, type, value);
        ASSERT_NE(vb, nullptr) << type;
        EXPECT_EQ(vb->m_byType, tag) << type;
        EXPECT_EQ(vb->GetText(), stored) << type;
    }
    EXPECT_EQ(Bind(pdu, 'i', "-5")->GetUInt32(), 0xFFFFFFFBu);
    EXPECT_EQ(Bind(pdu, 'c', "4294967295")->m_byType, SNMP_TYPE_COUNTER);
    EXPECT_EQ(Bind(pdu, 'g', "7")->m_byType, SNMP_TYPE_GAUGE);
    EXPECT_EQ(Bind(pdu, 't', "100")->m_byType, SNMP_TYPE_TIMETICKS);

    for (const auto& [type, value] : std::vector<std::pair<char, std::string>>{{'i', "12x"},
                                                                               {'i', "2147483648"},
                                                                               {'c', "-1"},
                                                                               {'c', "4294967296"},
                                                                               {'a', "1.2.3"},
                                                                               {'a', "1.2.3.256"},
                                                                               {'m', "00:80:c8"},
                                                                               {'x', "0g"}}) {
        EXPECT_EQ(Bind(pdu, type, value), nullptr) << type << " " << value;
    }
}

std::string Print(std::uint32_t value, std::uint8_t type) {
    CSnmpVarBind vb("1.3");
    vb.SetValue(value, type);
    return FormatClientBinding(vb);
}

TEST(ClientValueText, OneLinePerBindingWithTypeAndValue) {
    EXPECT_EQ(Print(0xFFFFFFFB, SNMP_TYPE_INTEGER), ".1.3 = INTEGER: -5");
    EXPECT_EQ(Print(4294967295u, SNMP_TYPE_COUNTER), ".1.3 = Counter32: 4294967295");
    EXPECT_EQ(Print(2 * 8640000 + 12345, SNMP_TYPE_TIMETICKS),
              ".1.3 = Timeticks: (17292345) 2 days, 0:02:03.45");
    CSnmpVarBind binary("1.3");
    binary.SetValue(std::string("\x00\x80\xc8", 3), SNMP_TYPE_OCTETS);
    EXPECT_EQ(FormatClientBinding(binary), ".1.3 = Hex-STRING: 00 80 C8 ");
    EXPECT_EQ(FormatClientBinding(CSnmpVarBind("1.3")), ".1.3 = NULL");
}

TEST(ClientWalkOrder, SubtreesAreNumericNotTextual) {
    EXPECT_TRUE(IsInSubtree("1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1"));
    EXPECT_FALSE(IsInSubtree("1.3.6.1.2.1.11.1.0", "1.3.6.1.2.1.1"));
    EXPECT_LT(CompareOids("1.3.6.1.2.1.1.9", "1.3.6.1.2.1.1.10"), 0);
    EXPECT_LT(CompareOids("1.3.6", "1.3.6.0"), 0);
}

TEST(ClientSession, SilentAgentEndsWithTheTimeoutMessageAndStatus1) {
    EnsureQtApplication();
    Clock::Manual clock(9000);
    SnmpInit(nullptr);
    TestPeer silent;
    ClientCommand command;
    command.agent = silent.Address();
    command.oids = {"1.3.6.1.2.1.1.1.0"};
    std::ostringstream out, err;
    ClientSession session(command, out, err);
    session.Start();
    ASSERT_NE(silent.ReceiveRequest(), nullptr);
    clock.advance(1);
    GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId);
    ASSERT_TRUE(session.Finished());
    EXPECT_EQ(session.ExitCode(), 1);
    EXPECT_EQ(err.str(), "Timeout: No Response from " + silent.Address() + ".\n");
    SnmpDone();
}

} // namespace
