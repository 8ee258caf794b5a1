#pragma once
// What a notification says happened, in the words an operator reads in the events window:
// "coldStart", "warmStart", "linkDown port 7", "linkUp port 7", "authenticationFailure from
// 10.0.0.9", "enterprise-specific 1.3.6.1.4.1.88888.1/3". Every notification has its SNMPv1
// view (generic, specific, enterprise), whichever version it came in.

#include "snmp/SnmpNotification.h"

#include <cstdint>
#include <string>
#include <vector>

std::string EventKindText(std::int32_t genericTrap, std::int32_t specificTrap,
                          const std::string& enterprise,
                          const std::vector<SnmpNotificationBinding>& bindings);

// The interface a linkDown or linkUp names (its ifIndex binding: the value, or the instance
// when the value is no INTEGER); 0 when there is none. The switch numbers its interfaces as
// its ports.
std::int64_t EventInterface(const std::vector<SnmpNotificationBinding>& bindings);

// Whether `oid` is an instance of the column `column` ("column.instance").
bool IsColumnInstance(const std::string& oid, const std::string& column);

// Whether the event changes what the front panel shows (links, or the whole switch after a
// restart), so the panel asks at once instead of at its next poll.
bool EventChangesPanel(std::int32_t genericTrap);
