#include "module/app/ProgramOptions.h"

#include "agent/AgentOptions.h"
#include "snmp/CSnmpDll.h"
#include "snmp/SnmpAgentAddress.h"

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
    options.commandLine = joined;
    if (std::string why; !CheckSnmpSessionOptions(options.snmp, options.demo, why))
        refuse(why);
    return options;
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
           ". A taurel-agent started with its defaults\n"
           "                    listens on " +
           agentAddress + ": reach it with /I" + agentAddress +
           "\n"
           "  /Rcommunity       read community (default tessla)\n"
           "  /Wcommunity       write community (default marbelo)\n"
           "  --demo            start the built-in simulated switch on a free loopback port\n"
           "                    and manage it (/I and the --v3-... options are then\n"
           "                    ignored: the demo switch has its own SNMPv3 user)\n"
           "  --open SLOT       open a child-dialog slot once the window is up\n"
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
           "A second start for the same name and address brings the first window to the front.\n"
           "With --demo and --snmp-version 3 the demo switch has an SNMPv3 user of its own,\n"
           "named with its passphrases in the first lines the program writes.\n"
           "\n"
           "Exit status: 0 when the window closed or another one already manages the device,\n"
           "1 when the sockets or the demo switch could not start, 2 when the start dialog or\n"
           "the passphrase prompt was cancelled, 64 for a bad option or a secrets file that\n"
           "may not be read.\n";
}
