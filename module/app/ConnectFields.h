#pragma once
// What the start dialog's fields hold, and how they become a start of the program: the command
// line that does the same (its "/N" "/I" "/R" "/W" and long options), read by the parser every
// start uses. Fields the command line could not carry are refused first, naming the field, so
// the operator can mend what was typed.

#include "module/app/ProgramOptions.h"
#include "module/app/RecentSwitches.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct ConnectFields {
    std::string name;
    std::string address;
    std::string readCommunity;
    std::string writeCommunity;
    int version = SNMP_VERSION_1;
    std::string userName;
    UsmSecurityLevel level = UsmSecurityLevel::AuthPriv;
    UsmAuthProtocol auth = UsmAuthProtocol::SHA256;
    UsmPrivProtocol priv = UsmPrivProtocol::AES128;
    // Hex digits as typed; empty: the agent's engine ID is discovered.
    std::string engineId;
    // Milliseconds as typed; empty: the engine's own time-out.
    std::string timeoutMs;
    // As typed; left empty, they are asked for when connecting, as without --v3-secrets.
    SnmpSecrets passphrases;
    bool remember = false;
};

enum class ConnectField {
    Name,
    Address,
    ReadCommunity,
    WriteCommunity,
    Timeout,
    UserName,
    EngineId,
    AuthPassphrase,
    PrivPassphrase,
};

struct ConnectRefusal {
    ConnectField field;
    std::string text;
};

// Whether the system can send to a host name.
using HostResolver = std::function<bool(const std::string& host)>;

// The fields a start shows: the SNMP options and time-out of the command line when it gives
// any, else the most recent switch, else the program's defaults.
ConnectFields InitialConnectFields(const ProgramOptions& started,
                                   const std::vector<RecentSwitch>& recent);
// The row of `recent` those fields come from (0), or -1 when they come from elsewhere.
int InitialRecentRow(const ProgramOptions& started, const std::vector<RecentSwitch>& recent);
// The fields for a switch of the list: its remembered communities and passphrases, or the
// default communities and no passphrases.
ConnectFields FieldsOfRecentSwitch(const RecentSwitch& entry);

// The first field the command line could not carry or the switch could not be reached with;
// nothing when every field will do. Names are resolved with `resolves`.
std::optional<ConnectRefusal> CheckConnectFields(const ConnectFields& fields,
                                                 const HostResolver& resolves);

// The arguments of the command line that manages the switch of `fields` (checked), with the
// options of `started` that are no part of the switch (--packet-log, --open).
std::vector<std::string> ConnectArguments(const ConnectFields& fields,
                                          const ProgramOptions& started);
// The arguments of `taurel --demo` over the SNMP version `version`, with the same options.
std::vector<std::string> DemoArguments(int version, const ProgramOptions& started);

// The list's entry for the switch `options` manage; the communities and `passphrases` are kept
// only when `remember`.
RecentSwitch RecentSwitchOf(const ProgramOptions& options, bool remember,
                            const SnmpSecrets& passphrases);
