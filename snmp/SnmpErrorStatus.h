#pragma once
// Names of the error statuses a response carries: 0-5 from SNMPv1, 6-18 added by SNMPv2c.

#include <cstdint>
#include <string>

#include "snmp/NmSnmpApi.h"

// "noError" ... "inconsistentName"; a status outside 0-18 as "error(N)".
NMSNMP_API std::string SnmpErrorStatusName(std::uint32_t status);
