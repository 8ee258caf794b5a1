#pragma once
// Notification values as net-snmp's tools print them without MIB files (snmptrapd, snmpget):
// "INTEGER: 5", "STRING: \"text\"", "Hex-STRING: 00 FF ", "Timeticks: (123) 0:00:01.23",
// "OID: iso.3.6.1.6.3.1.1.5.1". Scripts written against that output read ours the same way.

#include <cstdint>
#include <string>

#include "snmp/NetSnmpValueText.h"
#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpNotification.h"

// Dotted text with its first number named: "ccitt", "iso" or "joint-iso-ccitt".
NMSNMP_API std::string NetSnmpOidText(const std::string& dotted);
// "OID = value".
NMSNMP_API std::string NetSnmpBindingText(const SnmpNotificationBinding& b);
