#include <gtest/gtest.h>

#include <memory>

#include "SnmpTestBytes.h"
#include "platform/core/CArchive.h"

TEST(SerializeTest, MessageWithOneNullBindingByteLayout) {
    std::unique_ptr<CSnmpMsg> msg(new CSnmpMsg(nullptr, "10.0.0.9", "tessla", SNMP_PDU_GET));
    msg->m_pPdu->m_dwReqId = 0x01020304;
    msg->m_pPdu->AddOid("1.3.6.1");
    CArchive ar;
    msg->Serialize(ar);
    const Bytes expected = Cat({
        Cat({{8}, Text("10.0.0.9")}),
        Cat({{6}, Text("tessla")}),
        {0xA0, 0x00},
        {0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0, 0, 0, 0},
        {0x01, 0x00},                         // one binding
        {0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00}, // class record: new class, schema 1, length 12
        Text("CSnmpVarBind"),
        Cat({{7}, Text("1.3.6.1")}),
        {0x05, 0x00, 0x00}, // type 5, length 0, no value
    });
    EXPECT_EQ(ar.Bytes(), expected);
}

TEST(SerializeTest, RoundTripOfEveryValueType) {
    std::unique_ptr<CSnmpMsg> msg(new CSnmpMsg(nullptr, "127.0.0.1:1161", "marbelo", SNMP_PDU_SET));
    CSnmpPdu& pdu = *msg->m_pPdu;
    pdu.m_dwReqId = 77;
    pdu.m_dwErrorStatus = 2;
    pdu.m_dwErrorIndex = 3;
    pdu.AddOid("1.1", std::uint32_t{0xFFFFFFFE}, SNMP_TYPE_INTEGER);
    pdu.AddOid("1.2", std::string("x\0y", 3), SNMP_TYPE_OCTETS);
    pdu.AddOid("1.3");
    pdu.AddOid("1.4", std::string("1.3.6.1.4.1.88888"), SNMP_TYPE_OID);
    const std::uint8_t ip[] = {10, 20, 30, 40};
    pdu.AddOid("1.5", ip, 4, SNMP_TYPE_IPADDR);
    pdu.AddOid("1.6", std::int64_t{4294967296}, SNMP_TYPE_COUNTER);
    pdu.AddOid("1.7", std::uint32_t{5}, SNMP_TYPE_GAUGE);
    pdu.AddOid("1.8", std::uint32_t{360000}, SNMP_TYPE_TIMETICKS);
    pdu.AddOid("1.9", std::string(260, 'o'), SNMP_TYPE_OPAQUE);
    pdu.AddOid("1.10", std::int64_t{9}, SNMP_TYPE_COUNTER64);

    CArchive out;
    msg->Serialize(out);
    // Two records in one file: each loads from where the previous ended.
    Bytes file = out.Bytes();
    file.insert(file.end(), out.Bytes().begin(), out.Bytes().end());

    std::size_t offset = 0;
    for (int record = 0; record < 2; ++record) {
        auto* loaded = static_cast<CSnmpMsg*>(CRuntimeClass::CreateObject("CSnmpMsg"));
        std::unique_ptr<CSnmpMsg> owner(loaded);
        CArchive in(file, offset);
        loaded->Serialize(in);
        offset = in.Position();

        EXPECT_EQ(loaded->m_strIpAddr, "127.0.0.1:1161");
        EXPECT_EQ(loaded->m_strCommunity, "marbelo");
        EXPECT_EQ(loaded->m_wPduType, SNMP_PDU_SET);
        EXPECT_EQ(loaded->m_pPdu->m_dwReqId, 77u);
        EXPECT_EQ(loaded->m_pPdu->m_dwErrorStatus, 2u);
        EXPECT_EQ(loaded->m_pPdu->m_dwErrorIndex, 3u);
        ASSERT_EQ(loaded->m_pPdu->m_varBindList.size(), pdu.m_varBindList.size());
        auto a = pdu.m_varBindList.begin();
        for (CSnmpVarBind* b : loaded->m_pPdu->m_varBindList) {
            SCOPED_TRACE((*a)->m_strOid);
            if (b->m_byType == SNMP_TYPE_COUNTER64) {
                // Not a wire type: its value is not logged.
                EXPECT_EQ(b->m_wLength, 0);
                EXPECT_EQ(b->m_pValue, nullptr);
                ++a;
                continue;
            }
            EXPECT_EQ(b->m_strOid, (*a)->m_strOid);
            EXPECT_EQ(b->m_byType, (*a)->m_byType);
            EXPECT_EQ(b->m_wLength, (*a)->m_wLength);
            EXPECT_EQ(b->GetInt64(), (*a)->GetInt64());
            EXPECT_EQ(b->GetText(), (*a)->GetText());
            if (b->GetBytes()) {
                EXPECT_EQ(b->GetBytes()[b->m_wLength], 0);
            }
            ++a;
        }
    }
    EXPECT_EQ(offset, file.size());
}

TEST(SerializeTest, TruncatedRecordFailsWithoutLeaking) {
    std::unique_ptr<CSnmpMsg> msg(new CSnmpMsg(nullptr, "1.2.3.4", "c", SNMP_PDU_GET));
    msg->m_pPdu->AddOid("1.3", std::string(40, 'v'), SNMP_TYPE_OCTETS);
    msg->m_pPdu->AddOid("1.4", std::string("1.3.6"), SNMP_TYPE_OID);
    CArchive out;
    msg->Serialize(out);
    for (std::size_t n = 0; n < out.Bytes().size(); ++n) {
        const Bytes cut(out.Bytes().begin(), out.Bytes().begin() + static_cast<long>(n));
        std::unique_ptr<CSnmpMsg> loaded(new CSnmpMsg(nullptr, "", "", 0));
        CArchive in(cut);
        EXPECT_THROW(loaded->Serialize(in), CArchiveException) << n;
    }
}
