#pragma once
// Bindings as net-snmp's tools print them with -On (numeric names with a leading dot, strings
// quoted, octets that are not text as Hex-STRING), shaped by the -O letters; and the names of
// PDU types.

#include <cstdint>
#include <string>

#include "snmp/CSnmpVarBind.h"
#include "snmp/NetSnmpValueText.h"

// "NAME = TYPE: VALUE", or the shape `output` asks for.
std::string FormatClientBinding(const CSnmpVarBind& vb, const NetSnmpOutput& output = {});
// A name as the tools print it: dotted, with a leading dot.
std::string ClientOidText(const std::string& oid);
// get, getnext, response, set, trap, getbulk, inform, trap2, report; others (and 0, an
// undecodable datagram) as "type(0xNN)".
std::string PduTypeName(std::uint16_t pduType);
// The same as net-snmp names them in a protocol error: "GET-PDU", "RESPONSE-PDU", ...
std::string PduTypeWord(std::uint16_t pduType);
