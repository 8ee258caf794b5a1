#pragma once
// Whether the platform's socket layer can give the engine a datagram socket: the program asks
// once at start-up, before the engine opens its one socket.

#include "snmp/NmSnmpApi.h"

// True when an IPv4 datagram socket can be opened (it is closed again at once).
NMSNMP_API bool AfxSocketInit();
