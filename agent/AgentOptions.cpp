#include "agent/AgentOptions.h"

#include <charconv>

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
        } else if (name == "--delay") {
            ok = ParseNumber(value, 0, 60000, n);
            options.faults.delayMs = static_cast<int>(n);
        } else {
            error = "unknown option: " + name;
            return false;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    return true;
}

std::string AgentUsage() {
    return "Usage: taurel-agent [OPTION]...\n"
           "\n"
           "A simulated 28-port switch answering SNMPv1 on UDP, with live counters and LEDs,\n"
           "trap-receiver rows, resets and fault injection, until SIGINT or SIGTERM.\n"
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
           "  --verbose              log every request and print counts on exit\n"
           "  --help                 print this text and exit\n"
           "  --version              print the version and exit\n"
           "\n"
           "Defaults: --listen 127.0.0.1:1161 --read-community tessla\n"
           "--write-community marbelo --modules 0x336A --seed 1 --reset-seconds 5, no faults.\n"
           "The port is not SNMP's 161, so no root rights are needed; taurel reaches the\n"
           "defaults with /I127.0.0.1:1161.\n"
           "\n"
           "Exit status: 0 after SIGINT or SIGTERM, 1 when the address cannot be bound,\n"
           "2 for a bad command line.\n";
}
