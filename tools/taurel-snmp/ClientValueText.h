#pragma once
// Text of bindings, error statuses and PDU types as the client prints them.

#include <cstdint>
#include <string>

#include "snmp/CSnmpVarBind.h"

// "OID = TYPE: VALUE"
std::string FormatClientBinding(const CSnmpVarBind& vb);
// get, getnext, response, set, trap, getbulk, inform, trap2, report; others (and 0, an undecodable
// datagram) as "type(0xNN)".
std::string PduTypeName(std::uint16_t pduType);
