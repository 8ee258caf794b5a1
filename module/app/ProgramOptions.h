#pragma once
// The program's own long options. They are taken out of the arguments before the "/N" "/I"
// "/R" "/W" search, so a path such as /tmp/Net given to an option is never read as a name.

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
// Without --quit-after, a screenshot is taken this long after start, and the program ends.
constexpr double kScreenshotQuitSeconds = 4.0;

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args);
// How long the program runs before it closes itself, if at all.
std::optional<double> QuitAfter(const ProgramOptions& options);
std::string ProgramUsage();
