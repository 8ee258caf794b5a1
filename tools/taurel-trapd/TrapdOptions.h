#pragma once
// The command line of taurel-trapd.

#include <cstdint>
#include <string>
#include <vector>

#include "journal/NotificationJournal.h"
#include "snmp/UsmUser.h"

struct TrapdOptions {
    std::string listenAddress = "0.0.0.0";
    std::uint16_t listenPort = 162;
    std::vector<std::string> communities; // none: every community
    std::vector<UsmUser> users;
    std::vector<std::uint8_t> engineId; // empty: the journal's, made on first start
    std::string journal;                // empty: the default place
    JournalRetention retention;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program name (and the users files they name). False with
// `error` set for an unknown option, a missing or bad value, or a user that cannot be used.
bool ParseTrapdOptions(const std::vector<std::string>& args, TrapdOptions& options,
                       std::string& error);
// Overwrites the passphrases of --user values in `args` and in the program's own argument
// strings, so they do not stay readable in memory or in the process list.
void WipeTrapdPassphrases(std::vector<std::string>& args, int argc, char* argv[]);

// Where the journal goes without --journal: the service's state folder ($STATE_DIRECTORY,
// /var/lib/taurel under systemd) or the current folder.
std::string DefaultJournalPath(const char* stateDirectory);

constexpr int kTrapdUsageExit = 2;
extern const char* const kTrapdUsage;
