#include "module/app/ProgramOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

bool ParseSlot(const std::string& text, int& slot) {
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (errno || *end || value < 0 || value > 100000)
        return false;
    slot = int(value);
    return true;
}

bool ParseSeconds(const std::string& text, double& seconds) {
    if (text.empty())
        return false;
    char* end = nullptr;
    seconds = std::strtod(text.c_str(), &end);
    return !*end && std::isfinite(seconds) && seconds >= 0;
}

} // namespace

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args) {
    ProgramOptions options;
    std::string joined;
    auto refuse = [&options](const std::string& why) {
        if (options.error.empty())
            options.error = why;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            joined += (joined.empty() ? "" : " ") + arg;
            continue;
        }
        std::string name = arg, inlineValue;
        bool hasInline = false;
        if (std::size_t eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
            hasInline = true;
        }
        auto value = [&](std::string& out) {
            if (hasInline) {
                out = inlineValue;
                return true;
            }
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        std::string v;
        if (name == "--demo" && !hasInline) {
            options.demo = true;
        } else if (name == "--packet-log" && !hasInline) {
            options.packetLog = true;
        } else if (name == "--help" && !hasInline) {
            options.help = true;
        } else if (name == "--version" && !hasInline) {
            options.version = true;
        } else if (name == "--print" && !hasInline) {
            options.print = true;
        } else if (name == "--open") {
            int slot = 0;
            if (!value(v) || !ParseSlot(v, slot))
                refuse("--open needs a slot number");
            else
                options.openSlots.push_back(slot);
        } else if (name == "--screenshot") {
            if (!value(v) || v.empty())
                refuse("--screenshot needs a file prefix");
            else
                options.screenshotPrefix = v;
        } else if (name == "--quit-after") {
            double seconds = 0;
            if (!value(v) || !ParseSeconds(v, seconds))
                refuse("--quit-after needs a number of seconds");
            else
                options.quitAfterSeconds = seconds;
        } else {
            refuse("unknown option " + arg);
        }
    }
    options.commandLine = joined;
    return options;
}

std::optional<double> QuitAfter(const ProgramOptions& options) {
    if (options.quitAfterSeconds)
        return options.quitAfterSeconds;
    if (!options.screenshotPrefix.empty())
        return kScreenshotQuitSeconds;
    return std::nullopt;
}

std::string ProgramUsage() {
    return "usage: taurel [/Nname] [/Iaddress[:port]] [/Rcommunity] [/Wcommunity]\n"
           "              [--demo] [--open SLOT]... [--screenshot PREFIX]\n"
           "              [--quit-after SECONDS] [--print] [--packet-log] [--help] [--version]\n"
           "\n"
           "  /N /I /R /W     device name, agent address, read and write community\n"
           "                  (defaults Mirova, 127.0.0.1, tessla, marbelo)\n"
           "  --demo          start the built-in simulated switch and manage it\n"
           "  --open SLOT     open a child-dialog slot once the window is up\n"
           "  --screenshot P  save P-main.png and P-slotN.png just before quitting\n"
           "  --quit-after S  close the window after S seconds\n"
           "  --print         on quitting, write every open table's and graph's rows to\n"
           "                  standard output, cells separated by tabs\n"
           "  --packet-log    append every SNMP message to snmp.log\n";
}
