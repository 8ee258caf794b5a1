#pragma once
// The SNMPv3 message: version 3, the global header (message id, maximum size, flags, security
// model), the user-based security parameters, and the scoped PDU in clear or encrypted.

#include <cstdint>
#include <string>
#include <vector>

#include "snmp/NmSnmpApi.h"

constexpr std::uint8_t kV3FlagAuth = 0x01;
constexpr std::uint8_t kV3FlagPriv = 0x02;
constexpr std::uint8_t kV3FlagReportable = 0x04;
constexpr std::int64_t kUsmSecurityModel = 3;
constexpr std::int64_t kSnmpV3Version = 3;
// The largest datagram we accept, announced to agents as msgMaxSize.
constexpr std::int64_t kV3MaxMessageSize = 65507;
constexpr std::size_t kUsmMaxUserName = 32;

struct NMSNMP_API UsmSecurityParameters {
    std::vector<std::uint8_t> engineId;
    std::uint32_t engineBoots = 0;
    std::uint32_t engineTime = 0;
    std::string userName;
    std::vector<std::uint8_t> authParams;
    std::vector<std::uint8_t> privParams;
};

struct NMSNMP_API SnmpV3Message {
    std::int64_t msgId = 0;
    std::int64_t maxSize = kV3MaxMessageSize;
    std::uint8_t flags = 0;
    std::int64_t securityModel = kUsmSecurityModel;
    UsmSecurityParameters usm;
    // With kV3FlagPriv the encrypted scoped PDU; otherwise the scoped PDU element itself.
    std::vector<std::uint8_t> data;
};

// The clear scoped PDU: the context and the PDU element as the codec encodes it.
struct NMSNMP_API SnmpScopedPdu {
    std::vector<std::uint8_t> contextEngineId;
    std::string contextName;
    std::vector<std::uint8_t> pdu;
};

// Encodes `msg`; `authOffset` receives where msgAuthenticationParameters' content starts, so
// the MAC can be computed over the message with zeros there and then written in place.
NMSNMP_API std::vector<std::uint8_t> EncodeV3Message(const SnmpV3Message& msg,
                                                     std::size_t& authOffset);
// Decodes a whole datagram. Throws CSnmpException: 2 for a version other than 3, the codec's
// codes for malformed BER, 9 for a header that breaks the message rules (flags not one octet,
// privacy without authentication, a security model other than USM, a user name over 32 octets).
NMSNMP_API SnmpV3Message DecodeV3Message(const std::uint8_t* bytes, std::size_t size,
                                         std::size_t& authOffset);

NMSNMP_API std::vector<std::uint8_t> EncodeScopedPdu(const SnmpScopedPdu& scoped);
// Throws CSnmpException for malformed BER; bytes after the scoped PDU (the padding some agents
// leave after decryption) are ignored.
NMSNMP_API SnmpScopedPdu DecodeScopedPdu(const std::uint8_t* bytes, std::size_t size);

// The version field of a datagram: 0, 1 or 3; -1 when it does not start like an SNMP message.
NMSNMP_API int PeekSnmpVersion(const std::uint8_t* bytes, std::size_t size);
