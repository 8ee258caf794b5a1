#pragma once
// A received datagram is decoded once, into a message of its own; the request it answers then
// takes the decoded reply over rather than decoding the same bytes a second time.

#include "snmp/CSnmpMsg.h"
#include "snmp/NmSnmpApi.h"

// Makes `request` hold the reply `reply` was decoded from, exactly as decoding that image into
// the request would: the image (all 512 bytes of m_buf, a longer image, m_nLen) and when it
// was received, the reply's
// community, the low byte of its PDU type, and its request id, error status, error index (a
// trap carries none, so the request keeps its own) and bindings in reply order. The request's
// own bindings are given back first; `reply` is left with none.
NMSNMP_API void SnmpTakeDecodedReply(CSnmpMsg& request, CSnmpMsg& reply);
