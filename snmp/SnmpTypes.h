#pragma once
// Value types, access flags of table rows, and PDU types shared across the engine.

#include <cstdint>

// Value types of rows and bindings (the BER tags), and the display-only MAC type.
enum : std::uint8_t {
    SNMP_TYPE_INTEGER = 2,
    SNMP_TYPE_OCTETS = 4,
    SNMP_TYPE_NULL = 5,
    SNMP_TYPE_OID = 6,
    SNMP_TYPE_IPADDR = 64,
    SNMP_TYPE_COUNTER = 65,
    SNMP_TYPE_GAUGE = 66,
    SNMP_TYPE_TIMETICKS = 67,
    SNMP_TYPE_OPAQUE = 68,
    SNMP_TYPE_COUNTER64 = 70,
    SNMP_TYPE_MAC = 79,
    // SNMPv2c exceptions: a binding an agent could not answer, carried as an empty value.
    SNMP_TYPE_NOSUCHOBJECT = 0x80,
    SNMP_TYPE_NOSUCHINSTANCE = 0x81,
    SNMP_TYPE_ENDOFMIBVIEW = 0x82,
};

// Message versions as they go on the wire.
enum : int {
    SNMP_VERSION_1 = 0,
    SNMP_VERSION_2C = 1,
    // SNMPv3 with the user-based security model; its PDUs are SNMPv2c's.
    SNMP_VERSION_3 = 3,
};

// Access flags of a row.
enum : std::uint16_t {
    SNMP_ACCESS_MASK = 0x03,
    SNMP_ACCESS_READONLY = 0x01,
    SNMP_ACCESS_READWRITE = 0x02,
    SNMP_ACCESS_WRITEONLY = 0x03,
    SNMP_ACCESS_HEX = 0x04,
    SNMP_ACCESS_KIND_MASK = 0x30,
    SNMP_ACCESS_INDEX = 0x10,
    SNMP_ACCESS_ROWSTATUS = 0x20,
};

// PDU types (the BER tags of the PDU).
enum : std::uint16_t {
    SNMP_PDU_GET = 0xA0,
    SNMP_PDU_GETNEXT = 0xA1,
    SNMP_PDU_RESPONSE = 0xA2,
    SNMP_PDU_SET = 0xA3,
    SNMP_PDU_TRAP = 0xA4,
    // SNMPv2c only. A GetBulk request carries non-repeaters where other PDUs carry the error
    // status, and max-repetitions where they carry the error index.
    SNMP_PDU_GETBULK = 0xA5,
    SNMP_PDU_INFORM = 0xA6,
    SNMP_PDU_TRAP2 = 0xA7,
    SNMP_PDU_REPORT = 0xA8,
};

// True for the three SNMPv2c exception types.
constexpr bool SnmpIsException(std::uint8_t type) {
    return type >= SNMP_TYPE_NOSUCHOBJECT && type <= SNMP_TYPE_ENDOFMIBVIEW;
}
