#pragma once
// The vocabulary of the simulated switch's MIB: object identifiers as numbers, typed values,
// and the SNMPv1 error statuses the agent answers with.

#include <cstdint>
#include <string>
#include <vector>

using Oid = std::vector<std::uint32_t>;

// SNMPv1 error-status values (RFC 1157).
enum SnmpErrorStatus : std::uint32_t {
    SNMP_NO_ERROR = 0,
    SNMP_TOO_BIG = 1,
    SNMP_NO_SUCH_NAME = 2,
    SNMP_BAD_VALUE = 3,
    SNMP_READ_ONLY = 4,
    SNMP_GEN_ERR = 5,
};

// One value as the agent serves or receives it. Numbers of every integer type live in
// `number` (Counter values are kept wide and reduced modulo 2^32 on the wire); octet strings
// and IP addresses in `bytes`; object identifiers as dotted text in `bytes`.
struct MibValue {
    std::uint8_t type = 5;
    std::int64_t number = 0;
    std::string bytes;

    static MibValue Integer(std::int64_t v) { return {2, v, {}}; }
    static MibValue Octets(std::string s) { return {4, 0, std::move(s)}; }
    static MibValue ObjectId(std::string dotted) { return {6, 0, std::move(dotted)}; }
    static MibValue Counter(std::uint64_t v) { return {0x41, static_cast<std::int64_t>(v), {}}; }
    static MibValue TimeTicks(std::uint64_t v) { return {0x43, static_cast<std::int64_t>(v), {}}; }
};

// What a set may write: the allowed enumeration values, a numeric range, or a length range.
struct ValueRule {
    enum class Kind { AnyInteger, Enumeration, Range, Length, IpAddress, NetMask };
    Kind kind = Kind::AnyInteger;
    std::vector<std::int64_t> allowed; // Enumeration
    std::int64_t min = 0;              // Range, Length
    std::int64_t max = 0;

    static ValueRule Enum(std::vector<std::int64_t> values) {
        return {Kind::Enumeration, std::move(values), 0, 0};
    }
    static ValueRule Between(std::int64_t lo, std::int64_t hi) { return {Kind::Range, {}, lo, hi}; }
    static ValueRule Size(std::int64_t lo, std::int64_t hi) { return {Kind::Length, {}, lo, hi}; }
    static ValueRule Address() { return {Kind::IpAddress, {}, 0, 0}; }
    static ValueRule Mask() { return {Kind::NetMask, {}, 0, 0}; }
};

// Whether `value` (already of the object's type) satisfies `rule`.
bool SatisfiesRule(const ValueRule& rule, const MibValue& value);
