#pragma once
// What a configuration window checks before it sends a typed value: an address is four numbers
// 0-255, a number is whole and inside its object's range, a text fits what the switch holds.
// A refused value names why, so the status line can name the field and the reason.

#include "snmp/CSnmpOid.h"

#include <array>
#include <cstdint>
#include <string>

// The longest DisplayString the switch holds, in octets.
constexpr std::size_t kDisplayStringOctets = 255;
// The longest community a trap receiver takes, in octets.
constexpr std::size_t kTrapCommunityOctets = 32;

// Strict dotted form: four decimal numbers 0-255 of one to three digits, nothing else.
bool ParseIpAddress(const std::string& text, std::array<std::uint8_t, 4>& octets);

struct IntegerRange {
    std::int64_t low;
    std::int64_t high;
};
// The values the switch accepts for an INTEGER object without enumeration, by its OID.
IntegerRange RangeOf(const std::string& oid);
// The most octets the switch holds for an OCTET STRING object, by its OID.
std::size_t OctetLimitOf(const std::string& oid);

// Why `text` cannot be sent as the value of `object`; empty when it can. `newRow` marks a value
// that creates a table row: it must be given, and an index address must name a host.
std::string RefusalOf(const CSnmpOid& object, const std::string& text, bool newRow = false);

// The status line of a refused value: "<field>: <reason>".
std::string RefusalLine(const std::string& field, const std::string& reason);
