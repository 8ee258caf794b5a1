#pragma once
// How the agent writes its answers: values into a response PDU, the response's encoding within
// the size every SNMP entity must accept, and the request echoed back with an error status.

#include <cstdint>
#include <string>
#include <vector>

#include "agent/MibTypes.h"
#include "snmp/SnmpValueType.h"

class CSnmpMsg;
class CSnmpPdu;

// A response may not exceed what every SNMP entity must accept.
constexpr int kMaxResponseOctets = 484;

// How a value of wire type `type` is kept; a type the engine does not know is kept as bytes.
SnmpStorage ValueStorageOf(std::uint8_t type);
void AddValue(CSnmpPdu& pdu, const std::string& oid, const MibValue& value);
// Adds a binding named `oid` that holds the SNMPv2 exception `type` instead of a value.
void AddException(CSnmpPdu& pdu, const std::string& oid, std::uint8_t type);
// Encodes `msg` as a response into `reply`; false when it does not fit a response.
bool EncodeResponse(CSnmpMsg& msg, std::vector<std::uint8_t>& reply);
// The request sent back with an error status: the same bindings, as RFC 1157 asks. Should even
// that not fit, the bindings are left out.
void EchoRequest(CSnmpMsg& request, std::uint32_t status, std::uint32_t index,
                 std::vector<std::uint8_t>& reply);
