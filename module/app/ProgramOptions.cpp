#include "module/app/ProgramOptions.h"

#include "agent/AgentOptions.h"
#include "module/events/EventSources.h"
#include "module/slots/SlotRecords.h"
#include "snmp/SnmpAgentAddress.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

bool ParseSlot(const std::string& text, int& slot) {
    if (text == "events") {
        slot = Slot::kEvents;
        return true;
    }
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

bool ParsePort(const std::string& text, std::uint16_t& port) {
    errno = 0;
    char* end = nullptr;
    const long value = text.empty() ? 0 : std::strtol(text.c_str(), &end, 10);
    if (text.empty() || errno || *end || value < 1 || value > 65535)
        return false;
    port = std::uint16_t(value);
    return true;
}

// The simulated switch's own rule (the port must exist, the period be 2 s or more).
bool ParseLinkFlap(const std::string& text, ProgramOptions& options) {
    AgentOptions agent;
    std::string ignored;
    if (text.empty() || !ParseAgentOptions({"--link-flap", text}, agent, ignored))
        return false;
    options.linkFlapPort = agent.linkFlapPort;
    options.linkFlapSeconds = agent.linkFlapSeconds;
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
        } else if (name == "--trap-port") {
            std::uint16_t port = 0;
            if (!value(v) || !ParsePort(v, port))
                refuse("--trap-port needs a UDP port from 1 to 65535");
            else
                options.trapPort = port;
        } else if (name == "--link-flap") {
            if (!value(v) || !ParseLinkFlap(v, options))
                refuse("--link-flap needs PORT[,SECONDS]: a port of the switch, 2 s or more");
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
    if (options.linkFlapPort && !options.demo)
        refuse("--link-flap is for the demo switch (--demo)");
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
    // The ports come from the engine and the simulated switch, so the text cannot drift from
    // what the program really does when /I has no port.
    const std::string snmpPort = std::to_string(kSnmpAgentPort);
    const std::string agentAddress =
        AgentOptions().listenAddress + ":" + std::to_string(AgentOptions().listenPort);
    return "Usage: taurel [/Nname] [/Iaddress[:port]] [/Rcommunity] [/Wcommunity] [OPTION]...\n"
           "\n"
           "Manages one SNMPv1 Ethernet switch: its front panel, device and port information,\n"
           "configuration, and live port counters as tables, curves and bar graphs.\n"
           "\n"
           "  /Nname            device name shown in every title (default Mirova)\n"
           "  /Iaddress[:port]  the switch's SNMP agent (default 127.0.0.1); without a\n"
           "                    port, UDP port " +
           snmpPort +
           ". A taurel-agent started with its defaults\n"
           "                    listens on " +
           agentAddress + ": reach it with /I" + agentAddress +
           "\n"
           "  /Rcommunity       read community (default tessla)\n"
           "  /Wcommunity       write community (default marbelo)\n"
           "  --demo            start the built-in simulated switch on a free loopback port\n"
           "                    and manage it (/I is then ignored)\n"
           "  --open SLOT       open a child-dialog slot once the window is up (\"events\"\n"
           "                    for the events window)\n"
           "  --trap-port PORT  receive the switch's traps and informs on this UDP port and\n"
           "                    keep them in $XDG_DATA_HOME/taurel/notifications.sqlite\n"
           "  --link-flap P[,S] with --demo: the switch takes port P down and up again every\n"
           "                    S seconds (default 10)\n"
           "  --screenshot P    save P-main.png and P-slotN.png just before quitting\n"
           "  --quit-after S    close the window after S seconds\n"
           "  --print           on quitting, write every open table's and graph's rows to\n"
           "                    standard output, cells separated by tabs\n"
           "  --packet-log      append every SNMP message to snmp.log\n"
           "  --help            print this text and exit\n"
           "  --version         print the version and exit\n"
           "\n"
           "The events window shows the switch's traps from the journal of the taurel-trapd\n"
           "service (" +
           std::string(kSystemJournalPath) +
           ") where it may be read, and from\n"
           "--trap-port; --demo receives its switch's traps on a free loopback port.\n"
           "\n"
           "A second start for the same name and address brings the first window to the front.\n"
           "\n"
           "Exit status: 0 when the window closed or another one already manages the device,\n"
           "1 when the sockets or the demo switch could not start, 64 for a bad option.\n";
}
