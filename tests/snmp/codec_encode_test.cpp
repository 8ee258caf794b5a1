#include <gtest/gtest.h>

#include <memory>

#include "SnmpTestBytes.h"
#include "snmp/BerBuffer.h"

namespace {

Bytes PutInteger(std::uint8_t tag, std::uint32_t v) {
    BerBuffer b;
    b.PutInteger(tag, v);
    return Bytes(b.data, b.data + b.pos);
}

Bytes Header(int length) {
    BerBuffer b;
    b.PutHeader(0x04, length);
    return Bytes(b.data + 1, b.data + b.pos);
}

Bytes Oid(const std::string& text) {
    BerBuffer b;
    b.PutOid(0x06, text);
    return Bytes(b.data, b.data + b.pos);
}

std::string OidWithParts(int parts) {
    std::string text = "1.3";
    for (int i = 2; i < parts; ++i) {
        text += ".7";
    }
    return text;
}

} // namespace

TEST(CodecEncodeTest, IntegersUseFewestTwosComplementOctets) {
    EXPECT_EQ(PutInteger(0x02, 0), (Bytes{0x02, 0x01, 0x00}));
    EXPECT_EQ(PutInteger(0x02, 127), (Bytes{0x02, 0x01, 0x7F}));
    EXPECT_EQ(PutInteger(0x02, 128), (Bytes{0x02, 0x02, 0x00, 0x80}));
    EXPECT_EQ(PutInteger(0x02, static_cast<std::uint32_t>(-1)), (Bytes{0x02, 0x01, 0xFF}));
    EXPECT_EQ(PutInteger(0x02, static_cast<std::uint32_t>(-129)), (Bytes{0x02, 0x02, 0xFF, 0x7F}));
    EXPECT_EQ(PutInteger(0x02, 0x7FFFFFFF), (Bytes{0x02, 0x04, 0x7F, 0xFF, 0xFF, 0xFF}));
    // The unsigned application types keep the same bytes below 2^31 and take a leading zero
    // octet from there on, as X.690 writes a non-negative number.
    EXPECT_EQ(PutInteger(0x41, 0x7FFFFFFF), (Bytes{0x41, 0x04, 0x7F, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(PutInteger(0x42, 128), (Bytes{0x42, 0x02, 0x00, 0x80}));
    EXPECT_EQ(PutInteger(0x41, 0xFFFFFFFF), (Bytes{0x41, 0x05, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(PutInteger(0x42, 3000000000u), (Bytes{0x42, 0x05, 0x00, 0xB2, 0xD0, 0x5E, 0x00}));
    EXPECT_EQ(PutInteger(0x43, 0x80000000), (Bytes{0x43, 0x05, 0x00, 0x80, 0x00, 0x00, 0x00}));
}

TEST(CodecEncodeTest, LengthsUseShortThenOneThenTwoOctetForms) {
    EXPECT_EQ(Header(127), (Bytes{0x7F}));
    EXPECT_EQ(Header(128), (Bytes{0x81, 0x80}));
    EXPECT_EQ(Header(255), (Bytes{0x81, 0xFF}));
    EXPECT_EQ(Header(256), (Bytes{0x82, 0x01, 0x00}));
}

TEST(CodecEncodeTest, ObjectIdentifiers) {
    EXPECT_EQ(Oid("1.3.6.1.2.1.1.5.0"), SysNameOid());
    EXPECT_EQ(Oid("1.3.200"), (Bytes{0x06, 0x03, 0x2B, 0x81, 0x48}));
    EXPECT_EQ(Oid("1.3.4294967295"), (Bytes{0x06, 0x06, 0x2B, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(Oid("1"), (Bytes{0x06, 0x00}));
    // Empty and non-numeric parts count as 0.
    EXPECT_EQ(Oid("1.3..x"), (Bytes{0x06, 0x03, 0x2B, 0x00, 0x00}));
    EXPECT_EQ(Oid(OidWithParts(64)).size(), 2u + 63u);
    try {
        Oid(OidWithParts(65));
        FAIL() << "65 parts must not encode";
    } catch (const CSnmpException& e) {
        EXPECT_EQ(e.m_wCode, 13);
        EXPECT_EQ(e.m_strMessage, "Snmp object identifier is too long.");
    }
}

TEST(CodecEncodeTest, GetRequestWireImage) {
    CSnmpMsg::m_sdwReqid = 0;
    std::unique_ptr<CSnmpMsg> msg(new CSnmpMsg(nullptr, "10.0.0.1", "", SNMP_PDU_GET));
    msg->m_pPdu->AddOid("1.3.6.1.2.1.1.5.0");
    msg->SnmpEncode();
    const Bytes expected{0x30, 0x20, 0x02, 0x01, 0x00, 0x04, 0x00, 0xA0, 0x19, 0x02, 0x01, 0x01,
                         0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x0E, 0x30, 0x0C, 0x06, 0x08,
                         0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x05, 0x00, 0x05, 0x00};
    EXPECT_EQ(Image(*msg), expected);
    EXPECT_EQ(msg->m_pPdu->m_dwReqId, 1u);

    // Every encoding takes a new id.
    msg->SnmpEncode();
    EXPECT_EQ(msg->m_pPdu->m_dwReqId, 2u);
    EXPECT_EQ(msg->m_buf[11], 0x02);
}

TEST(CodecEncodeTest, ValuesOfEveryTypeAndUnsendableBindingsLeftOut) {
    CSnmpMsg::m_sdwReqid = 0;
    std::unique_ptr<CSnmpMsg> msg(new CSnmpMsg(nullptr, "", "marbelo", SNMP_PDU_SET));
    CSnmpPdu& pdu = *msg->m_pPdu;
    pdu.AddOid("1.3.6.1.2.1.1.5.0", std::string("ab\0c", 4), SNMP_TYPE_OCTETS);
    pdu.AddOid("1.3.6", std::int64_t{0x1234567890}, SNMP_TYPE_COUNTER64); // never sent
    const std::uint8_t ip[] = {192, 168, 1, 2};
    pdu.AddOid("1.3.7", ip, 4, SNMP_TYPE_IPADDR);
    pdu.AddOid("1.3.8", std::string("1.3.6.1"), SNMP_TYPE_OID);
    pdu.AddOid("1.3.9", std::int64_t{0x100000005}, SNMP_TYPE_GAUGE); // low 32 bits only
    pdu.AddOid("1.3.10", std::uint32_t{5}, 99);                      // unknown type: left out
    msg->SnmpEncode();

    const Bytes bindings =
        Cat({VarBind(SysNameOid(), Bytes{0x04, 0x04, 'a', 'b', 0x00, 'c'}),
             VarBind(Bytes{0x06, 0x02, 0x2B, 0x07}, Bytes{0x40, 0x04, 192, 168, 1, 2}),
             VarBind(Bytes{0x06, 0x02, 0x2B, 0x08}, Bytes{0x06, 0x03, 0x2B, 0x06, 0x01}),
             VarBind(Bytes{0x06, 0x02, 0x2B, 0x09}, Bytes{0x42, 0x01, 0x05})});
    const Bytes pdubytes = Tlv(
        0xA3, Cat({{0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00}, Tlv(0x30, bindings)}));
    EXPECT_EQ(Image(*msg),
              Tlv(0x30, Cat({{0x02, 0x01, 0x00}, Tlv(0x04, Text("marbelo")), pdubytes})));
}

TEST(CodecEncodeTest, OversizeMessageRaises14AndLeavesTheImage) {
    CSnmpMsg::m_sdwReqid = 0;
    std::unique_ptr<CSnmpMsg> msg(new CSnmpMsg(nullptr, "", "", SNMP_PDU_SET));
    msg->m_pPdu->AddOid("1.3.6.1.2.1.1.5.0");
    msg->SnmpEncode();
    const Bytes before = Image(*msg);

    // Fits as bindings alone, but not with the enclosing headers.
    msg->m_pPdu->AddOid("1.3.6.1.2.1.1.4.0", std::string(470, 'x'), SNMP_TYPE_OCTETS);
    try {
        msg->SnmpEncode();
        FAIL() << "oversize message encoded";
    } catch (const CSnmpException& e) {
        EXPECT_EQ(e.m_wCode, 14);
        EXPECT_EQ(e.m_strMessage, "Buffer overflow while snmp encoding.");
    }
    EXPECT_EQ(Image(*msg), before);
    EXPECT_EQ(msg->m_pPdu->m_dwReqId, 2u);

    // Bindings that alone exceed the staging area, and a huge community, end the same way.
    for (int i = 0; i < 40; ++i) {
        msg->m_pPdu->AddOid("1.3.6.1.2.1.1.4.0", std::string(100, 'y'), SNMP_TYPE_OCTETS);
    }
    EXPECT_THROW(msg->SnmpEncode(), CSnmpException);
    std::unique_ptr<CSnmpMsg> big(new CSnmpMsg(nullptr, "", std::string(600, 'c'), SNMP_PDU_GET));
    try {
        big->SnmpEncode();
        FAIL() << "oversize community encoded";
    } catch (const CSnmpException& e) {
        EXPECT_EQ(e.m_wCode, 14);
    }
    EXPECT_EQ(big->m_nLen, 0);
}

TEST(CodecEncodeTest, LargestMessageThatFitsEncodesExactly512Bytes) {
    // Value 04 82 01 DB + 475 bytes, name 06 01 2B, binding header 30 82 01 E2, list header
    // 30 82 01 E6, three integers (9), PDU header A3 82 01 F3, version and empty community
    // (5), message header 30 82 01 FC: 512 in all.
    std::unique_ptr<CSnmpMsg> msg(new CSnmpMsg(nullptr, "", "", SNMP_PDU_SET));
    CSnmpMsg::m_sdwReqid = 0;
    msg->m_pPdu->AddOid("1.3", std::string(475, 'z'), SNMP_TYPE_OCTETS);
    msg->SnmpEncode();
    EXPECT_EQ(msg->m_nLen, 512);
    msg->m_pPdu->RemoveVarBinds();
    msg->m_pPdu->AddOid("1.3", std::string(476, 'z'), SNMP_TYPE_OCTETS);
    EXPECT_THROW(msg->SnmpEncode(), CSnmpException);
}
