// The notification PDUs against datagrams net-snmp's tools made: read into the one form with
// both views, written back byte for byte, informs answered with their own bindings, and every
// cut or misplaced PDU refused without reading past the bytes.

#include <gtest/gtest.h>

#include "snmp/SnmpNotificationCodec.h"
#include "snmp/SnmpTypes.h"
#include "snmp/UsmAuthoritativeEngine.h"
#include "tests/snmp/notify/NotificationFixtures.h"

namespace {

SnmpNotification Decode(const std::vector<std::uint8_t>& wire,
                        SnmpNotificationDecode expected = SnmpNotificationDecode::Ok) {
    SnmpNotification n;
    EXPECT_EQ(SnmpDecodeCommunityNotification(wire.data(), wire.size(), n), expected);
    return n;
}

std::vector<std::uint8_t> Reencode(const SnmpNotification& n) {
    return SnmpEncodeCommunityMessage(n.version, n.community, SnmpEncodeNotificationPdu(n));
}

TEST(NotificationCodec, ReadsAndRewritesTheV1TrapOfSnmptrap) {
    const SnmpNotification n = Decode(kNetSnmpV1Trap);
    EXPECT_EQ(n.version, SNMP_VERSION_1);
    EXPECT_EQ(n.pduType, SNMP_PDU_TRAP);
    EXPECT_EQ(n.community, "public");
    EXPECT_EQ(n.enterprise, "1.3.6.1.4.1.88888.1.1");
    EXPECT_EQ(n.agentAddress, (std::array<std::uint8_t, 4>{10, 0, 0, 1}));
    EXPECT_EQ(n.genericTrap, SNMP_TRAP_ENTERPRISE_SPECIFIC);
    EXPECT_EQ(n.specificTrap, 17);
    EXPECT_EQ(n.uptime, 12345u);
    EXPECT_EQ(n.trapOid, "1.3.6.1.4.1.88888.1.1.0.17");
    ASSERT_EQ(n.bindings.size(), 2u);
    EXPECT_EQ(n.bindings[0], SnmpNotificationBinding::Octets("1.3.6.1.2.1.1.5.0", "hello world"));
    EXPECT_EQ(n.bindings[1], SnmpNotificationBinding::Integer("1.3.6.1.2.1.2.2.1.1.5", 5));
    EXPECT_EQ(Reencode(n), kNetSnmpV1Trap);
}

TEST(NotificationCodec, ReadsAndRewritesTheV2TrapOfSnmptrapWithItsCounter64) {
    const SnmpNotification n = Decode(kNetSnmpV2Trap);
    EXPECT_EQ(n.version, SNMP_VERSION_2C);
    EXPECT_EQ(n.pduType, SNMP_PDU_TRAP2);
    EXPECT_EQ(n.uptime, 123u);
    EXPECT_EQ(n.trapOid, "1.3.6.1.6.3.1.1.5.3");
    ASSERT_EQ(n.bindings.size(), 4u); // sysUpTime.0 and snmpTrapOID.0 lead
    EXPECT_EQ(n.bindings[3].type, SNMP_TYPE_COUNTER64);
    EXPECT_EQ(n.bindings[3].Unsigned(), 18446744073709551615u);
    // Its v1 view: a linkDown from the standard traps, no agent address known.
    EXPECT_EQ(n.genericTrap, SNMP_TRAP_LINK_DOWN);
    EXPECT_EQ(n.specificTrap, 0);
    EXPECT_EQ(n.enterprise, "1.3.6.1.6.3.1.1.5");
    EXPECT_EQ(n.agentAddress, (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ(Reencode(n), kNetSnmpV2Trap);
}

TEST(NotificationCodec, AnswersAnInformWithItsRequestIdAndBindingsByteForByte) {
    const SnmpNotification n = Decode(kNetSnmpInform);
    EXPECT_EQ(n.pduType, SNMP_PDU_INFORM);
    EXPECT_EQ(n.requestId, 0x0c850312);
    std::vector<std::uint8_t> expected = kNetSnmpInform;
    expected[13] = SNMP_PDU_RESPONSE; // the same message with the PDU tag of a Response
    EXPECT_EQ(SnmpEncodeCommunityMessage(n.version, n.community, SnmpEncodeInformResponsePdu(n)),
              expected);
}

TEST(NotificationCodec, OpensTheV3TrapOfSnmptrapWithTheSendersUser) {
    UsmAuthoritativeEngine receiver(FromHex("80015b380501020304"), 1, 0);
    UsmUser user;
    user.userName = "ops";
    user.level = UsmSecurityLevel::AuthPriv;
    user.auth = UsmAuthProtocol::SHA1;
    user.authPassword = UsmSecret("maplesyrup");
    user.privPassword = UsmSecret("maplesyrup");
    user.engineId = FromHex("8000000001020304");
    receiver.AddUser(user);
    const UsmEngineIncoming in = receiver.Receive(kNetSnmpV3Trap.data(), kNetSnmpV3Trap.size(), 5);
    ASSERT_EQ(in.verdict, UsmEngineIncoming::Verdict::Accept);
    SnmpNotification n;
    ASSERT_EQ(SnmpDecodeNotificationPdu(in.scoped.pdu, n), SnmpNotificationDecode::Ok);
    EXPECT_EQ(n.version, SNMP_VERSION_3);
    EXPECT_EQ(n.trapOid, "1.3.6.1.6.3.1.1.5.4");
    EXPECT_EQ(n.uptime, 99u);
    EXPECT_EQ(n.genericTrap, SNMP_TRAP_LINK_UP);
    ASSERT_EQ(n.bindings.size(), 3u);
    EXPECT_EQ(n.bindings[2], SnmpNotificationBinding::Integer("1.3.6.1.2.1.2.2.1.1.3", 3));
}

TEST(NotificationCodec, RefusesEveryShortenedDatagram) {
    for (const auto* fixture : {&kNetSnmpV1Trap, &kNetSnmpV2Trap, &kNetSnmpInform}) {
        for (std::size_t n = 0; n < fixture->size(); ++n) {
            // A heap copy of exactly n bytes: the sanitizer build catches a read past them.
            const std::vector<std::uint8_t> cut(fixture->begin(),
                                                fixture->begin() + static_cast<std::ptrdiff_t>(n));
            SnmpNotification out;
            EXPECT_EQ(SnmpDecodeCommunityNotification(cut.data(), cut.size(), out),
                      SnmpNotificationDecode::Malformed)
                << n;
        }
    }
}

TEST(NotificationCodec, RefusesPdusTheirVersionLacksAndBindingsOfWrongSizes) {
    std::vector<std::uint8_t> v2InV1 = kNetSnmpV2Trap;
    v2InV1[4] = 0x00; // version 0 around an SNMPv2-Trap
    Decode(v2InV1, SnmpNotificationDecode::Malformed);
    std::vector<std::uint8_t> v1InV2 = kNetSnmpV1Trap;
    v1InV2[4] = 0x01; // version 1 around a Trap-PDU
    Decode(v1InV2, SnmpNotificationDecode::Malformed);
    std::vector<std::uint8_t> get = kNetSnmpInform;
    get[13] = SNMP_PDU_GET;
    Decode(get, SnmpNotificationDecode::NotANotification);

    // An SNMPv2-Trap whose first binding is not sysUpTime.0.
    SnmpNotification n = Decode(kNetSnmpV2Trap);
    std::swap(n.bindings[0], n.bindings[2]);
    Decode(Reencode(n), SnmpNotificationDecode::Malformed);
    // An IpAddress of three octets, and a Counter64 in an SNMPv1 trap.
    SnmpNotification v1 = Decode(kNetSnmpV1Trap);
    v1.bindings.push_back({"1.3.6.1.4.1.1", SNMP_TYPE_IPADDR, {1, 2, 3}});
    Decode(Reencode(v1), SnmpNotificationDecode::Malformed);
    v1.bindings.back() = SnmpNotificationBinding::Unsigned("1.3.6.1.4.1.1", SNMP_TYPE_COUNTER64, 1);
    Decode(Reencode(v1), SnmpNotificationDecode::Malformed);
    // Bytes after the message.
    std::vector<std::uint8_t> trailing = kNetSnmpV1Trap;
    trailing.push_back(0);
    Decode(trailing, SnmpNotificationDecode::Malformed);
}

TEST(NotificationCodec, KeepsValueOctetsAsTheyCame) {
    // A Gauge32 of one octet FF is 255 (unsigned), an INTEGER of one octet FF is -1; a
    // five-octet INTEGER is wider than 32 bits and kept so.
    SnmpNotification n = Decode(kNetSnmpV2Trap);
    n.bindings.push_back({"1.3.6.1.4.1.1.1", SNMP_TYPE_GAUGE, {0xFF}});
    n.bindings.push_back({"1.3.6.1.4.1.1.2", SNMP_TYPE_INTEGER, {0xFF}});
    n.bindings.push_back({"1.3.6.1.4.1.1.3", SNMP_TYPE_INTEGER, {0x00, 0xFF, 0xFF, 0xFF, 0xFF}});
    const SnmpNotification back = Decode(Reencode(n));
    ASSERT_EQ(back.bindings.size(), 7u);
    EXPECT_EQ(back.bindings[4].Unsigned(), 255u);
    EXPECT_EQ(back.bindings[5].Signed(), -1);
    EXPECT_EQ(back.bindings[6].Signed(), 4294967295);
    EXPECT_EQ(back.bindings[6].value.size(), 5u);
}

} // namespace
