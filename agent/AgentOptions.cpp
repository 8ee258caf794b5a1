#include "agent/AgentOptions.h"

#include <charconv>
#include <cstdio>

#include "snmp/UsmAuthoritativeEngine.h"
#include "snmp/UsmUserOptions.h"

namespace {

// A whole number in decimal, or in hexadecimal with a 0x prefix, within [lo, hi].
bool ParseNumber(const std::string& text, std::uint64_t lo, std::uint64_t hi,
                 std::uint64_t& value) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* begin = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(begin, end, value, hex ? 16 : 10);
    return begin != end && ec == std::errc() && ptr == end && value >= lo && value <= hi;
}

// ADDR:PORT, with an IPv6 address in brackets ("[::1]:1161"); port 0 takes a free one.
bool ParseListen(const std::string& text, AgentOptions& options) {
    const bool bracketed = !text.empty() && text.front() == '[';
    const std::size_t close = bracketed ? text.find("]:") : std::string::npos;
    const std::size_t colon = bracketed ? close + 1 : text.rfind(':');
    if ((bracketed && (close == std::string::npos || close < 2)) || colon == std::string::npos ||
        colon == 0) {
        return false;
    }
    std::uint64_t port = 0;
    if (!ParseNumber(text.substr(colon + 1), 0, 65535, port)) {
        return false;
    }
    options.listenAddress = bracketed ? text.substr(1, colon - 2) : text.substr(0, colon);
    options.listenPort = static_cast<std::uint16_t>(port);
    return true;
}

// PORT or PORT,SECONDS: the port must exist on the switch, the period be 2 s or more.
bool ParseLinkFlap(const std::string& text, AgentOptions& options) {
    const std::size_t comma = text.find(',');
    std::uint64_t port = 0;
    std::uint64_t seconds = 10;
    if (!ParseNumber(text.substr(0, comma), 1, 1000, port) ||
        (comma != std::string::npos && !ParseNumber(text.substr(comma + 1), 2, 86400, seconds))) {
        return false;
    }
    options.linkFlapPort = static_cast<std::size_t>(port);
    options.linkFlapSeconds = static_cast<int>(seconds);
    return true;
}

// ADDR or ADDR/COMMUNITY (community "public" when not given).
bool ParseTrapReceiver(const std::string& text, AgentOptions& options) {
    const std::size_t slash = text.find('/');
    const std::string address = text.substr(0, slash);
    const std::string community = slash == std::string::npos ? "public" : text.substr(slash + 1);
    unsigned parts[4] = {};
    char end = 0;
    if (std::sscanf(address.c_str(), "%u.%u.%u.%u%c", &parts[0], &parts[1], &parts[2], &parts[3],
                    &end) != 4 ||
        parts[0] > 255 || parts[1] > 255 || parts[2] > 255 || parts[3] > 255 ||
        community.size() > 32 || options.trapReceivers.size() >= kMaxTrapReceivers - 1) {
        return false;
    }
    options.trapReceivers[IpKey(
        {static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
         static_cast<std::uint8_t>(parts[2]), static_cast<std::uint8_t>(parts[3])})] = community;
    return true;
}

} // namespace

bool ParseAgentOptions(const std::vector<std::string>& args, AgentOptions& options,
                       std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--verbose") {
            options.verbose = true;
            continue;
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--version") {
            options.version = true;
            continue;
        }
        if (name == "--v2c") {
            options.protocols.v2c = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name.rfind("--", 0) == 0 ? "missing value for " + name
                                             : "unknown argument: " + name;
            return false;
        }
        const std::string& value = args[++i];
        std::uint64_t n = 0;
        bool ok = true;
        if (name == "--listen") {
            ok = ParseListen(value, options);
        } else if (name == "--read-community") {
            options.communities.read = value;
        } else if (name == "--write-community") {
            options.communities.write = value;
        } else if (name == "--modules") {
            ok = ParseNumber(value, 0, 0xFFFF, n);
            options.device.modulesWord = static_cast<std::uint16_t>(n);
        } else if (name == "--seed") {
            ok = ParseNumber(value, 0, UINT64_MAX, n);
            options.device.seed = n;
            options.faults.seed = n;
        } else if (name == "--reset-seconds") {
            ok = ParseNumber(value, 0, 3600, n);
            options.device.resetMs = static_cast<std::int64_t>(n) * 1000;
        } else if (name == "--drop" || name == "--corrupt" || name == "--duplicate") {
            ok = ParseNumber(value, 0, 100, n);
            int& percent = name == "--drop"      ? options.faults.dropPercent
                           : name == "--corrupt" ? options.faults.corruptPercent
                                                 : options.faults.duplicatePercent;
            percent = static_cast<int>(n);
        } else if (name == "--trap-port") {
            ok = ParseNumber(value, 1, 65535, n);
            options.trapPort = static_cast<std::uint16_t>(n);
        } else if (name == "--trap-receiver") {
            ok = ParseTrapReceiver(value, options);
        } else if (name == "--link-flap") {
            ok = ParseLinkFlap(value, options);
        } else if (name == "--delay") {
            ok = ParseNumber(value, 0, 60000, n);
            options.faults.delayMs = static_cast<int>(n);
        } else if (name == "--v3-user") {
            UsmUser user;
            if (!ParseAgentUser(value, user, error)) {
                return false; // the error never repeats the value: it holds passphrases
            }
            options.protocols.v3Users.push_back(std::move(user));
        } else if (name == "--v3-engine-id") {
            UsmUser parsed;
            ok = ParseUsmOption('e', value, parsed, error) &&
                 parsed.engineId.size() >= UsmAuthoritativeEngine::kMinEngineId;
            options.protocols.engineId = parsed.engineId;
        } else {
            error = "unknown option: " + name;
            return false;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    if (options.linkFlapPort > LayoutPorts(options.device.modulesWord).size()) {
        error = "--link-flap: the switch has no port " + std::to_string(options.linkFlapPort);
        return false;
    }
    return true;
}

