#include "snmp/CSnmpOid.h"

IMPLEMENT_SERIAL(CEnumData, CObject, 1)
IMPLEMENT_SERIAL(CSnmpOid, CObject, 1)

CEnumData::CEnumData(int value, std::string text) : m_nValue(value), m_strText(std::move(text)) {}

CSnmpOid::CSnmpOid() : CSnmpOid(SNMP_TYPE_NULL, 0, {}, {}, {}) {}

CSnmpOid::CSnmpOid(const _NmOidTable& row)
    : m_byType(row.byType), m_wAccess(row.wAccess), m_strOid(row.szOid), m_strName(row.szName),
      m_nReserved(row.nReserved) {
    for (const _NmEnumPair* pair = row.pEnum; pair && pair->pszText; ++pair) {
        m_enumList.push_back(new CEnumData(pair->nValue, pair->pszText));
    }
}

CSnmpOid::CSnmpOid(std::uint8_t type, std::uint16_t access, std::string oid, std::string name,
                   std::string value)
    : m_byType(type), m_wAccess(access), m_strOid(std::move(oid)), m_strName(std::move(name)),
      m_strValue(std::move(value)) {}

CSnmpOid::~CSnmpOid() {
    for (CEnumData* item : m_enumList) {
        delete item;
    }
}
