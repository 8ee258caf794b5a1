#pragma once
// What the demo switch speaks besides SNMPv1, and as whom: with --snmp-version 2c its
// communities, with --snmp-version 3 its one SNMPv3 user, whose passphrases are no secret (the
// demo runs on this machine's loopback only) and are named in the program's first lines, so
// net-snmp's tools can read the same switch.

#include <string>

#include "agent/AgentProtocols.h"
#include "module/app/SnmpSessionOptions.h"
#include "module/app/SnmpSessionStart.h"

constexpr const char* kDemoUserName = "demo";
constexpr const char* kDemoAuthPassphrase = "demo-auth-pass";
constexpr const char* kDemoPrivPassphrase = "demo-priv-pass";

// The session the program uses with the demo switch for `version`: the demo user at authPriv
// with SHA-256 and AES for SNMPv3.
SnmpSessionOptions DemoSessionOptions(int version);
SnmpSecrets DemoSecrets();
// What the demo switch answers for `version`.
AgentProtocols DemoAgentProtocols(int version);
// The lines that say how the demo switch at `address` is spoken to: empty for SNMPv1; for
// SNMPv3 the user, its protocols and passphrases, and the net-snmp command that reads it.
std::string DemoSessionLines(int version, const std::string& address);
