#pragma once
// One static row of an OID table: everything the engine needs to build requests for one
// managed object and to show its value.

#include <cstdint>

#include "snmp/SnmpTypes.h"

// One named value of an INTEGER object; an array of them ends with a null text.
struct _NmEnumPair {
    std::int32_t nValue;
    const char* pszText;
};

struct _NmOidTable {
    std::uint8_t byType;      // BER tag of the value, or SNMP_TYPE_MAC
    std::uint16_t wAccess;    // SNMP_ACCESS_* flags
    char szOid[128];          // dotted OID without instance
    char szName[128];         // display name
    const _NmEnumPair* pEnum; // null when the object has no named values
    std::int32_t nReserved;
};
