// Lines as net-snmp 5.9's tools print them with -On, and the command line a net-snmp user
// types: the expected texts are what snmpget printed for the same values.
#include <gtest/gtest.h>

#include "snmp/NmOidTable.h"
#include "tools/taurel-snmp/ClientArgs.h"
#include "tools/taurel-snmp/ClientSetValue.h"
#include "tools/taurel-snmp/ClientValueText.h"

namespace {

std::string Octets(const std::string& bytes, std::uint8_t type = SNMP_TYPE_OCTETS,
                   const std::string& letters = "") {
    CSnmpVarBind vb("1.3.6.1.2.1.1.5.0");
    vb.SetValue(reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<int>(bytes.size()),
                type);
    NetSnmpOutput options;
    char bad = 0;
    if (!letters.empty()) {
        EXPECT_TRUE(ParseNetSnmpOutputLetters(letters, options, bad)) << letters;
    }
    return FormatClientBinding(vb, options);
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int v : values) {
        bytes += static_cast<char>(v);
    }
    return bytes;
}

TEST(ClientLines, StringsAreQuotedAndWhatIsNotTextIsHexWrappedAt16Octets) {
    const std::string name = ".1.3.6.1.2.1.1.5.0 = ";
    EXPECT_EQ(Octets("hi"), name + "STRING: \"hi\"");
    EXPECT_EQ(Octets(""), name + "\"\"");
    EXPECT_EQ(Octets("\"ab\\"), name + "STRING: \"\\\"ab\\\\\"");
    EXPECT_EQ(Octets("a\tb\r\n"), name + "STRING: \"a\tb\r\n\"") << "blanks are text";
    // A MAC address, UTF-8 and a trailing zero are octets, not text: nothing raw reaches the
    // terminal.
    EXPECT_EQ(Octets(Bytes({0x00, 0x80, 0xc8, 0x12, 0x34, 0x56})),
              name + "Hex-STRING: 00 80 C8 12 34 56 ");
    EXPECT_EQ(Octets("\xc3\xa9"), name + "Hex-STRING: C3 A9 ");
    EXPECT_EQ(Octets(std::string("a\0", 2)), name + "Hex-STRING: 61 00 ");
    EXPECT_EQ(Octets("\x7f"), name + "Hex-STRING: 7F ");
    std::string eighteen;
    for (int i = 0; i < 18; ++i) {
        eighteen += static_cast<char>(i);
    }
    EXPECT_EQ(Octets(eighteen), name + "Hex-STRING: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D "
                                       "0E 0F \n10 11 ");
    EXPECT_EQ(Octets(eighteen.substr(0, 16)),
              name + "Hex-STRING: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F ");
}

TEST(ClientLines, EveryTypeReadsAsNetSnmpPrintsIt) {
    const auto number = [](std::uint32_t value, std::uint8_t type) {
        CSnmpVarBind vb("1.3");
        vb.SetValue(value, type);
        return FormatClientBinding(vb);
    };
    EXPECT_EQ(number(3000000000u, SNMP_TYPE_GAUGE), ".1.3 = Gauge32: 3000000000");
    EXPECT_EQ(number(100, SNMP_TYPE_TIMETICKS), ".1.3 = Timeticks: (100) 0:00:01.00");
    EXPECT_EQ(number(8640000 + 1, SNMP_TYPE_TIMETICKS), ".1.3 = Timeticks: (8640001) 1 day, "
                                                        "0:00:00.01");
    CSnmpVarBind zeroDotZero("1.3");
    zeroDotZero.SetValue(std::string("0.0"), SNMP_TYPE_OID);
    EXPECT_EQ(FormatClientBinding(zeroDotZero), ".1.3 = OID: .0.0");
    EXPECT_EQ(FormatClientBinding(CSnmpVarBind("1.3")), ".1.3 = NULL");
    EXPECT_EQ(Octets(Bytes({10, 0, 0, 1}), SNMP_TYPE_IPADDR),
              ".1.3.6.1.2.1.1.5.0 = IpAddress: 10.0.0.1");
    // Opaque: net-snmp's wrapped float (named Float for a double too), numbers, or octets.
    EXPECT_EQ(Octets(Bytes({0x9f, 0x78, 4, 0x40, 0x20, 0, 0}), SNMP_TYPE_OPAQUE),
              ".1.3.6.1.2.1.1.5.0 = Opaque: Float: 2.500000");
    EXPECT_EQ(Octets(Bytes({0x9f, 0x79, 8, 0x3f, 0xf8, 0, 0, 0, 0, 0, 0}), SNMP_TYPE_OPAQUE),
              ".1.3.6.1.2.1.1.5.0 = Opaque: Float: 1.500000");
    EXPECT_EQ(Octets(Bytes({0x9f, 0x7a, 1, 0xff}), SNMP_TYPE_OPAQUE),
              ".1.3.6.1.2.1.1.5.0 = Opaque: Int64: -1");
    EXPECT_EQ(Octets(Bytes({0x9f, 0x7b, 9, 0, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}),
                     SNMP_TYPE_OPAQUE),
              ".1.3.6.1.2.1.1.5.0 = Opaque: UInt64: 18446744073709551615");
    EXPECT_EQ(Octets(Bytes({1, 2}), SNMP_TYPE_OPAQUE), ".1.3.6.1.2.1.1.5.0 = OPAQUE: 01 02 ");
    EXPECT_EQ(Octets(Bytes({0x9f, 0x78, 3, 0x40, 0x20, 0}), SNMP_TYPE_OPAQUE),
              ".1.3.6.1.2.1.1.5.0 = OPAQUE: 9F 78 03 40 20 00 ")
        << "a float of the wrong length is shown as it came";
}

