#include "tools/taurel-snmp/ClientArgs.h"

#include <cstdlib>
#include <map>

#include "snmp/SnmpAgentAddress.h"
#include "snmp/UsmUserOptions.h"

const char* const kClientUsage =
    "Usage: taurel-snmp [OPTIONS] get|getnext AGENT OID...\n"
    "       taurel-snmp [OPTIONS] walk AGENT OID\n"
    "       taurel-snmp [OPTIONS] set AGENT OID TYPE VALUE [OID TYPE VALUE...]\n"
    "       taurel-snmp -v 2c|3 [OPTIONS] bulkget AGENT OID...\n"
    "       taurel-snmp -v 2c|3 [OPTIONS] bulkwalk AGENT OID\n"
    "       taurel-snmp logdump FILE\n"
    "       taurel-snmp --help | --version\n"
    "Options:\n"
    "  -v 1|2c|3     SNMP version (default 1)\n"
    "  -c COMMUNITY  community (default tessla for reading, marbelo for set)\n"
    "  -t SECONDS    time-out per attempt, fractions allowed (default 1); a whole number of\n"
    "                100 or more is taken as milliseconds, as in earlier versions\n"
    "  -r RETRIES    times a request is sent again after a time-out (default 5)\n"
    "  -Cn NUM       bulkget: non-repeaters (default 0)\n"
    "  -Cr NUM       bulkget, bulkwalk: max-repetitions (default 10)\n"
    "  -Cb           walk: step with GetBulk instead of get-next (needs -v 2c)\n"
    "  -u USER       SNMPv3 user name (replaces -c)\n"
    "  -l LEVEL      noAuthNoPriv, authNoPriv or authPriv\n"
    "  -a PROTOCOL   authentication: MD5, SHA, SHA-224, SHA-256, SHA-384 or SHA-512\n"
    "  -A PASSPHRASE authentication passphrase (8 characters or more)\n"
    "  -x AES        privacy protocol (AES-128; DES is not offered: libcrypto keeps it in its\n"
    "                legacy provider)\n"
    "  -X PASSPHRASE privacy passphrase (8 characters or more)\n"
    "  -e ENGINEID   the agent's engine ID in hex (default: discovered)\n"
    "  -n CONTEXT    context name (default empty)\n"
    "  --log         append every packet to snmp.log in the current directory\n"
    "  --help        print this text;  --version  print the version\n"
    "Options are also accepted joined to their value, as in -v2c or -Cr25.\n"
    "AGENT is a dotted address or host name, optionally followed by :PORT (default 161).\n"
    "TYPE is one of: i integer, s string, x hex string, o object identifier, a IP address,\n"
    "                c counter, g gauge, t time ticks, m MAC address.\n"
    "Replies of up to 65507 bytes are accepted.\n"
    "Exit status: 0 success, 1 error in packet or failure to send, 2 time-out, 64 usage.\n";

namespace {

bool ParseOids(const std::vector<std::string>& texts, std::vector<std::string>& oids,
               std::string& error) {
    for (const std::string& text : texts) {
        std::string oid;
        if (!NormalizeOid(text, oid)) {
            error = "bad object identifier: " + text;
            return false;
        }
        oids.push_back(oid);
    }
    return true;
}

bool ParseSets(const std::vector<std::string>& rest, std::vector<ClientSetItem>& sets,
               std::string& error) {
    if (rest.empty() || rest.size() % 3 != 0) {
        error = "set needs OID TYPE VALUE triples";
        return false;
    }
    for (std::size_t i = 0; i < rest.size(); i += 3) {
        ClientSetItem item;
        if (!NormalizeOid(rest[i], item.oid)) {
            error = "bad object identifier: " + rest[i];
            return false;
        }
        const std::string& type = rest[i + 1];
        if (type.size() != 1 || std::string("isxoacgtm").find(type[0]) == std::string::npos) {
            error = "bad value type: " + type;
            return false;
        }
        item.type = type[0];
        item.value = rest[i + 2];
        sets.push_back(item);
    }
    return true;
}

} // namespace

bool NormalizeOid(const std::string& text, std::string& oid) {
    const std::string body = !text.empty() && text[0] == '.' ? text.substr(1) : text;
    if (body.empty() || body.front() == '.' || body.back() == '.' ||
        body.find("..") != std::string::npos ||
        body.find_first_not_of("0123456789.") != std::string::npos) {
        return false;
    }
    oid = body;
    return true;
}

std::string EffectiveCommunity(const ClientCommand& command) {
    if (!command.community.empty()) {
        return command.community;
    }
    return command.action == ClientAction::Set ? kDefaultWriteCommunity : kDefaultReadCommunity;
}

