// RFC 3584's mapping between the two notification forms, and the values as snmptrapd prints
// them (the expected texts are copied from `snmptrapd -f -Lo -n` output for the same values).

#include <gtest/gtest.h>

#include "snmp/SnmpNotificationText.h"
#include "snmp/SnmpTypes.h"

namespace {

SnmpNotification V1Trap(std::int32_t generic, std::int32_t specific) {
    SnmpNotification n;
    n.pduType = SNMP_PDU_TRAP;
    n.community = "public";
    n.enterprise = "1.3.6.1.4.1.88888.1.1";
    n.agentAddress = {10, 0, 0, 1};
    n.genericTrap = generic;
    n.specificTrap = specific;
    n.uptime = 500;
    SnmpMapV1ToV2(n);
    return n;
}

SnmpNotification V2Trap(const std::string& trapOid, std::vector<SnmpNotificationBinding> extra) {
    SnmpNotification n;
    n.version = SNMP_VERSION_2C;
    n.pduType = SNMP_PDU_TRAP2;
    n.trapOid = trapOid;
    n.bindings = std::move(extra);
    SnmpMapV2ToV1(n);
    return n;
}

TEST(NotificationMapping, V1GenericTrapsBecomeTheStandardTrapsAndSpecificOnesEnterpriseZero) {
    const char* const standard[] = {"1.3.6.1.6.3.1.1.5.1", "1.3.6.1.6.3.1.1.5.2",
                                    "1.3.6.1.6.3.1.1.5.3", "1.3.6.1.6.3.1.1.5.4",
                                    "1.3.6.1.6.3.1.1.5.5", "1.3.6.1.6.3.1.1.5.6"};
    for (std::int32_t generic = 0; generic < 6; ++generic) {
        EXPECT_EQ(V1Trap(generic, 0).trapOid, standard[generic]);
    }
    EXPECT_EQ(V1Trap(6, 42).trapOid, "1.3.6.1.4.1.88888.1.1.0.42");
}

TEST(NotificationMapping, AV1TrapInV2FormCarriesItsAddressCommunityAndEnterpriseOnce) {
    SnmpNotification n = V1Trap(SNMP_TRAP_LINK_DOWN, 0);
    n.bindings = {SnmpNotificationBinding::Integer("1.3.6.1.2.1.2.2.1.1.7", 7),
                  SnmpNotificationBinding::Octets(kSnmpTrapCommunityOid, "given")};
    const std::vector<SnmpNotificationBinding> v2 = SnmpV2NotificationBindings(n);
    ASSERT_EQ(v2.size(), 6u);
    EXPECT_EQ(v2[0], SnmpNotificationBinding::Unsigned(kSysUpTimeOid, SNMP_TYPE_TIMETICKS, 500));
    EXPECT_EQ(v2[1], SnmpNotificationBinding::ObjectId(kSnmpTrapOid, "1.3.6.1.6.3.1.1.5.3"));
    EXPECT_EQ(v2[2], n.bindings[0]);
    EXPECT_EQ(v2[3], n.bindings[1]); // already there: not appended again
    EXPECT_EQ(v2[4].oid, kSnmpTrapAddressOid);
    EXPECT_EQ(v2[4].value, (std::vector<std::uint8_t>{10, 0, 0, 1}));
    EXPECT_EQ(v2[5],
              SnmpNotificationBinding::ObjectId(kSnmpTrapEnterpriseOid, "1.3.6.1.4.1.88888.1.1"));
}

TEST(NotificationMapping, V2TrapsGetTheirV1Fields) {
    struct Case {
        std::string trapOid;
        std::vector<SnmpNotificationBinding> bindings;
        std::string enterprise;
        std::int32_t generic;
        std::int32_t specific;
    };
    const std::vector<Case> cases = {
        {"1.3.6.1.6.3.1.1.5.1", {}, "1.3.6.1.6.3.1.1.5", 0, 0},
        {"1.3.6.1.6.3.1.1.5.5",
         {SnmpNotificationBinding::ObjectId(kSnmpTrapEnterpriseOid, "1.3.6.1.4.1.9")},
         "1.3.6.1.4.1.9",
         4,
         0},
        {"1.3.6.1.4.1.88888.0.3", {}, "1.3.6.1.4.1.88888", 6, 3},
        {"1.3.6.1.4.1.88888.2.3", {}, "1.3.6.1.4.1.88888.2", 6, 3},
        // snmpTraps.7 is not one of the six standard traps.
        {"1.3.6.1.6.3.1.1.5.7", {}, "1.3.6.1.6.3.1.1.5", 6, 7},
    };
    for (const Case& c : cases) {
        const SnmpNotification n = V2Trap(c.trapOid, c.bindings);
        EXPECT_EQ(n.enterprise, c.enterprise) << c.trapOid;
        EXPECT_EQ(n.genericTrap, c.generic) << c.trapOid;
        EXPECT_EQ(n.specificTrap, c.specific) << c.trapOid;
    }
    const SnmpNotification addressed =
        V2Trap("1.3.6.1.6.3.1.1.5.1", {{kSnmpTrapAddressOid, SNMP_TYPE_IPADDR, {192, 0, 2, 7}}});
    EXPECT_EQ(addressed.agentAddress, (std::array<std::uint8_t, 4>{192, 0, 2, 7}));
}

TEST(NotificationText, PrintsValuesAsSnmptrapdDoes) {
    const auto hex = [](std::string oid, std::vector<std::uint8_t> bytes) {
        return SnmpNotificationBinding{std::move(oid), SNMP_TYPE_OCTETS, std::move(bytes)};
    };
    std::vector<std::uint8_t> zeros32(32, 0);
    const std::vector<std::pair<SnmpNotificationBinding, std::string>> cases = {
        {SnmpNotificationBinding::Integer("1.3.6.1.4.1.1.6", -5),
         "iso.3.6.1.4.1.1.6 = INTEGER: -5"},
        {SnmpNotificationBinding::Octets("1.3.6.1.4.1.1.1", ""), "iso.3.6.1.4.1.1.1 = \"\""},
        {SnmpNotificationBinding::Octets("1.3.6.1.4.1.1.2", "a\"b\\c"),
         "iso.3.6.1.4.1.1.2 = STRING: \"a\\\"b\\\\c\""},
        {SnmpNotificationBinding::Octets("1.3.6.1.4.1.1.10", "a\rb\vc\tx"),
         "iso.3.6.1.4.1.1.10 = STRING: \"a\rb\vc\tx\""},
        {hex("1.3.6.1.4.1.1.8", {0x41, 0x42, 0x43, 0x00}),
         "iso.3.6.1.4.1.1.8 = Hex-STRING: 41 42 43 00 "},
        {hex("1.3.6.1.4.1.1.9", {0xC3, 0xA9}), "iso.3.6.1.4.1.1.9 = Hex-STRING: C3 A9 "},
        {hex("1.3.6.1.4.1.1.7", zeros32),
         "iso.3.6.1.4.1.1.7 = Hex-STRING: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 \n"
         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "},
        {SnmpNotificationBinding::ObjectId("1.3.6.1.4.1.1.4", "0.0"),
         "iso.3.6.1.4.1.1.4 = OID: ccitt.0"},
        {SnmpNotificationBinding::ObjectId("1.3.6.1.4.1.1.5", "2.5.4"),
         "iso.3.6.1.4.1.1.5 = OID: joint-iso-ccitt.5.4"},
        {SnmpNotificationBinding::Octets("1.3.6.1.4.1.1.3", std::string("\x01\x02\x03\x04", 4),
                                         SNMP_TYPE_IPADDR),
         "iso.3.6.1.4.1.1.3 = IpAddress: 1.2.3.4"},
        {SnmpNotificationBinding::Unsigned("1.3.6.1.4.1.1.4", SNMP_TYPE_COUNTER, 4294967295),
         "iso.3.6.1.4.1.1.4 = Counter32: 4294967295"},
        {{"1.3.6.1.4.1.1.12", SNMP_TYPE_GAUGE, {0xFF}}, "iso.3.6.1.4.1.1.12 = Gauge32: 255"},
        {SnmpNotificationBinding::Unsigned("1.3.6.1.4.1.1.12", SNMP_TYPE_TIMETICKS, 4294967295),
         "iso.3.6.1.4.1.1.12 = Timeticks: (4294967295) 497 days, 2:27:52.95"},
        {SnmpNotificationBinding::Unsigned("1.3.6.1.2.1.1.3.0", SNMP_TYPE_TIMETICKS, 8640000),
         "iso.3.6.1.2.1.1.3.0 = Timeticks: (8640000) 1 day, 0:00:00.00"},
        {SnmpNotificationBinding::Unsigned("1.3.6.1.4.1.1.11", SNMP_TYPE_TIMETICKS, 360000),
         "iso.3.6.1.4.1.1.11 = Timeticks: (360000) 1:00:00.00"},
        {SnmpNotificationBinding::Unsigned("1.3.6.1.4.1.1.7", SNMP_TYPE_COUNTER64,
                                           18446744073709551615u),
         "iso.3.6.1.4.1.1.7 = Counter64: 18446744073709551615"},
        {{"1.3.6.1.4.1.1.1", SNMP_TYPE_OPAQUE, {1, 2, 3, 4}},
         "iso.3.6.1.4.1.1.1 = OPAQUE: 01 02 03 04 "},
        {{"1.3.6.1.4.1.1.7", SNMP_TYPE_NULL, {}}, "iso.3.6.1.4.1.1.7 = NULL"},
        {{"1.3.6.1.4.1.1.2", SNMP_TYPE_NOSUCHOBJECT, {}},
         "iso.3.6.1.4.1.1.2 = No Such Object available on this agent at this OID"},
        {{"1.3.6.1.4.1.1.4", SNMP_TYPE_ENDOFMIBVIEW, {}},
         "iso.3.6.1.4.1.1.4 = No more variables left in this MIB View (It is past the end of the "
         "MIB tree)"},
    };
    for (const auto& [binding, text] : cases) {
        EXPECT_EQ(NetSnmpBindingText(binding), text);
    }
}

} // namespace
