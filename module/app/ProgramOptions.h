#pragma once
// The program's own long options. They are taken out of the arguments before the "/N" "/I"
// "/R" "/W" search, so a path such as /tmp/Net given to an option is never read as a name.

#include "module/app/SnmpSessionOptions.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ProgramOptions {
    bool demo = false;
    bool packetLog = false;
    bool help = false;
    bool version = false;
    // At the end, the numbers of every open grid and graph on standard output.
    bool print = false;
    std::vector<int> openSlots;
    std::string screenshotPrefix;
    std::optional<double> quitAfterSeconds;
    // How long a reply is waited for; the engine's 500 ms when not given.
    std::optional<int> timeoutMs;
    // How the switch is spoken to: --snmp-version and the --v3-... options.
    SnmpSessionOptions snmp;
    // The program's own notification listener: traps and informs to this UDP port.
    std::optional<std::uint16_t> trapPort;
    // The demo switch takes this port (from 1) down and up again every linkFlapSeconds.
    std::size_t linkFlapPort = 0;
    int linkFlapSeconds = 10;
    // The remaining arguments joined by single spaces: what the four options are read from.
    std::string commandLine;
    // Set when an argument is refused; the program then says it and ends with code 64.
    std::string error;
};

constexpr int kUsageExitCode = 64;
// The longest reply time-out --timeout takes: a minute.
constexpr int kMaxTimeoutMs = 60000;
// Without --quit-after, a screenshot is taken this long after start, and the program ends.
constexpr double kScreenshotQuitSeconds = 4.0;

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args);
// Why the agent address of the command line cannot be sent to ("bad agent address /I...:
// why"), or empty. Checked before anything starts, so a refused address sends nothing and
// writes no packet log: the program would otherwise sit there, its requests failing unseen.
std::string AgentAddressRefusal(const ProgramOptions& options);
// The value of --timeout: whole milliseconds from 1 to kMaxTimeoutMs.
std::optional<int> ParseTimeoutMs(const std::string& text);
// How long the program runs before it closes itself, if at all.
std::optional<double> QuitAfter(const ProgramOptions& options);
std::string ProgramUsage();
// The part of the usage that lists the names --open takes.
std::string SlotNamesUsage();
