// SNMPv2c on the codec: the version field, GetBulk, Counter64 and the exceptions, the version a
// message accepts, images longer than one buffer, and the header of a datagram cut short.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "SnmpTestBytes.h"
#include "snmp/SnmpMessageHeader.h"

namespace {

std::unique_ptr<CSnmpMsg> V2Received(const Bytes& bytes) {
    std::unique_ptr<CSnmpMsg> msg(Received(bytes));
    msg->m_nVersion = SNMP_VERSION_2C;
    return msg;
}

// The decode failure code, or -1 when `bytes` decode as an SNMPv2c message.
int V2DecodeCode(const Bytes& bytes) {
    const auto msg = V2Received(bytes);
    try {
        msg->SnmpDecode();
        return -1;
    } catch (const CSnmpException& e) {
        return e.m_wCode;
    }
}

// The value element a Counter64 of `value` encodes to in an SNMPv2c request.
Bytes EncodedCounter64(std::int64_t value) {
    CSnmpMsg msg(nullptr, "", "", SNMP_PDU_GET);
    msg.m_nVersion = SNMP_VERSION_2C;
    msg.m_pPdu->AddOid("1.3", value, SNMP_TYPE_COUNTER64);
    msg.SnmpEncodeImage();
    const Bytes image = Image(msg);
    // The one binding ends the message: its name 1.3 (06 01 2B), then the value.
    const Bytes name{0x06, 0x01, 0x2B};
    const auto at = std::search(image.begin(), image.end(), name.begin(), name.end());
    return Bytes(at + 3, image.end());
}

} // namespace

TEST(CodecV2cTest, GetBulkRequestWireImage) {
    CSnmpMsg msg(nullptr, "", "public", SNMP_PDU_GETBULK);
    msg.m_nVersion = SNMP_VERSION_2C;
    msg.m_pPdu->m_dwReqId = 1;
    msg.m_pPdu->m_dwErrorStatus = 0; // non-repeaters
    msg.m_pPdu->m_dwErrorIndex = 10; // max-repetitions
    msg.m_pPdu->AddOid("1.3.6.1");
    msg.SnmpEncodeImage();
    EXPECT_EQ(Image(msg),
              (Bytes{0x30, 0x21, 0x02, 0x01, 0x01, 0x04, 0x06, 'p',  'u',  'b',  'l',  'i',
                     'c',  0xA5, 0x14, 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x0A,
                     0x30, 0x09, 0x30, 0x07, 0x06, 0x03, 0x2B, 0x06, 0x01, 0x05, 0x00}));
}

