#pragma once
// How the engine hands the outcome of a request to the requester that asked for it.

#include <cstdint>

#include "snmp/CSnmpException.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/NmSnmpApi.h"

// True when the message names a requester and one of its member functions.
NMSNMP_API bool SnmpHasReceiver(const CSnmpMsg* msg);
// Calls the message's receiver with `code`; from then on the receiver owns the message.
NMSNMP_API void SnmpCallReceiver(CSnmpMsg* msg, std::uint16_t code);
// A reply or time-out: to the receiver, or released when there is none.
NMSNMP_API void SnmpDeliver(CSnmpMsg* msg, std::uint16_t code);
// The failure of a send: code 255 and the socket error number in the text.
NMSNMP_API CSnmpException SnmpSocketError(int socketError);
