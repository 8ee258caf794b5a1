// The client's command line, the values it accepts for set, and how it prints bindings.
#include <gtest/gtest.h>

#include "snmp/NmOidTable.h"
#include "tools/taurel-snmp/ClientArgs.h"
#include "tools/taurel-snmp/ClientSession.h"
#include "tools/taurel-snmp/ClientSetValue.h"
#include "tools/taurel-snmp/ClientValueText.h"

namespace {

bool Parse(const std::vector<std::string>& args, ClientCommand& command) {
    std::string error;
    return ParseClientArgs(args, command, error);
}

TEST(ClientArgs, ReadCommandsUseTheReadCommunityUnlessOneIsGiven) {
    ClientCommand get;
    ASSERT_TRUE(Parse({"get", "10.0.0.1", ".1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.5.0"}, get));
    EXPECT_EQ(get.action, ClientAction::Get);
    EXPECT_EQ(get.agent, "10.0.0.1");
    EXPECT_EQ(get.oids, (std::vector<std::string>{"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.5.0"}));
    EXPECT_EQ(EffectiveCommunity(get), "tessla");
    EXPECT_EQ(get.timeoutMs, 500);
    EXPECT_FALSE(get.logPackets);

    ClientCommand walk;
    ASSERT_TRUE(Parse({"-c", "private", "-t", "2000", "--log", "walk", "h:1161", "1.3"}, walk));
    EXPECT_EQ(walk.action, ClientAction::Walk);
    EXPECT_EQ(EffectiveCommunity(walk), "private");
    EXPECT_EQ(walk.timeoutMs, 2000);
    EXPECT_TRUE(walk.logPackets);
}

TEST(ClientArgs, SetTakesTriplesAndTheWriteCommunity) {
    ClientCommand set;
    ASSERT_TRUE(Parse(
        {"set", "10.0.0.1", "1.3.6.1.2.1.1.4.0", "s", "ops", "1.3.6.1.4.1.9.1", "i", "-5"}, set));
    EXPECT_EQ(EffectiveCommunity(set), "marbelo");
    ASSERT_EQ(set.sets.size(), 2u);
    EXPECT_EQ(set.sets[1].type, 'i');
    EXPECT_EQ(set.sets[1].value, "-5") << "a negative value is not an option";
}

TEST(ClientArgs, RejectsMalformedCommandLines) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"fetch", "10.0.0.1", "1.3"},
        {"get", "10.0.0.1"},
        {"get"},
        {"walk", "10.0.0.1", "1.3", "1.4"},
        {"set", "10.0.0.1", "1.3", "s"},
        {"set", "10.0.0.1", "1.3", "z", "1"},
        {"set", "10.0.0.1", "1.3", "ss", "1"},
        {"get", "10.0.0.1", "1..3"},
        {"get", "10.0.0.1", "1.3."},
        {"get", "10.0.0.1", "iso.3"},
        {"-t", "0", "get", "10.0.0.1", "1.3"},
        {"-t", "abc", "get", "10.0.0.1", "1.3"},
        {"-c"},
        {"-x", "get", "10.0.0.1", "1.3"},
        {"get", "10.0.0.1:0", "1.3"},
        {"get", "10.0.0.1:70000", "1.3"},
        {"logdump"},
        {"logdump", "a", "b"},
    };
    for (const auto& args : bad) {
        ClientCommand command;
        std::string error;
        EXPECT_FALSE(ParseClientArgs(args, command, error)) << ::testing::PrintToString(args);
        EXPECT_FALSE(error.empty());
    }
}

// --- set values ---------------------------------------------------------------------------

const CSnmpVarBind* Bind(CSnmpPdu& pdu, char type, const std::string& value) {
    std::string error;
    if (!AddClientSetBinding(pdu, {"1.3.6.1.2.1.1.4.0", type, value}, error)) {
        return nullptr;
    }
    return pdu.m_varBindList.back();
}

TEST(ClientSetValue, EachTypeLetterSendsItsType) {
    CSnmpPdu pdu;
    const CSnmpVarBind* vb = Bind(pdu, 'i', "-5");
    ASSERT_NE(vb, nullptr);
    EXPECT_EQ(vb->m_byType, SNMP_TYPE_INTEGER);
    EXPECT_EQ(vb->GetUInt32(), 0xFFFFFFFBu);

    ASSERT_NE(vb = Bind(pdu, 's', "ops team"), nullptr);
    EXPECT_EQ(vb->GetText(), "ops team");
    ASSERT_NE(vb = Bind(pdu, 'x', "00 80 c8"), nullptr);
    EXPECT_EQ(vb->m_byType, SNMP_TYPE_OCTETS);
    EXPECT_EQ(vb->GetText(), std::string("\x00\x80\xc8", 3));
    ASSERT_NE(vb = Bind(pdu, 'o', ".1.3.6.1.4.1.99"), nullptr);
    EXPECT_EQ(vb->m_byType, SNMP_TYPE_OID);
    EXPECT_EQ(vb->GetText(), "1.3.6.1.4.1.99");
    ASSERT_NE(vb = Bind(pdu, 'a', "192.168.0.1"), nullptr);
    EXPECT_EQ(vb->m_byType, SNMP_TYPE_IPADDR);
    EXPECT_EQ(vb->GetText(), std::string("\xc0\xa8\x00\x01", 4));
    ASSERT_NE(vb = Bind(pdu, 'c', "4294967295"), nullptr);
    EXPECT_EQ(vb->m_byType, SNMP_TYPE_COUNTER);
    EXPECT_EQ(vb->GetUInt32(), 4294967295u);
    ASSERT_NE(vb = Bind(pdu, 'g', "7"), nullptr);
    EXPECT_EQ(vb->m_byType, SNMP_TYPE_GAUGE);
    ASSERT_NE(vb = Bind(pdu, 't', "100"), nullptr);
    EXPECT_EQ(vb->m_byType, SNMP_TYPE_TIMETICKS);
    ASSERT_NE(vb = Bind(pdu, 'm', "00:80:c8:12:34:56"), nullptr);
    EXPECT_EQ(vb->m_byType, SNMP_TYPE_OCTETS);
    EXPECT_EQ(vb->GetText(), std::string("\x00\x80\xc8\x12\x34\x56", 6));
}

