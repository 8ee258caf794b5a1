#pragma once
// The three notification PDUs on the wire: the SNMPv1 Trap-PDU (0xA4), the SNMPv2-Trap (0xA7)
// and the InformRequest (0xA6), and the Response that acknowledges an inform. Unlike the
// request codec these are not bound to 512 bytes: a notification may fill a datagram.

#include <cstdint>
#include <string>
#include <vector>

#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpNotification.h"

enum class SnmpNotificationDecode {
    Ok,
    NotANotification, // a well-formed message of another PDU type (a request, a response)
    Malformed,        // broken BER, a version that lacks the PDU, a value of a wrong size
};

// A community-based message (SNMPv1 or SNMPv2c) into `n`: version, community, PDU and both
// views. On failure `n` holds whatever was read.
NMSNMP_API SnmpNotificationDecode SnmpDecodeCommunityNotification(const std::uint8_t* bytes,
                                                                  std::size_t size,
                                                                  SnmpNotification& n);
// A PDU element alone, the scoped PDU of an SNMPv3 message: `n` becomes a v3 notification.
NMSNMP_API SnmpNotificationDecode SnmpDecodeNotificationPdu(const std::vector<std::uint8_t>& pdu,
                                                            SnmpNotification& n);

// The PDU element of `n`: a Trap-PDU from the v1 fields and the bindings, or an SNMPv2-Trap or
// InformRequest from the request id and the bindings. Throws CSnmpException 13 for an OID
// with more than 64 numbers.
NMSNMP_API std::vector<std::uint8_t> SnmpEncodeNotificationPdu(const SnmpNotification& n);
// The whole community-based message: version, community, PDU.
NMSNMP_API std::vector<std::uint8_t>
SnmpEncodeCommunityMessage(int version, const std::string& community,
                           const std::vector<std::uint8_t>& pdu);
// The Response acknowledging `inform`: its request id, no error, and its bindings byte for byte
// (RFC 3416 section 4.2.7).
NMSNMP_API std::vector<std::uint8_t> SnmpEncodeInformResponsePdu(const SnmpNotification& inform);
