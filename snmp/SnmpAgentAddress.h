#pragma once
// Agent addresses as users write them: a dotted address (or host name), optionally followed by
// ":port" so agents on unprivileged ports can be reached. Plain addresses use the SNMP port.

#include <cstdint>
#include <string>

#include "snmp/NmSnmpApi.h"

constexpr std::uint16_t kSnmpAgentPort = 161;

struct SnmpAgentAddress {
    std::string host;
    std::uint16_t port = kSnmpAgentPort;
};

// Splits "host" or "host:port". False when a port is given but is not a number from 1 to 65535,
// or the host part is empty.
NMSNMP_API bool SplitAgentAddress(const std::string& text, SnmpAgentAddress& address);

// True when `host` is a dotted IPv4 address or a name the system resolves to one: the engine
// can send to it.
NMSNMP_API bool SnmpHostResolves(const std::string& host);
