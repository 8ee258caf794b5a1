#pragma once
// Agent addresses as users write them: a dotted address, a host name or an IPv6 address,
// optionally followed by ":port" so agents on unprivileged ports can be reached ("127.0.0.1",
// "switch:1161", "::1", "[::1]:1161"). Plain addresses use the SNMP port.

#include <cstdint>
#include <string>

#include "snmp/NmSnmpApi.h"

constexpr std::uint16_t kSnmpAgentPort = 161;

struct SnmpAgentAddress {
    std::string host;
    std::uint16_t port = kSnmpAgentPort;
};

// Splits "host", "host:port", an IPv6 address without a port (two colons or more) or
// "[IPv6 address]" with an optional ":port". False, with `problem` (when given) saying why in a
// few words, when the host part is empty, a bracket is not closed, or a port is given but is not
// a number from 1 to 65535.
NMSNMP_API bool SplitAgentAddress(const std::string& text, SnmpAgentAddress& address,
                                  std::string* problem = nullptr);

// True when `host` is an IPv4 or IPv6 address or a name the system resolves to one: the engine
// can send to it. Names are looked up for IPv4 first, as they always were.
NMSNMP_API bool SnmpHostResolves(const std::string& host);

// Empty when the engine can send to `text`; otherwise why not, in a few words, for a one-line
// refusal before anything is sent.
NMSNMP_API std::string SnmpAgentAddressProblem(const std::string& text);