TEST(ClientLines, OutputLettersShapeTheLineAsNetSnmpsDo) {
    const std::string hex = Bytes({0x00, 0xff});
    EXPECT_EQ(Octets("hi", SNMP_TYPE_OCTETS, "q"), ".1.3.6.1.2.1.1.5.0 \"hi\"");
    EXPECT_EQ(Octets("hi", SNMP_TYPE_OCTETS, "Q"), ".1.3.6.1.2.1.1.5.0 = \"hi\"");
    EXPECT_EQ(Octets("hi", SNMP_TYPE_OCTETS, "v"), "STRING: \"hi\"");
    EXPECT_EQ(Octets("hi", SNMP_TYPE_OCTETS, "vq"), "\"hi\"");
    EXPECT_EQ(Octets(hex, SNMP_TYPE_OCTETS, "q"), ".1.3.6.1.2.1.1.5.0 \"00 FF \"");
    EXPECT_EQ(Octets("hi", SNMP_TYPE_OCTETS, "x"), ".1.3.6.1.2.1.1.5.0 = Hex-STRING: 68 69 ");
    EXPECT_EQ(Octets(hex, SNMP_TYPE_OCTETS, "a"), ".1.3.6.1.2.1.1.5.0 = STRING: \"..\"");
    EXPECT_EQ(Octets(hex, SNMP_TYPE_OCTETS, "T"), ".1.3.6.1.2.1.1.5.0 = Hex-STRING: 00 FF   [..]");
    EXPECT_EQ(Octets(Bytes({1, 2}), SNMP_TYPE_OPAQUE, "q"), ".1.3.6.1.2.1.1.5.0 01 02 ");
    EXPECT_EQ(Octets("hi", SNMP_TYPE_OCTETS, "nsSfubeEXU0"), ".1.3.6.1.2.1.1.5.0 = STRING: \"hi\"")
        << "name letters change nothing: names are always numeric";

    CSnmpVarBind ticks("1.3");
    ticks.SetValue(std::uint32_t{2211840000u}, SNMP_TYPE_TIMETICKS);
    NetSnmpOutput quick;
    quick.quick = true;
    EXPECT_EQ(FormatClientBinding(ticks, quick), ".1.3 256:0:00:00.00");
    quick.ticksNumeric = true;
    EXPECT_EQ(FormatClientBinding(ticks, quick), ".1.3 2211840000");
    NetSnmpOutput numeric;
    numeric.ticksNumeric = true;
    EXPECT_EQ(FormatClientBinding(ticks, numeric), ".1.3 = 2211840000");

    NetSnmpOutput options;
    char bad = 0;
    EXPECT_FALSE(ParseNetSnmpOutputLetters("nz", options, bad));
    EXPECT_EQ(bad, 'z');
}

ClientCommand Parse(const std::vector<std::string>& args) {
    ClientCommand command;
    std::string error;
    EXPECT_TRUE(ParseClientArgs(args, command, error)) << error;
    return command;
}

