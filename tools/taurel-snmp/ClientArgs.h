#pragma once
// The command line of taurel-snmp.

#include <string>
#include <vector>

#include "snmp/UsmUser.h"

enum class ClientAction { Get, GetNext, Walk, Set, LogDump };

struct ClientSetItem {
    std::string oid;
    char type = 0;
    std::string value;
};

struct ClientCommand {
    ClientAction action = ClientAction::Get;
    std::string community; // empty: the default of the action
    int timeoutMs = 500;
    bool logPackets = false;
    std::string agent;
    std::vector<std::string> oids;   // get, getnext, walk
    std::vector<ClientSetItem> sets; // set
    std::string file;                // logdump
    bool v3 = false;                 // -v 3: the user-based security model instead of communities
    UsmUser usm;                     // -u -l -a -A -x -X -e -n
};

constexpr const char* kDefaultReadCommunity = "tessla";
constexpr const char* kDefaultWriteCommunity = "marbelo";

// Parses the arguments after the program name. False with `error` set when they do not form a
// command; OIDs are checked and kept without a leading dot.
bool ParseClientArgs(const std::vector<std::string>& args, ClientCommand& command,
                     std::string& error);

// The community the command uses: the one given, else the default for reading or writing.
std::string EffectiveCommunity(const ClientCommand& command);

// Dotted decimal OID text, an optional leading dot dropped; false when it is not one.
bool NormalizeOid(const std::string& text, std::string& oid);

extern const char* const kClientUsage;
