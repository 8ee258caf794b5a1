#pragma once
// The command line of taurel-snmp.

#include <string>
#include <vector>

#include "snmp/NetSnmpValueText.h"
#include "snmp/SnmpTypes.h"
#include "snmp/UsmUser.h"

enum class ClientAction { Get, GetNext, Walk, Set, BulkGet, BulkWalk, LogDump, Help, Version };

struct ClientSetItem {
    std::string oid;
    char type = 0;
    std::string value;
    std::string typed; // the name as given, for messages about the value
};

struct ClientCommand {
    ClientAction action = ClientAction::Get;
    std::string community; // empty: the default of the action
    int version = SNMP_VERSION_1;
    int timeoutMs = 500;
    int retries = 0; // the command line's default is kDefaultClientRetries
    int nonRepeaters = 0;
    int maxRepetitions = 10;
    bool maxRepetitionsGiven = false; // -Cr: a walk's steps keep that count, else they adapt
    bool walkWithBulk = false;        // walk -Cb: GetBulk steps instead of get-next
    bool checkIncreasing = true;      // walk -Cc turns it off
    bool fixPdus = true;              // get -Cf turns it off: a refused name ends the request
    bool logPackets = false;
    NetSnmpOutput output;            // -O
    std::string agent;               // as given: messages name it so
    std::string agentAddress;        // as the engine takes it: ADDRESS[:PORT]
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
// command; OIDs are checked and kept without a leading dot. Options may come before the
// command, after the agent and (except for set, whose values may start with '-') among the
// OIDs.
bool ParseClientArgs(const std::vector<std::string>& args, ClientCommand& command,
                     std::string& error);

// The time-out text of -t in milliseconds: seconds with an optional fraction ("1", "0.25"), or
// a whole number of 100 or more, which is milliseconds as the option always took them
// ("2000"). False for anything else, zero, or more than a day.
bool ParseTimeoutText(const std::string& text, int& milliseconds);

// The community the command uses: the one given, else the default for reading or writing.
std::string EffectiveCommunity(const ClientCommand& command);

// Dotted decimal OID text, an optional leading dot dropped; false when it is not one or names
// no object identifier BER can carry: every number at most 4294967295, the first 0, 1 or 2,
// and the second below 40 under 0 and 1.
bool NormalizeOid(const std::string& text, std::string& oid);

extern const char* const kClientUsage;
