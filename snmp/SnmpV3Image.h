#pragma once
// Where the community-based codec and the SNMPv3 envelope meet: the codec encodes and decodes a
// PDU only inside a community message, so a v3 request's PDU is taken out of that image and a
// received v3 PDU is put into one.

#include <cstdint>
#include <vector>

#include "snmp/CSnmpMsg.h"
#include "snmp/NmSnmpApi.h"

// The msgID of a request's v3 datagrams: its request id within msgID's range (0 to 2^31-1).
NMSNMP_API std::int64_t SnmpV3MessageId(std::uint32_t requestId);
// The PDU element of an encoded community-based message (what a v3 message carries in its
// scoped PDU). Throws CSnmpException for an image that does not start like one.
NMSNMP_API std::vector<std::uint8_t> SnmpCommunityPdu(const std::uint8_t* image, std::size_t size);
// Builds the request's v3 datagram from its encoded community image (in m_buf) with its
// security session, into m_largeImage/m_nLen. Throws CSnmpException SNMP_ERR_SECURITY when the
// session cannot protect it (a missing key, an encryption failure).
NMSNMP_API void SnmpProtectImage(CSnmpMsg& msg);
// Makes `msg`'s image an SNMPv2c message with an empty community around `pdu`, ready for
// SnmpDecode.
NMSNMP_API void SnmpSetPduImage(CSnmpMsg& msg, const std::vector<std::uint8_t>& pdu);
