#pragma once

#include <cstdint>
#include <list>
#include <string>

#include "platform/core/CObject.h"
#include "snmp/CEnumData.h"
#include "snmp/NmOidTable.h"
#include "snmp/NmSnmpApi.h"

// One managed object of an OID table, with the value text a set request sends.
class NMSNMP_API CSnmpOid : public CObject {
    DECLARE_DYNCREATE(CSnmpOid)
public:
    explicit CSnmpOid(const _NmOidTable& row);
    CSnmpOid(std::uint8_t type, std::uint16_t access, std::string oid, std::string name,
             std::string value);
    ~CSnmpOid() override;
    CSnmpOid(const CSnmpOid&) = delete;
    CSnmpOid& operator=(const CSnmpOid&) = delete;

    void Release() { delete this; }
    static void Release(CSnmpOid* p) { delete p; }

    std::uint8_t m_byType = SNMP_TYPE_NULL;
    std::uint16_t m_wAccess = 0;
    std::string m_strOid;
    std::string m_strName;
    std::string m_strValue;
    std::list<CEnumData*> m_enumList;
    int m_nReserved = 0;

protected:
    CSnmpOid();
};
