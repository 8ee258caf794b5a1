#include "snmp/CSnmpPdu.h"

#include "platform/core/CArchive.h"

IMPLEMENT_SERIAL(CSnmpPdu, CObject, 1)

CSnmpPdu::~CSnmpPdu() {
    RemoveVarBinds();
}

CSnmpVarBind* CSnmpPdu::Append(std::string oid) {
    auto* bind = new CSnmpVarBind(std::move(oid));
    m_varBindList.push_back(bind);
    return bind;
}

void CSnmpPdu::AddOid(std::string oid) {
    Append(std::move(oid));
}

void CSnmpPdu::AddOid(std::string oid, std::uint32_t value, std::uint8_t type) {
    Append(std::move(oid))->SetValue(value, type);
}

void CSnmpPdu::AddOid(std::string oid, std::int64_t value, std::uint8_t type) {
    Append(std::move(oid))->SetValue(value, type);
}

void CSnmpPdu::AddOid(std::string oid, const std::string& value, std::uint8_t type) {
    Append(std::move(oid))->SetValue(value, type);
}

void CSnmpPdu::AddOid(std::string oid, const std::uint8_t* bytes, int length, std::uint8_t type) {
    Append(std::move(oid))->SetValue(bytes, length, type);
}

void CSnmpPdu::RemoveVarBinds() {
    while (!m_varBindList.empty()) {
        delete m_varBindList.back();
        m_varBindList.pop_back();
    }
}

void CSnmpPdu::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_dwReqId << m_dwErrorStatus << m_dwErrorIndex;
    } else {
        ar >> m_dwReqId >> m_dwErrorStatus >> m_dwErrorIndex;
    }
    ar.SerializeList(m_varBindList);
}
