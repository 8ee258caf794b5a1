#pragma once
// The command line of taurel-snmp.

#include <string>
#include <vector>

#include "snmp/SnmpTypes.h"
#include "snmp/UsmUser.h"

enum class ClientAction { Get, GetNext, Walk, Set, BulkGet, BulkWalk, LogDump, Help, Version };

struct ClientSetItem {
    std::string oid;
    char type = 0;
    std::string value;
};

struct ClientCommand {
    ClientAction action = ClientAction::Get;
    std::string community; // empty: the default of the action
    int version = SNMP_VERSION_1;
    int timeoutMs = 500;
    int retries = 0; // the command line's default is kDefaultClientRetries
    int nonRepeaters = 0;
    int maxRepetitions = 10;
    bool walkWithBulk = false; // walk -Cb: GetBulk steps instead of get-next
    bool logPackets = false;
    std::string agent;
    std::vector<std::string> oids;   // get, getnext, walk, bulkget, bulkwalk
    std::vector<ClientSetItem> sets; // set
    std::string file;                // logdump
    UsmUser usm;                     // -v 3: -u -l -a -A -x -X -e -n
};

constexpr const char* kDefaultReadCommunity = "tessla";
constexpr const char* kDefaultWriteCommunity = "marbelo";
// As net-snmp's tools: one second, five retries.
constexpr int kDefaultClientTimeoutMs = 1000;
constexpr int kDefaultClientRetries = 5;

// Parses the arguments after the program name. False with `error` set when they do not form a
// command; OIDs are checked and kept without a leading dot.
bool ParseClientArgs(const std::vector<std::string>& args, ClientCommand& command,
                     std::string& error);

// The time-out text of -t in milliseconds: seconds with an optional fraction ("1", "0.25"), or
// a whole number of 100 or more, which is milliseconds as the option always took them
// ("2000"). False for anything else, zero, or more than a day.
bool ParseTimeoutText(const std::string& text, int& milliseconds);

// The community the command uses: the one given, else the default for reading or writing.
std::string EffectiveCommunity(const ClientCommand& command);

// Dotted decimal OID text, an optional leading dot dropped; false when it is not one.
bool NormalizeOid(const std::string& text, std::string& oid);

extern const char* const kClientUsage;
