#pragma once
// The leading fields of a received datagram, read before (or instead of) decoding all of it:
// the version and request id tell which request a reply belongs to even when the datagram was
// cut short at the engine's receive limit.

#include <cstdint>

#include "snmp/NmSnmpApi.h"

struct SnmpMessageHeader {
    int version = -1;
    std::uint8_t pduType = 0;
    std::uint32_t requestId = 0;
};

// False when the first `length` bytes do not start a community-based message up to its request
// id (a trap has none; its id stays 0).
NMSNMP_API bool SnmpReadMessageHeader(const std::uint8_t* bytes, int length,
                                      SnmpMessageHeader& header);
