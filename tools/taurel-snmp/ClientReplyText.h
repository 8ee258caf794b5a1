#pragma once
// What taurel-snmp prints about a reply that carries no values to print, in net-snmp's words:
// error statuses, time-outs, dropped SNMPv3 datagrams.

#include <cstdint>
#include <string>

#include "snmp/CSnmpPdu.h"
#include "snmp/UsmSession.h"

// net-snmp's sentence for an error status, such as
// "(noSuchName) There is no such variable name in this MIB."; "Unknown Error" beyond them.
std::string ErrorStatusReason(std::uint32_t status);
// "Error in packet\nReason: …\n", then "Failed object: NAME\n\n" when the error index is set
// (the name left out when the index points at no binding). snmpget writes "packet" without the
// dot the other tools put after it.
std::string ErrorInPacketText(const CSnmpPdu& pdu, bool withDot);
// "Timeout: No Response from AGENT\n"; snmpget and snmpgetnext end the sentence with a dot.
std::string TimeoutText(const std::string& agent, bool withDot);
// The line net-snmp writes when an SNMPv3 datagram answering the request is dropped; empty for
// the ones it drops without a word.
std::string UsmRefusalText(UsmFailure failure, const std::string& userName);
