#pragma once
// One row of the events window: when it arrived (local time with the date), what happened and
// the notification's bindings, each value in the text the other windows show values in
// (CSnmpClass::FormatValue). sysUpTime.0 and snmpTrapOID.0, which every SNMPv2 notification
// leads with, are what the time and the kind already say, so they are left out.

#include "snmp/SnmpNotification.h"

#include <cstdint>
#include <string>

struct EventRow {
    std::string time;
    std::string kind;
    std::string bindings;
};

// "2024-05-14 14:02:11" in local time.
std::string EventTimeText(std::int64_t receivedMs);
// "ifIndex.7 = 7": the object by name where the program knows it, else dotted.
std::string EventBindingText(const SnmpNotificationBinding& binding);
// The bindings joined by "; ".
std::string EventBindingsText(const SnmpNotification& notification);
EventRow MakeEventRow(const SnmpNotification& notification);