TEST(CodecV2cTest, Counter64AndExceptionsAreSentOnlyInV2c) {
    EXPECT_EQ(EncodedCounter64(0), (Bytes{0x46, 0x01, 0x00}));
    EXPECT_EQ(EncodedCounter64(255), (Bytes{0x46, 0x02, 0x00, 0xFF}));
    EXPECT_EQ(EncodedCounter64(0x7FFFFFFFFFFFFFFF),
              (Bytes{0x46, 0x08, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(EncodedCounter64(-1), // 2^64 - 1 needs the leading zero
              (Bytes{0x46, 0x09, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));

    for (const int version : {SNMP_VERSION_1, SNMP_VERSION_2C}) {
        CSnmpMsg msg(nullptr, "", "", SNMP_PDU_RESPONSE);
        msg.m_nVersion = version;
        msg.m_pPdu->AddOid("1.3", std::int64_t{5}, SNMP_TYPE_COUNTER64);
        msg.m_pPdu->AddOid("1.4");
        msg.m_pPdu->m_varBindList.back()->m_byType = SNMP_TYPE_ENDOFMIBVIEW;
        msg.SnmpEncodeImage();
        const Bytes image = Image(msg);
        EXPECT_EQ(image[4], version);
        const Bytes tail(image.end() - 2, image.end());
        if (version == SNMP_VERSION_1) {
            EXPECT_EQ(image.size(), 20u) << "both bindings left out of an SNMPv1 message";
        } else {
            EXPECT_EQ(tail, (Bytes{0x82, 0x00}));
        }
    }
}

TEST(CodecV2cTest, ReceivedCounter64AndExceptions) {
    const Bytes bindings = Cat({
        VarBind(SysNameOid(), Bytes{0x46, 0x05, 0x01, 0x00, 0x00, 0x00, 0x00}),
        VarBind(SysNameOid(), Bytes{0x46, 0x09, 0x00, 0x80, 0, 0, 0, 0, 0, 0, 0}),
        VarBind(SysNameOid(), Bytes{0x46, 0x08, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
        VarBind(SysNameOid(), Bytes{0x80, 0x00}),
        VarBind(SysNameOid(), Bytes{0x81, 0x00}),
        VarBind(SysNameOid(), Bytes{0x82, 0x00}),
    });
    const auto msg = V2Received(Response(bindings, 1));
    msg->SnmpDecode();
    ASSERT_EQ(msg->m_pPdu->m_varBindList.size(), 6u);
    auto it = msg->m_pPdu->m_varBindList.begin();
    EXPECT_EQ((*it)->m_byType, SNMP_TYPE_COUNTER64);
    EXPECT_EQ((*it)->m_wLength, 8);
    EXPECT_EQ((*it++)->GetInt64(), 0x100000000);
    EXPECT_EQ(static_cast<std::uint64_t>((*it++)->GetInt64()), 0x8000000000000000u);
    EXPECT_EQ(static_cast<std::uint64_t>((*it++)->GetInt64()), ~std::uint64_t{0})
        << "eight octets of a Counter64 are unsigned";
    for (const std::uint8_t type :
         {SNMP_TYPE_NOSUCHOBJECT, SNMP_TYPE_NOSUCHINSTANCE, SNMP_TYPE_ENDOFMIBVIEW}) {
        EXPECT_EQ((*it)->m_byType, type);
        EXPECT_EQ((*it++)->m_pValue, nullptr);
    }
}

TEST(CodecV2cTest, MalformedV2ValuesAndV1MessagesStayStrict) {
    EXPECT_EQ(V2DecodeCode(Response(
                  VarBind(SysNameOid(), Bytes{0x46, 0x09, 0x01, 0, 0, 0, 0, 0, 0, 0, 0}), 1)),
              SNMP_ERR_VALUE_TOO_LONG);
    EXPECT_EQ(V2DecodeCode(Response(VarBind(SysNameOid(), Bytes{0x81, 0x01, 0x00}), 1)),
              SNMP_ERR_MALFORMED_NULL);
    EXPECT_EQ(V2DecodeCode(Response(VarBind(SysNameOid(), Bytes{0x83, 0x00}), 1)),
              SNMP_ERR_UNEXPECTED_TYPE);
    // A v2c message refuses an SNMPv1 reply, and an SNMPv1 message every v2-only value.
    EXPECT_EQ(V2DecodeCode(Response(VarBind(SysNameOid(), Bytes{0x05, 0x00}), 0)),
              SNMP_ERR_VERSION);
    std::unique_ptr<CSnmpMsg> v1(Received(Response(VarBind(SysNameOid(), Bytes{0x80, 0x00}))));
    try {
        v1->SnmpDecode();
        ADD_FAILURE() << "an exception in an SNMPv1 reply decoded";
    } catch (const CSnmpException& e) {
        EXPECT_EQ(e.m_wCode, SNMP_ERR_UNEXPECTED_TYPE);
    }
}

TEST(CodecV2cTest, ImageLongerThanOneBufferDecodesInFull) {
    const std::string value(1000, 'v');
    const Bytes reply = Response(VarBind(SysNameOid(), Tlv(0x04, Text(value))), 1);
    ASSERT_GT(reply.size(), 1000u);
    CSnmpMsg msg(nullptr, "", "", 0);
    msg.m_nVersion = SNMP_VERSION_2C;
    msg.m_largeImage = reply;
    msg.m_nLen = static_cast<int>(reply.size());
    msg.SnmpDecode();
    ASSERT_EQ(msg.m_pPdu->m_varBindList.size(), 1u);
    EXPECT_EQ(msg.m_pPdu->m_varBindList.front()->GetText(), value);

    // A length beyond the stored image is clamped, as for m_buf.
    msg.m_nLen = 100000;
    EXPECT_EQ(msg.ImageLength(), static_cast<int>(reply.size()));
    // Encoding puts the image back into m_buf.
    msg.m_pPdu->RemoveVarBinds();
    msg.SnmpEncodeImage();
    EXPECT_TRUE(msg.m_largeImage.empty());
    EXPECT_EQ(msg.ImageData(), msg.m_buf);
}

TEST(CodecV2cTest, HeaderOfADatagramCutShort) {
    CSnmpMsg msg(nullptr, "", "public", SNMP_PDU_RESPONSE);
    msg.m_nVersion = SNMP_VERSION_2C;
    msg.m_pPdu->m_dwReqId = 0x12345;
    msg.m_pPdu->AddOid("1.3.6.1", std::string(400, 'x'), SNMP_TYPE_OCTETS);
    msg.SnmpEncodeImage();
    SnmpMessageHeader header;
    // The enclosing lengths promise 400 more bytes than are kept.
    ASSERT_TRUE(SnmpReadMessageHeader(msg.m_buf, 40, header));
    EXPECT_EQ(header.version, SNMP_VERSION_2C);
    EXPECT_EQ(header.pduType, SNMP_PDU_RESPONSE);
    EXPECT_EQ(header.requestId, 0x12345u);
    // Cut inside the request id, or not a message at all.
    EXPECT_FALSE(SnmpReadMessageHeader(msg.m_buf, 17, header));
    const Bytes garbage{0x04, 0x02, 0x30, 0x00};
    EXPECT_FALSE(SnmpReadMessageHeader(garbage.data(), 4, header));
}
