#pragma once
// A notification as snmptrapd prints it by default (with -n: no host name lookups), so
// scripts that read snmptrapd's output read ours. A v1 trap:
//   2026-12-09 01:03:38 10.0.0.1 [10.0.0.1] (via UDP: [127.0.0.1]:50995->[127.0.0.1]:162)
//   TRAP, SNMP v1, community public        (all one line)
//   <TAB>iso.3.6.1.4.1.88888.1.1 Cold Start Trap (0) Uptime: 0:02:03.45
//   <TAB>binding<TAB>binding...
// An SNMPv2-Trap or inform (v2c or v3):
//   2026-12-09 01:03:38 UDP: [127.0.0.1]:50269->[127.0.0.1]:162 [UDP: [127.0.0.1]:50269->
//   [127.0.0.1]:162]:                        (all one line)
//   binding<TAB>binding...
// Bindings print as "OID = value" (see SnmpNotificationText.h).

#include <ctime>
#include <string>

#include "snmp/SnmpNotification.h"

// The whole text of `n`, ending in a newline; `received` is its arrival in local time.
std::string SnmptrapdText(const SnmpNotification& n, const std::tm& received);
// The same with the arrival time of `n` in this machine's time zone.
std::string SnmptrapdText(const SnmpNotification& n);