TEST(ClientCommandLine, NetSnmpsPlacesAndSpellingsAreTaken) {
    const ClientCommand late =
        Parse({"get", "udp:127.0.0.1:1161", "-v2c", "-c", "x", "-Oqv", "1.3.6.1", "-r", "0"});
    EXPECT_EQ(late.agent, "udp:127.0.0.1:1161") << "messages name the agent as given";
    EXPECT_EQ(late.agentAddress, "127.0.0.1:1161");
    EXPECT_EQ(late.version, SNMP_VERSION_2C);
    EXPECT_EQ(late.community, "x");
    EXPECT_TRUE(late.output.quick && late.output.valueOnly);
    EXPECT_EQ(late.retries, 0);
    EXPECT_EQ(late.oids, (std::vector<std::string>{"1.3.6.1"}));

    // A set's values may look like options: options end at its first name.
    const ClientCommand set =
        Parse({"set", "h", "-v2c", "1.3.6.1", "i", "-5", "1.3.6.2", "s", "-v"});
    EXPECT_EQ(set.version, SNMP_VERSION_2C);
    ASSERT_EQ(set.sets.size(), 2u);
    EXPECT_EQ(set.sets[0].value, "-5");
    EXPECT_EQ(set.sets[1].value, "-v");

    EXPECT_FALSE(Parse({"-Cc", "walk", "h", "1.3"}).checkIncreasing);
    EXPECT_FALSE(Parse({"-Cf", "get", "h", "1.3"}).fixPdus);
    for (const char* level : {"ap", "AP", "priv", "3", "AuthPriv"}) {
        const ClientCommand v3 =
            Parse({"-v3", "-u", "ops", "-l", level, "-a", "sha-1", "-A", "auth-pass", "-x",
                   "aes-128", "-X", "priv-pass", "get", "h", "1.3"});
        EXPECT_EQ(v3.usm.level, UsmSecurityLevel::AuthPriv) << level;
        EXPECT_EQ(v3.usm.auth, UsmAuthProtocol::SHA1);
    }
    EXPECT_EQ(Parse({"-v3", "-u", "ops", "-l", "nanp", "get", "h", "1.3"}).usm.level,
              UsmSecurityLevel::NoAuthNoPriv);
}

TEST(ClientCommandLine, NamesBerCannotCarryAreRefusedNotWrapped) {
    std::string oid;
    EXPECT_TRUE(NormalizeOid(".1.3.6.1.4294967295", oid));
    EXPECT_TRUE(NormalizeOid("2.999", oid));
    EXPECT_TRUE(NormalizeOid("0.39", oid));
    for (const char* text : {"1.3.6.1.4294967296", "1.3.99999999999", "3.1", "1.40", "0.40",
                             "1.3.6.1.01234567890", "", ".", "1..3", "1.3."}) {
        EXPECT_FALSE(NormalizeOid(text, oid)) << text;
    }
    const ClientCommand set = Parse({"set", "h", "1.3.6.1", "o", "1.3.6.1.4294967296"});
    CSnmpPdu pdu;
    std::string error;
    EXPECT_FALSE(AddClientSetBinding(pdu, set.sets.at(0), error));
    EXPECT_EQ(error, "1.3.6.1: Unknown Object Identifier (1.3.6.1.4294967296)");
}

TEST(ClientSetValue, TheNewLettersGiveNetSnmpsOctetsAndTypes) {
    CSnmpPdu pdu;
    std::string error;
    const auto bind = [&](char type, const std::string& value) -> const CSnmpVarBind* {
        return AddClientSetBinding(pdu, {"1.3", type, value, ".1.3"}, error)
                   ? pdu.m_varBindList.back()
                   : nullptr;
    };
    const CSnmpVarBind* unsigned32 = bind('u', "3000000000");
    ASSERT_NE(unsigned32, nullptr);
    EXPECT_EQ(unsigned32->m_byType, SNMP_TYPE_GAUGE);
    EXPECT_EQ(unsigned32->GetUInt32(), 3000000000u);
    EXPECT_EQ(bind('d', "1.2.3")->GetText(), Bytes({1, 2, 3}));
    EXPECT_EQ(bind('b', "1,3")->GetText(), "P");
    EXPECT_EQ(bind('b', "15")->GetText(), Bytes({0, 1}));
    EXPECT_EQ(bind('b', "0")->GetText(), Bytes({0x80}));
    EXPECT_EQ(bind('n', "anything")->m_byType, SNMP_TYPE_NULL);
    EXPECT_EQ(bind('x', " 0a  1b ")->GetText(), Bytes({0x0a, 0x1b}));

    const std::vector<std::tuple<char, std::string, std::string>> refused = {
        {'u', "0x10", ".1.3: Bad value notation (0x10)"},
        {'u', "4294967296", ".1.3: Value out of range (4294967296)"},
        {'i', "abc", ".1.3: Value out of range (abc)"},
        {'d', "256", ".1.3: Bad value notation (256)"},
        {'b', "x", ".1.3: Value out of range (x)"},
        {'x', "0a1", ".1.3: Bad value notation (0a1)"},
        {'a', "1.2.3", ".1.3: Bad value notation (1.2.3)"},
        {'q', "1", ".1.3: Bad object type: q"},
    };
    for (const auto& [type, value, message] : refused) {
        EXPECT_EQ(bind(type, value), nullptr) << type << " " << value;
        EXPECT_EQ(error, message);
    }
}

} // namespace
