#pragma once
// Values and lines as net-snmp's tools print them without MIB files ("INTEGER: 5",
// "STRING: \"text\"", "Hex-STRING: 00 FF ", "Timeticks: (123) 0:00:01.23"), shaped by the
// letters of their -O option. taurel-snmp prints its bindings and taurel-trapd its
// notifications through here, so scripts written against net-snmp's output read both.

#include <cstdint>
#include <string>
#include <string_view>

#include "snmp/NmSnmpApi.h"

// The -O letters that change a line. Letters about MIB names (n, s, S, f, u, b, e, E, X, U, 0)
// change nothing: without MIB files there are no names to choose among.
struct NetSnmpOutput {
    bool numericNames = true;  // ".1.3.6" as -On prints names; else "iso.3.6" as net-snmp does
    bool quick = false;        // q: "NAME VALUE", values without their type word
    bool quickEquals = false;  // Q: "NAME = VALUE", values without their type word
    bool valueOnly = false;    // v: the value alone
    bool ticksNumeric = false; // t: time ticks as their number
    bool allHex = false;       // x: every octet string in hex
    bool allAscii = false;     // a: every octet string as text, '.' for what does not print
    bool hexWithText = false;  // T: hex followed by the octets as text
};

// Takes the letters of one -O option; false with `bad` set to the first letter not known.
NMSNMP_API bool ParseNetSnmpOutputLetters(const std::string& letters, NetSnmpOutput& output,
                                          char& bad);

// One value as it arrived: its type, its number (read signed for INTEGER, unsigned for the
// others), its octets, and for an OBJECT IDENTIFIER its dotted text.
struct NetSnmpValue {
    std::uint8_t type = 5;
    std::int64_t signedNumber = 0;
    std::uint64_t unsignedNumber = 0;
    std::string_view bytes;
    std::string oidText;
};

// A dotted name as the output names it: ".1.3.6.1" or "iso.3.6.1".
NMSNMP_API std::string NetSnmpName(const std::string& dotted, const NetSnmpOutput& output);
// "1 day, 0:00:00.00", "497 days, 2:27:52.95", "0:00:01.23".
NMSNMP_API std::string NetSnmpTimeticksText(std::uint32_t ticks);
// The value as it follows "NAME = ": "TYPE: VALUE", or net-snmp's sentence for an exception.
NMSNMP_API std::string NetSnmpValueText(const NetSnmpValue& value, const NetSnmpOutput& output);
// "NAME = TYPE: VALUE" or the shape the output asks for; several lines when a long Hex-STRING
// wraps, as net-snmp wraps it (16 octets a line).
NMSNMP_API std::string NetSnmpLine(const std::string& dotted, const NetSnmpValue& value,
                                   const NetSnmpOutput& output);