std::string AgentUsage() {
    return "Usage: taurel-agent [OPTION]...\n"
           "\n"
           "A simulated 28-port switch answering SNMPv1 on UDP, with live counters and LEDs,\n"
           "trap-receiver rows, resets and fault injection, until SIGINT or SIGTERM; with\n"
           "--v2c also SNMPv2c, with --v3-user also SNMPv3 as its own authoritative engine.\n"
           "\n"
           "  --listen ADDR:PORT     address and UDP port to answer on ([::1]:PORT for IPv6)\n"
           "  --read-community C     community of get and get-next requests\n"
           "  --write-community C    community of set requests\n"
           "  --modules WORD         the modules-present word the switch reports (0x for hex)\n"
           "  --seed N               seed of the simulated traffic and of the faults\n"
           "  --reset-seconds S      how long a reset keeps the switch silent (0 to 3600)\n"
           "  --drop PCT             drop this percentage of requests\n"
           "  --delay MS             answer this many milliseconds late (0 to 60000)\n"
           "  --corrupt PCT          corrupt this percentage of replies\n"
           "  --duplicate PCT        send this percentage of replies twice\n"
           "  --trap-receiver A[/C]  also send traps to address A with community C (default\n"
           "                         public), kept over resets like a saved row (repeatable)\n"
           "  --trap-port N          the UDP port traps go to at every receiver\n"
           "  --link-flap P[,S]      take port P's link down and up again every S seconds\n"
           "                         (at least 2; default 10)\n"
           "  --v2c                  answer SNMPv2c too (the v2 exceptions, GetBulk)\n"
           "  --v3-user NAME:AUTH:PASS[:PRIV:PASS]\n"
           "                         an SNMPv3 user, at authNoPriv or (with PRIV) authPriv;\n"
           "                         AUTH is MD5, SHA, SHA-224, SHA-256, SHA-384 or SHA-512,\n"
           "                         PRIV is AES, passphrases have 8 characters or more.\n"
           "                         Repeat it for more users; every user may read and write.\n"
           "                         The passphrases are wiped from the process's arguments\n"
           "  --v3-engine-id HEX     the SNMPv3 engine ID (5 to 32 octets; default: a new\n"
           "                         one at each start)\n"
           "  --verbose              log every request and print counts on exit\n"
           "  --help                 print this text and exit\n"
           "  --version              print the version and exit\n"
           "\n"
           "Defaults: --listen 127.0.0.1:1161 --read-community tessla\n"
           "--write-community marbelo --modules 0x336A --seed 1 --reset-seconds 5, no faults,\n"
           "--trap-port 162, the factory trap receiver 192.0.2.10/public only; SNMPv1 only.\n"
           "The switch sends SNMPv1 traps to every row of its Trap Receivers table: coldStart\n"
           "when it starts and after a cold start, warmStart after a warm start, linkDown and\n"
           "linkUp with the port's ifIndex, and authenticationFailure for a wrong community\n"
           "while Authentication Fail Trap (1.3.6.1.2.1.11.30) is Enable.\n"
           "The SNMPv3 engine's boots follow the wall clock, so they grow from one start to the\n"
           "next; a reset of the switch counts one boot more.\n"
           "The port is not SNMP's 161, so no root rights are needed; taurel reaches the\n"
           "defaults with /I127.0.0.1:1161.\n"
           "\n"
           "Exit status: 0 after SIGINT or SIGTERM, 1 when the address cannot be bound,\n"
           "2 for a bad command line.\n";
}
