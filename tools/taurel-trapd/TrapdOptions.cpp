#include "tools/taurel-trapd/TrapdOptions.h"

#include <charconv>
#include <cstring>

#include "snmp/UsmSecret.h"
#include "snmp/UsmUserOptions.h"
#include "tools/taurel-trapd/TrapdUsers.h"

namespace {

bool ParseNumber(const std::string& text, std::uint64_t hi, std::uint64_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && value <= hi;
}

bool ParseListen(const std::string& text, TrapdOptions& options) {
    const std::size_t colon = text.rfind(':');
    std::uint64_t port = 0;
    if (colon == std::string::npos || colon == 0 ||
        !ParseNumber(text.substr(colon + 1), 65535, port)) {
        return false;
    }
    options.listenAddress = text.substr(0, colon);
    options.listenPort = static_cast<std::uint16_t>(port);
    return true;
}

bool TakesValue(const std::string& name) {
    for (const char* option : {"--listen", "--community", "--user", "--users", "--engine-id",
                               "--journal", "--keep-rows", "--keep-days"}) {
        if (name == option) {
            return true;
        }
    }
    return false;
}

} // namespace

bool ParseTrapdOptions(const std::vector<std::string>& args, TrapdOptions& options,
                       std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--quiet" || name == "-q") {
            options.quiet = true;
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
        if (!TakesValue(name)) {
            error = "unknown option: " + name;
            return false;
        }
        if (i + 1 >= args.size()) {
            error = "missing value for " + name;
            return false;
        }
        const std::string& value = args[++i];
        std::uint64_t n = 0;
        bool ok = true;
        if (name == "--listen") {
            ok = ParseListen(value, options);
        } else if (name == "--community") {
            options.communities.push_back(value);
        } else if (name == "--user") {
            UsmUser user;
            if (!ParseCreateUser(value, user, error)) {
                error = "--user: " + error;
                return false;
            }
            options.users.push_back(std::move(user));
        } else if (name == "--users") {
            if (!ReadUsersFile(value, options.users, error)) {
                return false;
            }
        } else if (name == "--engine-id") {
            UsmUser scratch;
            ok = ParseUsmOption('e', value, scratch, error) && scratch.engineId.size() >= 5;
            options.engineId = scratch.engineId;
        } else if (name == "--journal") {
            ok = !value.empty();
            options.journal = value;
        } else if (name == "--keep-rows") {
            ok = ParseNumber(value, INT64_MAX, n);
            options.retention.maxRows = static_cast<std::int64_t>(n);
        } else if (name == "--keep-days") {
            ok = ParseNumber(value, 100000, n);
            options.retention.maxDays = static_cast<std::int64_t>(n);
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return false;
        }
    }
    return true;
}

void WipeTrapdPassphrases(std::vector<std::string>& args, int argc, char* argv[]) {
    // args[i] is argv[i + 1]. A --user value is wiped whole: its passphrases are in it.
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--user") {
            WipeText(args[i + 1]);
            if (static_cast<int>(i) + 2 < argc) {
                std::memset(argv[i + 2], 0, std::strlen(argv[i + 2]));
            }
        }
    }
}

std::string DefaultJournalPath(const char* stateDirectory) {
    const std::string folder = stateDirectory && *stateDirectory ? stateDirectory : ".";
    return folder + "/notifications.sqlite";
}

const char* const kTrapdUsage =
    "Usage: taurel-trapd [OPTION]...\n"
    "\n"
    "Receives SNMP notifications (v1 and v2c traps, informs, and SNMPv3 traps and informs),\n"
    "prints each on standard output in snmptrapd's layout and keeps it in an SQLite journal,\n"
    "committed before it is printed. Runs until SIGINT or SIGTERM.\n"
    "\n"
    "  --listen ADDR:PORT   UDP address and port to listen on\n"
    "  --community C        accept only this community (repeatable); without it every\n"
    "                       well-formed v1/v2c notification is kept with its community\n"
    "  --user SPEC          an SNMPv3 user in net-snmp's createUser spelling (repeatable):\n"
    "                       \"[-e ENGINEID] NAME (MD5|SHA|SHA-224|SHA-256|SHA-384|SHA-512)\n"
    "                       AUTHPASS [AES [PRIVPASS]]\"; with -e a user of that sender's\n"
    "                       traps, without it a user of informs to this receiver\n"
    "  --users FILE         createUser lines from FILE (keeps passphrases off the command\n"
    "                       line)\n"
    "  --engine-id HEX      this receiver's SNMPv3 engine ID (default: made on the first\n"
    "                       start and kept in the journal)\n"
    "  --journal FILE       the SQLite journal (WAL mode)\n"
    "  --keep-rows N        keep the newest N notifications (0: no limit)\n"
    "  --keep-days D        keep none older than D days (0: no limit)\n"
    "  --quiet              print no notifications, only keep them\n"
    "  --help               print this text and exit\n"
    "  --version            print the version and exit\n"
    "\n"
    "Defaults: --listen 0.0.0.0:162, every community, no SNMPv3 users,\n"
    "--journal $STATE_DIRECTORY/notifications.sqlite (./notifications.sqlite outside the\n"
    "service), --keep-rows 100000, --keep-days 90.\n"
    "Host names are not looked up: addresses print as snmptrapd -n prints them.\n"
    "UDP port 162 needs privilege: use --listen 127.0.0.1:1162, the taurel-trapd service,\n"
    "or the CAP_NET_BIND_SERVICE capability.\n"
    "\n"
    "Exit status: 0 after SIGINT or SIGTERM, 1 when the port cannot be bound or the journal\n"
    "cannot be opened, 2 for a bad command line.\n";
