#include <gtest/gtest.h>

#include <memory>

#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpOid.h"
#include "snmp/SnmpStrings.h"

TEST(ObjectModelTest, NewMessageIsEmpty) {
    std::unique_ptr<CSnmpMsg> msg(new CSnmpMsg(nullptr, "10.1.1.1", "tessla", SNMP_PDU_GET));
    EXPECT_EQ(msg->m_nLen, 0);
    for (std::uint8_t b : msg->m_buf) {
        ASSERT_EQ(b, 0);
    }
    ASSERT_NE(msg->m_pPdu, nullptr);
    EXPECT_EQ(msg->m_pPdu->m_dwReqId, 0u);
    EXPECT_EQ(msg->m_pPdu->m_dwErrorStatus, 0u);
    EXPECT_EQ(msg->m_pPdu->m_dwErrorIndex, 0u);
    EXPECT_TRUE(msg->m_pPdu->m_varBindList.empty());
    EXPECT_EQ(msg->m_pfnCallback, nullptr);
    EXPECT_EQ(msg->m_strIpAddr, "10.1.1.1");
    msg->SetIpAddr("10.1.1.2");
    EXPECT_EQ(msg->m_strIpAddr, "10.1.1.2");
}

TEST(ObjectModelTest, EngineClassesAreCreatableByName) {
    for (const char* name : {"CSnmpMsg", "CSnmpPdu", "CSnmpVarBind", "CSnmpOid", "CEnumData"}) {
        CObject* obj = CRuntimeClass::CreateObject(name);
        ASSERT_NE(obj, nullptr) << name;
        EXPECT_STREQ(obj->GetRuntimeClass()->m_lpszClassName, name);
        EXPECT_EQ(obj->GetRuntimeClass()->m_wSchema, 1);
        delete obj;
    }
    auto* msg = static_cast<CSnmpMsg*>(CRuntimeClass::CreateObject("CSnmpMsg"));
    EXPECT_NE(msg->m_pPdu, nullptr);
    EXPECT_EQ(msg->m_wPduType, 0);
    msg->Release();
    auto* oid = static_cast<CSnmpOid*>(CRuntimeClass::CreateObject("CSnmpOid"));
    EXPECT_EQ(oid->m_byType, 5);
    oid->Release();
}

TEST(ObjectModelTest, ReleaseOnNullDoesNothing) {
    CSnmpMsg::Release(nullptr);
    CSnmpPdu::Release(nullptr);
    CSnmpVarBind::Release(nullptr);
    CSnmpOid::Release(nullptr);
    CEnumData::Release(nullptr);
}

