#include <gtest/gtest.h>

#include <memory>

#include "SnmpTestBytes.h"

namespace {

// Decodes `bytes`; returns the exception code, or -1 when decoding succeeded.
int DecodeCode(const Bytes& bytes, std::unique_ptr<CSnmpMsg>& msg) {
    msg.reset(Received(bytes));
    try {
        msg->SnmpDecode();
        return -1;
    } catch (const CSnmpException& e) {
        return e.m_wCode;
    }
}

CSnmpVarBind* Only(const CSnmpMsg& msg) {
    EXPECT_EQ(msg.m_pPdu->m_varBindList.size(), 1u);
    return msg.m_pPdu->m_varBindList.empty() ? nullptr : msg.m_pPdu->m_varBindList.front();
}

} // namespace

TEST(CodecDecodeTest, ResponseFieldsAndEveryValueType) {
    const Bytes bindings = Cat({
        VarBind(SysNameOid(), Bytes{0x02, 0x01, 0xFB}),
        VarBind(SysNameOid(), Bytes{0x04, 0x03, 'a', 0x00, 'b'}),
        VarBind(SysNameOid(), Bytes{0x05, 0x00}),
        VarBind(SysNameOid(), Bytes{0x06, 0x04, 0x2B, 0x06, 0x81, 0x48}),
        VarBind(SysNameOid(), Bytes{0x40, 0x04, 10, 0, 0, 1}),
        VarBind(SysNameOid(), Bytes{0x41, 0x05, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}),
        VarBind(SysNameOid(), Bytes{0x42, 0x02, 0x01, 0x00}),
        VarBind(SysNameOid(), Bytes{0x43, 0x01, 0x7F}),
        VarBind(SysNameOid(), Bytes{0x44, 0x01, 0x99}),
    });
    Bytes reply = Response(bindings);
    std::unique_ptr<CSnmpMsg> msg;
    msg.reset(Received(reply));
    msg->m_wPduType = 0x12A0;
    msg->SnmpDecode();

    EXPECT_EQ(msg->m_strCommunity, "public");
    EXPECT_EQ(msg->m_wPduType, 0x12A2); // only the low byte is replaced
    EXPECT_EQ(msg->m_pPdu->m_dwReqId, 1u);
    ASSERT_EQ(msg->m_pPdu->m_varBindList.size(), 9u);
    auto it = msg->m_pPdu->m_varBindList.begin();
    CSnmpVarBind* b = *it++;
    EXPECT_EQ(b->m_strOid, "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(b->m_byType, 2);
    EXPECT_EQ(b->m_wLength, 4);
    EXPECT_EQ(static_cast<std::int32_t>(b->GetUInt32()), -5);
    b = *it++;
    EXPECT_EQ(b->m_byType, 4);
    EXPECT_EQ(b->m_wLength, 3);
    EXPECT_EQ(std::string(static_cast<const char*>(b->m_pValue), 4), std::string("a\0b\0", 4));
    b = *it++;
    EXPECT_EQ(b->m_byType, 5);
    EXPECT_EQ(b->m_pValue, nullptr);
    b = *it++;
    EXPECT_EQ(b->m_byType, 6);
    EXPECT_EQ(b->GetText(), "1.3.6.200");
    b = *it++;
    EXPECT_EQ(b->m_byType, 64);
    EXPECT_EQ(b->GetBytes()[0], 10);
    b = *it++;
    EXPECT_EQ(b->m_byType, 65);
    EXPECT_EQ(b->m_wLength, 8);
    EXPECT_EQ(b->GetInt64(), 4294967295);
    b = *it++;
    EXPECT_EQ(b->GetUInt32(), 256u);
    b = *it++;
    EXPECT_EQ(b->m_byType, 67);
    b = *it++;
    EXPECT_EQ(b->m_byType, 68);
    EXPECT_EQ(b->m_wLength, 1);
}

TEST(CodecDecodeTest, IntegerWidths) {
    std::unique_ptr<CSnmpMsg> msg;
    ASSERT_EQ(
        DecodeCode(Response(VarBind(SysNameOid(), Bytes{0x02, 0x05, 0x00, 0xFF, 0xFF, 0xFF, 0xFF})),
                   msg),
        -1);
    EXPECT_EQ(Only(*msg)->m_wLength, 8);
    EXPECT_EQ(Only(*msg)->m_byType, 2);
    EXPECT_EQ(Only(*msg)->GetInt64(), 4294967295);

    ASSERT_EQ(
        DecodeCode(Response(VarBind(SysNameOid(), Bytes{0x02, 0x04, 0xFF, 0xFF, 0xFF, 0xFF})), msg),
        -1);
    EXPECT_EQ(Only(*msg)->m_wLength, 4);
    EXPECT_EQ(Only(*msg)->GetInt64(), -1);

    ASSERT_EQ(
        DecodeCode(Response(VarBind(SysNameOid(), Bytes{0x02, 0x08, 0x80, 0, 0, 0, 0, 0, 0, 0})),
                   msg),
        -1);
    EXPECT_EQ(Only(*msg)->GetInt64(), INT64_MIN);

    EXPECT_EQ(
        DecodeCode(Response(VarBind(SysNameOid(), Bytes{0x02, 0x09, 0, 0, 0, 0, 0, 0, 0, 0, 1})),
                   msg),
        12);
}

TEST(CodecDecodeTest, VersionMismatchIsRaisedAfterTheCommunity) {
    std::unique_ptr<CSnmpMsg> msg;
    EXPECT_EQ(DecodeCode(Response(Bytes{}, 1, "v2c-community"), msg), 2);
    EXPECT_EQ(msg->m_strCommunity, "v2c-community");
    try {
        msg->SnmpDecode();
    } catch (const CSnmpException& e) {
        EXPECT_EQ(e.m_strMessage, "Snmp version mismatch.");
    }
}

TEST(CodecDecodeTest, RejectedValueTypesAndStructure) {
    std::unique_ptr<CSnmpMsg> msg;
    // Counter64 is not carried.
    EXPECT_EQ(DecodeCode(Response(VarBind(SysNameOid(), Bytes{0x46, 0x01, 0x01})), msg), 9);
    // Bindings decoded before the failure stay in the list.
    EXPECT_EQ(DecodeCode(Response(Cat({VarBind(SysNameOid(), Bytes{0x05, 0x00}),
                                       VarBind(SysNameOid(), Bytes{0x47, 0x00})})),
                         msg),
              9);
    EXPECT_EQ(msg->m_pPdu->m_varBindList.size(), 1u);

    EXPECT_EQ(DecodeCode(Response(VarBind(SysNameOid(), Bytes{0x05, 0x01, 0x00})), msg), 8);
    EXPECT_EQ(DecodeCode(Response(VarBind(Bytes{0x04, 0x01, 0x2B}, Bytes{0x05, 0x00})), msg), 4);
    EXPECT_EQ(DecodeCode(Response(Tlv(0x31, Cat({SysNameOid(), Bytes{0x05, 0x00}}))), msg), 4);
    EXPECT_EQ(DecodeCode(Bytes{0x31, 0x00}, msg), 1);
    EXPECT_EQ(DecodeCode(Bytes{0x3F, 0x00}, msg), 5);

    Bytes notList = Response(Bytes{});
    notList[notList.size() - 2] = 0x31; // varbind-list tag
    EXPECT_EQ(DecodeCode(notList, msg), 3);
}

TEST(CodecDecodeTest, LengthForms) {
    std::unique_ptr<CSnmpMsg> msg;
    // 84 00 00 00 05 is a valid long form.
    const Bytes longForm =
        Cat({VarBind(SysNameOid(), Bytes{0x02, 0x01, 0x07}),
             Bytes{0x30, 0x84, 0x00, 0x00, 0x00, 0x05, 0x06, 0x01, 0x2B, 0x05, 0x00}});
    ASSERT_EQ(DecodeCode(Response(longForm), msg), -1);
    ASSERT_EQ(msg->m_pPdu->m_varBindList.size(), 2u);
    EXPECT_EQ(msg->m_pPdu->m_varBindList.back()->m_strOid, "1.3");

    EXPECT_EQ(DecodeCode(Response(Bytes{0x30, 0x85, 0, 0, 0, 0, 5}), msg), 7);
    EXPECT_EQ(DecodeCode(Response(Bytes{0x30, 0x80, 0x06, 0x01, 0x2B, 0x05, 0x00}), msg), 6);
    EXPECT_EQ(DecodeCode(Response(Bytes{0x30, 0x84, 0xFF, 0xFF, 0xFF, 0xFF}), msg), 15);
    EXPECT_EQ(DecodeCode(Response(Bytes{0x30, 0x06, 0x06, 0x01, 0x2B}), msg), 15);
}

TEST(CodecDecodeTest, ReceivedIdentifiersSplitTheFirstNumber) {
    std::unique_ptr<CSnmpMsg> msg;
    const std::pair<Bytes, std::string> cases[] = {
        {{0x06, 0x01, 0x27}, "0.39"},
        {{0x06, 0x01, 0x28}, "1.0"},
        {{0x06, 0x01, 0x50}, "2.0"},
        {{0x06, 0x02, 0x88, 0x37}, "2.999"},
        {{0x06, 0x06, 0x2B, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F}, "1.3.4294967295"},
        {{0x06, 0x00}, ""},
    };
    for (const auto& [name, text] : cases) {
        ASSERT_EQ(DecodeCode(Response(VarBind(name, Bytes{0x05, 0x00})), msg), -1) << text;
        EXPECT_EQ(Only(*msg)->m_strOid, text);
    }
}

TEST(CodecDecodeTest, IdentifiersTheDecoderCannotHold) {
    std::unique_ptr<CSnmpMsg> msg;
    // Wider than 32 bits.
    EXPECT_EQ(DecodeCode(Response(VarBind(Bytes{0x06, 0x06, 0x2B, 0x90, 0x80, 0x80, 0x80, 0x00},
                                          Bytes{0x05, 0x00})),
                         msg),
              12);
    // A continuation octet at the end of the element.
    EXPECT_EQ(DecodeCode(Response(VarBind(Bytes{0x06, 0x02, 0x2B, 0x81}, Bytes{0x05, 0x00})), msg),
              15);
    // 64 numbers fit; 65 do not.
    Bytes name64{0x06, 63, 0x2B};
    name64.insert(name64.end(), 62, 0x01);
    ASSERT_EQ(DecodeCode(Response(VarBind(name64, Bytes{0x05, 0x00})), msg), -1);
    Bytes name65{0x06, 64, 0x2B};
    name65.insert(name65.end(), 63, 0x01);
    EXPECT_EQ(DecodeCode(Response(VarBind(name65, Bytes{0x05, 0x00})), msg), 13);
}

TEST(CodecDecodeTest, EncodedRequestDecodesBackToTheSameMessage) {
    std::unique_ptr<CSnmpMsg> out(new CSnmpMsg(nullptr, "", "tessla", SNMP_PDU_GETNEXT));
    out->m_pPdu->AddOid("1.3.6.1.4.1.88888.1.2.3.4.5.6.7.8.9.0");
    out->m_pPdu->AddOid("1.3.6.1.2.1.2.2.1.10.1", std::uint32_t{0xDEADBEEF}, SNMP_TYPE_COUNTER);
    out->SnmpEncode();
    std::unique_ptr<CSnmpMsg> in(Received(Image(*out)));
    in->SnmpDecode();
    EXPECT_EQ(in->m_strCommunity, "tessla");
    EXPECT_EQ(in->m_wPduType, SNMP_PDU_GETNEXT);
    EXPECT_EQ(in->m_pPdu->m_dwReqId, out->m_pPdu->m_dwReqId);
    ASSERT_EQ(in->m_pPdu->m_varBindList.size(), 2u);
    EXPECT_EQ(in->m_pPdu->m_varBindList.front()->m_strOid, "1.3.6.1.4.1.88888.1.2.3.4.5.6.7.8.9.0");
    EXPECT_EQ(in->m_pPdu->m_varBindList.back()->GetUInt32(), 0xDEADBEEFu);
}
