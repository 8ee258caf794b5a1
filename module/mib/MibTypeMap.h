#pragma once
// Which value class holds a value of a given SNMP type code, and how a value holder is brought up
// to date for a variable binding or an OID row.

#include <cstdint>
#include <memory>

#include "module/mib/CMibData.h"
#include "snmp/CSnmpVarBind.h"
#include "snmp/NmOidTable.h"

// INTEGER, Counter, Gauge, TimeTicks: CMibInt32; IpAddress: CMibIPAddress; NULL: none (null);
// every other code: CMibOctetString.
const CRuntimeClass* MibDataClassOf(std::uint8_t type);

// Makes `holder` hold a value of the class for the binding's type (keeping a value of the right
// class, replacing any other) and sets it from the binding's data, without enumeration. A NULL
// binding leaves the holder empty.
void MibDataForVarBind(std::unique_ptr<CMibData>& holder, const CSnmpVarBind& vb);

// The same for a table row: only the row's enumeration table is set on the value.
void MibDataForOidRow(std::unique_ptr<CMibData>& holder, const _NmOidTable& row);
