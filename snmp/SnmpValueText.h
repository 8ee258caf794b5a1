#pragma once
// Value texts as operators type them, turned into the bytes and numbers a set request carries.
// The rules are forgiving on purpose (they match what the switch's dialogs always accepted):
// only a MAC address text can be rejected.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "snmp/NmSnmpApi.h"

// Decimal conversion: leading blanks and a sign are accepted, conversion stops at the first
// non-digit, no digits give 0; values beyond 64 bits saturate.
NMSNMP_API std::int64_t SnmpDecimalText(const std::string& text);

// Hex digits to bytes, two digits a byte, a final single digit one byte: "0a1B3" gives
// 0A 1B 03. A character that is not a hex digit counts as 0.
NMSNMP_API std::string SnmpHexTextToBytes(const std::string& text);

// Dotted address to 4 bytes. Each part is converted as a decimal number (low 8 bits); parts
// never reached stay 0; scanning stops at a part of four characters or a fifth part.
NMSNMP_API std::array<std::uint8_t, 4> SnmpIpTextToBytes(const std::string& text);

// xx:xx:xx:xx:xx:xx or xx xx xx xx xx xx to at most 6 bytes. False (and `bytes` untouched) when
// a group has more than two characters or more than six groups are given.
NMSNMP_API bool SnmpMacTextToBytes(const std::string& text, std::vector<std::uint8_t>& bytes);
