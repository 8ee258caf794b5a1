#pragma once
// Bindings as net-snmp's tools print them with -On (numeric names with a leading dot, strings
// quoted, octets that are not text as Hex-STRING), shaped by the -O letters; and the names of
// PDU types.

#include <cstdint>
#include <string>

#include "snmp/CSnmpVarBind.h"

// The -O letters that change a line. Letters about MIB names (n, s, S, f, u, b, e, E, X, U, 0)
// change nothing: names are always numeric, as no MIB files are read.
struct ClientOutputOptions {
    bool quick = false;        // q: "NAME VALUE", values without their type word
    bool quickEquals = false;  // Q: "NAME = VALUE", values without their type word
    bool valueOnly = false;    // v: the value alone
    bool ticksNumeric = false; // t: time ticks as their number
    bool allHex = false;       // x: every octet string in hex
    bool allAscii = false;     // a: every octet string as text, '.' for what does not print
    bool hexWithText = false;  // T: hex followed by the octets as text
};

// Takes the letters of one -O option; false with `bad` set to the first letter not known.
bool ParseOutputOptions(const std::string& letters, ClientOutputOptions& options, char& bad);

// "NAME = TYPE: VALUE", or the shape the options ask for; several lines when a long Hex-STRING
// wraps, as net-snmp wraps it (16 octets a line).
std::string FormatClientBinding(const CSnmpVarBind& vb, const ClientOutputOptions& options = {});
// A name as the tools print it: dotted, with a leading dot.
std::string ClientOidText(const std::string& oid);
// get, getnext, response, set, trap, getbulk, inform, trap2, report; others (and 0, an
// undecodable datagram) as "type(0xNN)".
std::string PduTypeName(std::uint16_t pduType);
// The same as net-snmp names them in a protocol error: "GET-PDU", "RESPONSE-PDU", ...
std::string PduTypeWord(std::uint16_t pduType);
