#pragma once
// The engine's error object: thrown and caught by value, a code and its text.

#include <cstdint>
#include <string>

#include "platform/core/CObject.h"
#include "snmp/NmSnmpApi.h"

// Codes raised inside the engine; the texts live in the engine's string table.
enum SnmpErrorCode : std::uint16_t {
    SNMP_ERR_GENERIC = 0,
    SNMP_ERR_AUTH_PARSE = 1,      // outer tag of a received message is not a SEQUENCE
    SNMP_ERR_VERSION = 2,         // received version is not 0
    SNMP_ERR_PDU_TYPE = 3,        // the element after the PDU header fields is not a SEQUENCE
    SNMP_ERR_VARBIND_PARSE = 4,   // a binding is not a SEQUENCE, or its name is not an OID
    SNMP_ERR_BAD_TAG = 5,         // high-tag-number form
    SNMP_ERR_INDEFINITE_LEN = 6,  // length octet 0x80
    SNMP_ERR_LEN_TOO_LONG = 7,    // more than 4 length octets
    SNMP_ERR_MALFORMED_NULL = 8,  // NULL with content
    SNMP_ERR_UNEXPECTED_TYPE = 9, // value tag the engine does not carry
    SNMP_ERR_VALUE_TOO_LONG = 12, // integer or sub-identifier wider than its storage
    SNMP_ERR_OID_TOO_LONG = 13,   // more than 64 numbers in an identifier
    SNMP_ERR_ENCODE_OVERFLOW = 14,
    SNMP_ERR_PACKET_OVERRUN = 15, // an element runs past the received bytes
    SNMP_ERR_TIMEOUT = 16,
    SNMP_ERR_RESPONSE_TOO_BIG = 17, // a reply longer than the engine's receive limit
    SNMP_ERR_SECURITY = 18,         // SNMPv3: the agent's report or our check refused the message
    SNMP_ERR_SOCKET = 255,
};

class NMSNMP_API CSnmpException : public CObject {
public:
    CSnmpException() = default;
    // The text is the string resource 1000 + code, empty when there is none.
    explicit CSnmpException(std::uint16_t code);
    CSnmpException(std::uint16_t code, std::string message);
    CSnmpException(const CSnmpException& other) = default;
    CSnmpException& operator=(const CSnmpException& other) = default;

    std::uint16_t m_wCode = 0;
    std::string m_strMessage;
};
