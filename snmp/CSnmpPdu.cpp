#include "snmp/CSnmpPdu.h"

#include "platform/core/CArchive.h"

IMPLEMENT_SERIAL(CSnmpPdu, CObject, 1)

CSnmpPdu::~CSnmpPdu() {
    RemoveVarBinds();
}

void CSnmpPdu::AddOid(std::string_view oid) {
    m_varBindList.Append(oid);
}

void CSnmpPdu::AddOid(std::string_view oid, std::int64_t value, std::uint8_t type) {
    m_varBindList.Append(oid)->SetValue(value, type);
}

void CSnmpPdu::AddOid(std::string_view oid, const std::string& value, std::uint8_t type) {
    m_varBindList.Append(oid)->SetValue(value, type);
}

void CSnmpPdu::AddOid(std::string_view oid, const std::uint8_t* bytes, int length,
                      std::uint8_t type) {
    m_varBindList.Append(oid)->SetValue(bytes, length, type);
}

void CSnmpPdu::RemoveVarBinds() {
    m_varBindList.Clear();
}

void CSnmpPdu::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_dwReqId << m_dwErrorStatus << m_dwErrorIndex;
    } else {
        ar >> m_dwReqId >> m_dwErrorStatus >> m_dwErrorIndex;
    }
    // The framework's object list: a count, then each binding.
    if (ar.IsStoring()) {
        ar.WriteCount(m_varBindList.size());
        for (const CSnmpVarBind* bind : m_varBindList) {
            ar.WriteObject(bind);
        }
        return;
    }
    const std::size_t count = ar.ReadCount();
    for (std::size_t i = 0; i < count; ++i) {
        CObject* obj = ar.ReadObject(CSnmpVarBind::GetThisClass());
        m_varBindList.Adopt(static_cast<CSnmpVarBind*>(obj));
    }
}