TEST(ObjectModelTest, AddOidOverloads) {
    CSnmpPdu pdu;
    pdu.AddOid("1.3.1");
    pdu.AddOid("1.3.2", std::uint32_t{0xFFFFFFFF}, SNMP_TYPE_COUNTER);
    pdu.AddOid("1.3.3", std::int64_t{-7}, SNMP_TYPE_INTEGER);
    pdu.AddOid("1.3.4", std::string("a\0b\0", 4), SNMP_TYPE_OCTETS);
    pdu.AddOid("1.3.5", std::string("1.3.6.1"), SNMP_TYPE_OID);
    const std::uint8_t mac[] = {0, 0x10, 0, 0xFF, 0, 0};
    pdu.AddOid("1.3.6", mac, 6, SNMP_TYPE_OCTETS);
    ASSERT_EQ(pdu.m_varBindList.size(), 6u);

    auto it = pdu.m_varBindList.begin();
    CSnmpVarBind* b = *it++;
    EXPECT_EQ(b->m_strOid, "1.3.1");
    EXPECT_EQ(b->m_byType, 5);
    EXPECT_EQ(b->m_wLength, 0);
    b = *it++;
    EXPECT_EQ(b->m_wLength, 4);
    EXPECT_EQ(*static_cast<std::uint32_t*>(b->m_pValue), 0xFFFFFFFFu);
    b = *it++;
    EXPECT_EQ(b->m_wLength, 8);
    EXPECT_EQ(*static_cast<std::int64_t*>(b->m_pValue), -7);
    b = *it++;
    EXPECT_EQ(b->m_wLength, 4); // embedded zero bytes kept
    EXPECT_EQ(std::string(static_cast<const char*>(b->m_pValue), 5), std::string("a\0b\0\0", 5));
    b = *it++;
    EXPECT_EQ(b->m_byType, 6);
    EXPECT_EQ(b->m_wLength, 7);
    EXPECT_EQ(*static_cast<std::string*>(b->m_pValue), "1.3.6.1");
    b = *it++;
    EXPECT_EQ(b->m_wLength, 6);
    EXPECT_EQ(b->GetBytes()[3], 0xFF);
    EXPECT_EQ(b->GetBytes()[6], 0); // the area ends in a zero byte

    // A long octet value lives outside the binding and is still terminated.
    pdu.AddOid("1.3.7", std::string(300, 'x'), SNMP_TYPE_OPAQUE);
    EXPECT_EQ(pdu.m_varBindList.back()->m_wLength, 300);
    EXPECT_EQ(pdu.m_varBindList.back()->GetBytes()[300], 0);

    pdu.RemoveVarBinds();
    EXPECT_TRUE(pdu.m_varBindList.empty());
    pdu.RemoveVarBinds();
    pdu.AddOid("1.3.8");
    EXPECT_EQ(pdu.m_varBindList.size(), 1u);
}

TEST(ObjectModelTest, OidFromTableRowCopiesRowAndEnumerations) {
    static const _NmEnumPair kLink[] = {{1, "Link Pass"}, {2, "Link Fail"}, {0, nullptr}};
    const _NmOidTable row{SNMP_TYPE_INTEGER,
                          SNMP_ACCESS_READONLY | SNMP_ACCESS_INDEX,
                          "1.3.6.1.4.1.88888.1.1",
                          "Link",
                          kLink,
                          7};
    std::unique_ptr<CSnmpOid> oid(new CSnmpOid(row));
    EXPECT_EQ(oid->m_byType, 2);
    EXPECT_EQ(oid->m_wAccess, 0x11);
    EXPECT_EQ(oid->m_strOid, "1.3.6.1.4.1.88888.1.1");
    EXPECT_EQ(oid->m_strName, "Link");
    EXPECT_TRUE(oid->m_strValue.empty());
    EXPECT_EQ(oid->m_nReserved, 7);
    ASSERT_EQ(oid->m_enumList.size(), 2u);
    EXPECT_EQ(oid->m_enumList.front()->m_nValue, 1);
    EXPECT_EQ(oid->m_enumList.back()->m_strText, "Link Fail");

    const _NmOidTable plain{
        SNMP_TYPE_OCTETS, SNMP_ACCESS_READWRITE, "1.3.6.1.2.1.1.4", "Contact", nullptr, 0};
    EXPECT_TRUE(CSnmpOid(plain).m_enumList.empty());
}

TEST(ObjectModelTest, ExceptionTextsComeFromTheStringTable) {
    EXPECT_EQ(CSnmpException(16).m_strMessage, "Snmp timeout.");
    EXPECT_EQ(CSnmpException(4).m_strMessage, "variables binding list parsing failed.");
    EXPECT_EQ(CSnmpException(255).m_strMessage, "Socket error, error code= 0x%04x");
    EXPECT_EQ(CSnmpException(0).m_strMessage, "Snmp error");
    EXPECT_TRUE(CSnmpException(10).m_strMessage.empty());
    EXPECT_TRUE(CSnmpException(11).m_strMessage.empty());
    EXPECT_TRUE(CSnmpException(17).m_strMessage.empty());
    EXPECT_EQ(SnmpLoadString(1015), "Response packet excesses the buffer length.");

    CSnmpException a(3, "custom");
    CSnmpException b;
    b = a;
    EXPECT_EQ(b.m_wCode, 3);
    EXPECT_EQ(b.m_strMessage, "custom");
}
