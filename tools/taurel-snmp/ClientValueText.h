#pragma once
// Text of bindings, error statuses and PDU types as the client prints them.

#include <cstdint>
#include <string>

#include "snmp/CSnmpVarBind.h"

// "OID = TYPE: VALUE"
std::string FormatClientBinding(const CSnmpVarBind& vb);
// noError, tooBig, noSuchName, badValue, readOnly, genErr; others as "error(N)".
std::string ErrorStatusName(std::uint32_t status);
// get, getnext, response, set, trap; others (and 0, an undecodable datagram) as "type(0xNN)".
std::string PduTypeName(std::uint16_t pduType);
