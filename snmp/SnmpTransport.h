#pragma once
// The engine's entry points: start and stop the transport, send a request, and reach its parts.
// Everything runs on the thread that called SnmpInit, which must run a Qt event loop.

#include <cstdint>
#include <memory>
#include <string>

#include "snmp/CSnmpDll.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpSocket.h"
#include "snmp/NmSnmpApi.h"

class CWinApp;

// Starts the engine (its hidden object, tick and socket); always returns 0. Calls nest: only
// the first creates the engine.
NMSNMP_API int SnmpInit(CWinApp* app);
// Stops the engine when the last SnmpInit is matched; outstanding requests are released without
// calling their receivers.
NMSNMP_API void SnmpDone();
// Sends `msg` (see CSnmpSocket::SendSnmpMsg) and returns its request id. Without a running
// engine the receiver gets code 255.
NMSNMP_API std::uint32_t SendSnmpMsg(CSnmpMsg* msg);
NMSNMP_API void SetSnmpTimeout(int milliseconds);
// The longest reply the engine accepts, in bytes: 512 (the switch's) unless raised; at most
// kSnmpMaxDatagram. A longer reply hands its request back with SNMP_ERR_RESPONSE_TOO_BIG.
NMSNMP_API void SetSnmpReceiveLimit(int bytes);
// From now on requests to `address` ("ADDRESS[:PORT]", as requests name it) go as SNMPv3 in
// `session`; a null session makes them community-based again. Needs a running engine.
NMSNMP_API void SetSnmpAgentSecurity(const std::string& address,
                                     std::shared_ptr<UsmSession> session);
// From now on community-based requests to `address` go in `version` (SNMP_VERSION_1 or
// SNMP_VERSION_2C) and their replies are read in it; SNMPv1 is what an agent not named here is
// spoken to in. A security session set for the address takes precedence. Needs a running engine.
NMSNMP_API void SetSnmpAgentVersion(const std::string& address, int version);
// Time-outs to the millisecond (see CSnmpDll::SetPreciseTimeouts); off by default.
NMSNMP_API void SetSnmpPreciseTimeouts(bool precise);
NMSNMP_API CSnmpSocket* GetSnmpSocket();
// The next request id becomes a random one, as net-snmp's tools start theirs, so an agent that
// still holds the answer to an earlier run's request cannot pass it off as this run's. The
// module keeps its first id 1.
NMSNMP_API void StartSnmpRequestIdsAtRandom();
// Gives back every request `requester` still waits for, without calling it: a window that
// closes must not be called later with a reply to one of its requests.
NMSNMP_API void ForgetSnmpRequests(const CObject* requester);
NMSNMP_API CSnmpDll* GetSnmpDllDlg();
