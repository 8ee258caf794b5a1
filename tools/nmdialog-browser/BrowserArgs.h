#pragma once
// The command line of nmdialog-browser:
//   nmdialog-browser AGENT DIALOG [--table NAME | --table-file FILE] [--instance TEXT]
//                    [-c READ] [-w WRITE] [-t MS] [-r N] [--screenshot FILE.png]
//                    [--quit-after SECONDS]
//                    [-v 1|2c|3 -u USER -l LEVEL -a PROTOCOL -A PASS -x AES -X PASS -e ID
//                     -n CTX]

#include <optional>
#include <string>
#include <vector>

#include "snmp/UsmUser.h"

enum class BrowserDialog { Get, GetNext, Set, PortCtrl, Statistic };

struct BrowserOptions {
    bool help = false;
    bool version = false;
    std::string agent;
    BrowserDialog dialog = BrowserDialog::Get;
    std::string table;     // a built-in table; empty with a table file
    std::string tableFile; // empty: a built-in table
    std::optional<std::string> instance;
    std::string readCommunity = "tessla";
    std::string writeCommunity = "marbelo";
    int timeoutMs = 500; // how long each request waits for its reply
    int retries = 0;     // how often a request is sent again after a time-out
    std::string screenshot;
    std::optional<double> quitAfter; // seconds
    bool v2c = false;                // -v 2c: SNMPv2c with the communities
    bool v3 = false;                 // -v 3: SNMPv3 as `usm` instead of the communities
    UsmUser usm;
};

// The exit status of bad arguments (EX_USAGE).
constexpr int kBrowserUsageExit = 64;
// The longest time-out -t takes: ten minutes.
constexpr int kBrowserMaxTimeoutMs = 600000;
// The most retries -r takes.
constexpr int kBrowserMaxRetries = 20;
// Without --quit-after, a screenshot is taken this long after start.
constexpr double kScreenshotQuitAfter = 4.0;

// Reads the arguments after the program name. False with a one-line `error` when they do not
// form a command. Without --table or --table-file the dialog's usual built-in table is taken.
bool ParseBrowserArgs(const std::vector<std::string>& args, BrowserOptions& options,
                      std::string& error);
// When the window closes on its own: --quit-after, or the screenshot's default.
std::optional<double> QuitAfterSeconds(const BrowserOptions& options);
// The name the command line uses for a dialog ("get", "getnext", …).
const char* BrowserDialogName(BrowserDialog dialog);

extern const char* const kBrowserUsage;