namespace {

bool ParseCount(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::atoi(text.c_str());
    return true;
}

// One option with its value (joined, as in -v2c, or the next argument); false with `error` set.
bool ApplyValueOption(char letter, const std::string& value, ClientCommand& command,
                      std::string& error) {
    switch (letter) {
    case 'c':
        command.community = value;
        return true;
    case 't':
        if (!ParseTimeoutText(value, command.timeoutMs)) {
            error = "bad time-out: " + value;
            return false;
        }
        return true;
    case 'r':
        if (!ParseCount(value, command.retries)) {
            error = "bad retry count: " + value;
            return false;
        }
        return true;
    case 'v':
        if (value != "1" && value != "2c" && value != "3") {
            error = "bad version: " + value + " (1, 2c or 3)";
            return false;
        }
        command.version = value == "1"    ? SNMP_VERSION_1
                          : value == "2c" ? SNMP_VERSION_2C
                                          : SNMP_VERSION_3;
        return true;
    case 'C':
        if (value == "b") {
            command.walkWithBulk = true;
            return true;
        }
        if (value.size() > 1 && (value[0] == 'n' || value[0] == 'r') &&
            ParseCount(value.substr(1),
                       value[0] == 'n' ? command.nonRepeaters : command.maxRepetitions)) {
            return true;
        }
        error = "bad -C option: " + value;
        return false;
    default:
        return ParseUsmOption(letter, value, command.usm, error);
    }
}

bool NeedsVersion2(const ClientCommand& command) {
    return command.action == ClientAction::BulkGet || command.action == ClientAction::BulkWalk ||
           (command.action == ClientAction::Walk && command.walkWithBulk);
}

// What the command needs beyond its operands: GetBulk exists only in SNMPv2c, and a walk whose
// steps may return nothing would never advance.
bool CheckBulkOptions(const ClientCommand& command, std::string& error) {
    if (NeedsVersion2(command) && command.version == SNMP_VERSION_1) {
        error = "GetBulk needs -v 2c";
        return false;
    }
    const bool bulkWalk =
        command.action == ClientAction::BulkWalk || command.action == ClientAction::Walk;
    if (NeedsVersion2(command) && bulkWalk && command.maxRepetitions < 1) {
        error = "a bulk walk needs -Cr of 1 or more";
        return false;
    }
    return true;
}

} // namespace

bool ParseTimeoutText(const std::string& text, int& milliseconds) {
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    if ((whole.empty() && fraction.empty()) || whole.size() > 8 || fraction.size() > 3 ||
        (whole + fraction).find_first_not_of("0123456789") != std::string::npos ||
        (dot != std::string::npos && fraction.empty())) {
        return false;
    }
    long long ms = std::atoll(whole.c_str());
    if (dot != std::string::npos || ms < 100) {
        ms = ms * 1000 + std::atoll((fraction + "00").substr(0, 3).c_str());
    }
    if (ms < 1 || ms > 86400000) {
        return false;
    }
    milliseconds = static_cast<int>(ms);
    return true;
}

bool ParseClientArgs(const std::vector<std::string>& args, ClientCommand& command,
                     std::string& error) {
    command.timeoutMs = kDefaultClientTimeoutMs;
    command.retries = kDefaultClientRetries;
    std::size_t i = 0;
    for (; i < args.size() && args[i].size() > 1 && args[i][0] == '-'; ++i) {
        const std::string& option = args[i];
        if (option == "--log") {
            command.logPackets = true;
        } else if (option == "--help" || option == "--version") {
            command.action = option == "--help" ? ClientAction::Help : ClientAction::Version;
            return true;
        } else if (std::string("ctrvC").find(option[1]) != std::string::npos ||
                   IsUsmOptionLetter(option[1])) {
            if (option.size() == 2 && i + 1 == args.size()) {
                error = "option " + option + " needs a value";
                return false;
            }
            std::string value = option.size() > 2 ? option.substr(2) : args[++i];
            const bool applied = ApplyValueOption(option[1], value, command, error);
            if (option[1] == 'A' || option[1] == 'X') {
                WipeText(value); // the passphrase lives on only as a wiped-on-exit secret
            }
            if (!applied) {
                return false;
            }
        } else {
            error = "bad option: " + option;
            return false;
        }
    }
    if (i == args.size()) {
        error = "no command given";
        return false;
    }
    static const std::map<std::string, ClientAction> kActions = {
        {"get", ClientAction::Get},         {"getnext", ClientAction::GetNext},
        {"walk", ClientAction::Walk},       {"set", ClientAction::Set},
        {"bulkget", ClientAction::BulkGet}, {"bulkwalk", ClientAction::BulkWalk},
        {"logdump", ClientAction::LogDump}};
    const auto action = kActions.find(args[i]);
    if (action == kActions.end()) {
        error = "unknown command: " + args[i];
        return false;
    }
    command.action = action->second;
    if (command.version == SNMP_VERSION_3 && command.action != ClientAction::LogDump &&
        !CheckUsmUser(command.usm, error)) {
        return false;
    }
    const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                        args.end());
    if (command.action == ClientAction::LogDump) {
        if (rest.size() != 1) {
            error = "logdump needs one FILE";
            return false;
        }
        command.file = rest[0];
        return true;
    }
    if (rest.empty()) {
        error = "no AGENT given";
        return false;
    }
    command.agent = rest[0];
    SnmpAgentAddress address;
    if (!SplitAgentAddress(command.agent, address)) {
        error = "bad agent address: " + command.agent;
        return false;
    }
    const std::vector<std::string> operands(rest.begin() + 1, rest.end());
    switch (command.action) {
    case ClientAction::Set:
        return ParseSets(operands, command.sets, error);
    case ClientAction::Walk:
    case ClientAction::BulkWalk:
        if (operands.size() != 1) {
            error = args[i] + " needs one OID";
            return false;
        }
        break;
    default:
        if (operands.empty()) {
            error = "no OID given";
            return false;
        }
        break;
    }
    return ParseOids(operands, command.oids, error) && CheckBulkOptions(command, error);
}
