#pragma once
// How the program speaks to its switch: SNMPv1 with the communities (the default, byte for byte
// what the switch has always been sent), SNMPv2c with them, or SNMPv3 as one user of the
// user-based security model. A plain record, filled from the long options or by a window that
// asks the operator; the passphrases are not part of it: they come from a private file or a
// prompt, never from the command line.

#include <cstdint>
#include <string>
#include <vector>

#include "snmp/SnmpTypes.h"
#include "snmp/UsmUser.h"

struct SnmpSessionOptions {
    // SNMP_VERSION_1, SNMP_VERSION_2C or SNMP_VERSION_3.
    int version = SNMP_VERSION_1;
    std::string userName;
    UsmSecurityLevel level = UsmSecurityLevel::AuthPriv;
    UsmAuthProtocol auth = UsmAuthProtocol::SHA256;
    UsmPrivProtocol priv = UsmPrivProtocol::AES128;
    // The agent's engine ID when the operator knows it; empty: discovered.
    std::vector<std::uint8_t> engineId;
    // The file holding the passphrases (see ReadSecretsFile); empty: asked for at start.
    std::string secretsFile;
    // Which of the SNMPv3 options were given, so one given without --snmp-version 3 is named.
    std::string firstV3Option;
};

// True for the long options this record takes: --snmp-version and the --v3-... ones.
bool IsSnmpSessionOption(const std::string& name);
// Takes one of them with its value; false with `error` set for a value it does not know. The
// error never repeats the value of --v3-auth or --v3-priv: a passphrase typed there by mistake
// must not be printed.
bool TakeSnmpSessionOption(const std::string& name, const std::string& value,
                           SnmpSessionOptions& options, std::string& error);
// Whether the record makes a usable session: SNMPv3 needs a user (except for the demo, whose
// switch has its own), and the SNMPv3 options need --snmp-version 3.
bool CheckSnmpSessionOptions(const SnmpSessionOptions& options, bool demo, std::string& error);
// Whether the session needs passphrases (SNMPv3 above noAuthNoPriv), and which of them.
bool NeedsAuthPassphrase(const SnmpSessionOptions& options);
bool NeedsPrivPassphrase(const SnmpSessionOptions& options);

// The long options that give `options` (without --v3-secrets): "--snmp-version" and, for
// SNMPv3, the user, level, protocols and engine ID, each followed by its value. Taken back by
// TakeSnmpSessionOption, they give the same record.
std::vector<std::string> SnmpSessionArguments(const SnmpSessionOptions& options);

// "SNMPv1", "SNMPv2c", "SNMPv3 user NAME at LEVEL (AUTH, PRIV)": how the session is described
// in the program's log lines.
std::string DescribeSnmpSession(const SnmpSessionOptions& options);

// The lines --help gives these options.
std::string SnmpSessionUsage();
