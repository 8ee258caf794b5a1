#include "module/app/ProgramOptions.h"

#include "agent/AgentOptions.h"
#include "module/app/CommandLine.h"
#include "module/events/EventSources.h"
#include "module/slots/SlotNames.h"
#include "snmp/CSnmpDll.h"
#include "snmp/SnmpAgentAddress.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

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
            std::optional<int> slot = value(v) ? SlotFromName(v) : std::nullopt;
            if (!slot)
                refuse("--open needs a slot that opens a window, by number or name (see --help)" +
                       (v.empty() ? std::string() : ": " + v));
            else
                options.openSlots.push_back(*slot);
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
        } else if (name == "--timeout") {
            std::optional<int> ms;
            if (value(v))
                ms = ParseTimeoutMs(v);
            if (!ms)
                refuse("--timeout needs a number of milliseconds from 1 to " +
                       std::to_string(kMaxTimeoutMs));
            else
                options.timeoutMs = ms;
        } else if (IsSnmpSessionOption(name)) {
            std::string why;
            if (!value(v))
                refuse(name + " needs a value");
            else if (!TakeSnmpSessionOption(name, v, options.snmp, why))
                refuse(why);
        } else {
            refuse("unknown option " + arg);
        }
    }
    if (options.linkFlapPort && !options.demo)
        refuse("--link-flap is for the demo switch (--demo)");
    options.commandLine = joined;
    if (std::string why; !CheckSnmpSessionOptions(options.snmp, options.demo, why))
        refuse(why);
    return options;
}

std::string AgentAddressRefusal(const ProgramOptions& options) {
    if (options.demo)
        return {}; // the demo's own switch is managed, whatever /I says
    ModuleIdentity identity;
    ParseCommandLine(options.commandLine, identity);
    const std::string problem = SnmpAgentAddressProblem(identity.agentAddress);
    return problem.empty() ? problem
                           : "bad agent address /I" + identity.agentAddress + ": " + problem;
}

std::optional<int> ParseTimeoutMs(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int ms = std::atoi(text.c_str());
    if (ms < 1 || ms > kMaxTimeoutMs)
        return std::nullopt;
    return ms;
}

std::optional<double> QuitAfter(const ProgramOptions& options) {
    if (options.quitAfterSeconds)
        return options.quitAfterSeconds;
    if (!options.screenshotPrefix.empty())
        return kScreenshotQuitSeconds;
    return std::nullopt;
}

std::string SlotNamesUsage() {
    std::string text = "\nWindows --open takes (P is a port number, 1 to 28):\n";
    for (const SlotNameLine& line : SlotNameLines()) {
        std::string name = "  " + line.name;
        name.resize(std::max<std::size_t>(name.size() + 1, 26), ' ');
        text += name + "slot " + line.number + "\n";
    }
    return text;
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
           "configuration, and live port counters as tables, curves and bar graphs; with\n"
           "--snmp-version, over SNMPv2c or as an SNMPv3 user instead.\n"
           "\n"
           "  /Nname            device name shown in every title (default Mirova)\n"
           "  /Iaddress[:port]  the switch's SNMP agent (default 127.0.0.1); without a\n"
           "                    port, UDP port " +
           snmpPort +
           ". An IPv6 address alone (/I::1) or in\n"
           "                    brackets before a port (/I[::1]:1161). A taurel-agent\n"
           "                    started with its defaults listens on " +
           agentAddress +
           ":\n"
           "                    reach it with /I" +
           agentAddress +
           "\n"
           "  /Rcommunity       read community (default tessla)\n"
           "  /Wcommunity       write community (default marbelo)\n"
           "  --demo            start the built-in simulated switch on a free loopback port\n"
           "                    and manage it (/I and the --v3-... options are then\n"
           "                    ignored: the demo switch has its own SNMPv3 user)\n"
           "  --open SLOT       open a window once the main window is up: a slot number or\n"
           "                    one of the names below (repeat to open several)\n"
           "  --trap-port PORT  receive the switch's traps and informs on this UDP port and\n"
           "                    keep them in $XDG_DATA_HOME/taurel/notifications.sqlite\n"
           "  --link-flap P[,S] with --demo: the switch takes port P down and up again every\n"
           "                    S seconds (default 10)\n"
           "  --screenshot P    save P-main.png and P-slotN.png just before quitting\n"
           "  --quit-after S    close the window after S seconds\n"
           "  --print           on quitting, write every open table's and graph's rows to\n"
           "                    standard output, cells separated by tabs\n"
           "  --packet-log      append every SNMP message to snmp.log\n"
           "  --timeout MS      wait MS milliseconds for each reply (default " +
           std::to_string(CSnmpDll::kDefaultTimeoutMs) + ")\n" + SnmpSessionUsage() +
           "  --help            print this text and exit\n"
           "  --version         print the version and exit\n"
           "\n"
           "Started without /N, /I, /R and /W, and without --demo, --print, --screenshot and\n"
           "--quit-after (the options of scripts), the program first asks in the dialog\n"
           "\"Connect to Switch\" which switch to manage, offering the ten chosen last; the\n"
           "menu entry starts it so. Its Connect starts what the matching command line would.\n"
           "The recent switches are kept in $XDG_CONFIG_HOME/taurel (~/.config/taurel):\n"
           "communities and passphrases only when \"remember\" is ticked, and then in a file\n"
           "only its owner may read.\n"
           "\n"
           "A second start for the same name and address (or a second --demo) brings the\n"
           "first window to the front; a run with --print or --screenshot does its work\n"
           "whatever else runs. With --demo and --snmp-version 3 the demo switch has an\n"
           "SNMPv3 user of its own, named with its passphrases in the first lines the program\n"
           "writes.\n"
           "\n"
           "The events window shows the switch's traps from the journal of the taurel-trapd\n"
           "service (" +
           std::string(kSystemJournalPath) +
           ") where it may be read, and from\n"
           "--trap-port; --demo receives its switch's traps on a free loopback port.\n"
           "\n"
           "Exit status: 0 when the window closed or another one already manages the device,\n"
           "1 when the sockets or the demo switch could not start, 2 when the start dialog or\n"
           "the passphrase prompt was cancelled, 64 for a bad option, an agent address\n"
           "(nothing is sent then) or a secrets file that may not be read.\n" +
           SlotNamesUsage();
}