TEST(ClientSetValue, RejectsValuesThatDoNotFitTheirType) {
    const std::vector<std::pair<char, std::string>> bad = {
        {'i', "12x"},      {'i', "2147483648"},   {'i', ""},
        {'c', "-1"},       {'c', "4294967296"},   {'g', "1e3"},
        {'a', "1.2.3"},    {'a', "1.2.3.256"},    {'a', "1.2.3.4.5"},
        {'m', "00:80:c8"}, {'m', "0080c8123456"}, {'x', "0g"},
        {'o', "1..2"},
    };
    for (const auto& [type, value] : bad) {
        CSnmpPdu pdu;
        EXPECT_EQ(Bind(pdu, type, value), nullptr) << type << " " << value;
        EXPECT_TRUE(pdu.m_varBindList.empty());
    }
}

// --- printing -------------------------------------------------------------------------------

std::string Print(std::uint32_t value, std::uint8_t type) {
    CSnmpVarBind vb("1.3.6.1.2.1.1.3.0");
    vb.SetValue(value, type);
    return FormatClientBinding(vb);
}
std::string PrintBytes(const std::string& bytes, std::uint8_t type) {
    CSnmpVarBind vb("1.3.6.1.2.1.1.1.0");
    vb.SetValue(reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<int>(bytes.size()),
                type);
    return FormatClientBinding(vb);
}

TEST(ClientValueText, OneLinePerBindingWithTypeAndValue) {
    EXPECT_EQ(Print(0xFFFFFFFB, SNMP_TYPE_INTEGER), "1.3.6.1.2.1.1.3.0 = INTEGER: -5");
    EXPECT_EQ(Print(4294967295u, SNMP_TYPE_COUNTER), "1.3.6.1.2.1.1.3.0 = Counter32: 4294967295");
    EXPECT_EQ(Print(42, SNMP_TYPE_GAUGE), "1.3.6.1.2.1.1.3.0 = Gauge32: 42");
    EXPECT_EQ(Print(12345, SNMP_TYPE_TIMETICKS),
              "1.3.6.1.2.1.1.3.0 = Timeticks: (12345) 0:02:03.45");
    EXPECT_EQ(Print(2 * 8640000 + 360000 + 100, SNMP_TYPE_TIMETICKS),
              "1.3.6.1.2.1.1.3.0 = Timeticks: (17640100) 2 days, 1:00:01.00");
    EXPECT_EQ(PrintBytes("switch", SNMP_TYPE_OCTETS), "1.3.6.1.2.1.1.1.0 = STRING: switch");
    EXPECT_EQ(PrintBytes(std::string("\x00\x80\xc8", 3), SNMP_TYPE_OCTETS),
              "1.3.6.1.2.1.1.1.0 = Hex-STRING: 00 80 C8");
    EXPECT_EQ(PrintBytes(std::string("\xc0\xa8\x00\x01", 4), SNMP_TYPE_IPADDR),
              "1.3.6.1.2.1.1.1.0 = IpAddress: 192.168.0.1");
    CSnmpVarBind null("1.3");
    EXPECT_EQ(FormatClientBinding(null), "1.3 = NULL: Null");
    CSnmpVarBind oid("1.3");
    oid.SetValue(std::string("1.3.6.1.4.1.8072"), SNMP_TYPE_OID);
    EXPECT_EQ(FormatClientBinding(oid), "1.3 = OID: 1.3.6.1.4.1.8072");
}

TEST(ClientValueText, StatusAndPduNames) {
    EXPECT_EQ(ErrorStatusName(2), "noSuchName");
    EXPECT_EQ(ErrorStatusName(4), "readOnly");
    EXPECT_EQ(ErrorStatusName(5), "genErr");
    EXPECT_EQ(ErrorStatusName(9), "error(9)");
    EXPECT_EQ(PduTypeName(SNMP_PDU_GETNEXT), "getnext");
    EXPECT_EQ(PduTypeName(0), "type(0x00)");
}

TEST(ClientWalkOrder, SubtreesAndNumericOrder) {
    EXPECT_TRUE(IsInSubtree("1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1"));
    EXPECT_FALSE(IsInSubtree("1.3.6.1.2.1.11.1.0", "1.3.6.1.2.1.1")) << "text prefix only";
    EXPECT_FALSE(IsInSubtree("1.3.6.1.2.1.1", "1.3.6.1.2.1.1"));
    EXPECT_LT(CompareOids("1.3.6.1.2.1.1.9", "1.3.6.1.2.1.1.10"), 0);
    EXPECT_LT(CompareOids("1.3.6", "1.3.6.0"), 0);
    EXPECT_EQ(CompareOids("1.3.6", "1.3.6"), 0);
    EXPECT_GT(CompareOids("1.4", "1.3.6.1"), 0);
}

} // namespace
