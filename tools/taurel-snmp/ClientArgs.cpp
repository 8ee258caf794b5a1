#include "tools/taurel-snmp/ClientArgs.h"

#include <cstdlib>
#include <map>

#include "snmp/SnmpAgentAddress.h"
#include "snmp/SnmpValueType.h"
#include "snmp/UsmUserOptions.h"

const char* const kClientUsage =
    "Usage: taurel-snmp [OPTIONS] get|getnext AGENT [OPTIONS] OID...\n"
    "  or:  taurel-snmp [OPTIONS] walk AGENT [OPTIONS] OID\n"
    "  or:  taurel-snmp [OPTIONS] set AGENT [OPTIONS] OID TYPE VALUE [OID TYPE VALUE...]\n"
    "  or:  taurel-snmp -v 2c|3 [OPTIONS] bulkget AGENT [OPTIONS] OID...\n"
    "  or:  taurel-snmp -v 2c|3 [OPTIONS] bulkwalk AGENT [OPTIONS] OID\n"
    "  or:  taurel-snmp logdump FILE\n"
    "  or:  taurel-snmp --help | --version\n"
    "A command-line SNMP client for SNMPv1, SNMPv2c and SNMPv3 agents whose lines, messages\n"
    "and exit statuses are those of net-snmp's snmpget, snmpgetnext, snmpwalk, snmpset,\n"
    "snmpbulkget and snmpbulkwalk run with -On.\n"
    "\n"
    "Options:\n"
    "  -v 1|2c|3     SNMP version (default 1)\n"
    "  -c COMMUNITY  community (default tessla for reading, marbelo for set)\n"
    "  -t SECONDS    time-out per attempt, fractions allowed (default 1); a whole number of\n"
    "                100 or more is taken as milliseconds, as in earlier versions\n"
    "  -r RETRIES    times a request is sent again after a time-out (default 5)\n"
    "  -O LETTERS    output: q quick (NAME VALUE), Q quick with '=', v values only,\n"
    "                t time ticks as numbers, x octets in hex, a octets as text,\n"
    "                T hex with text; n s S f u b e E X U 0 are taken and change nothing\n"
    "                (names are always numeric, as with -On)\n"
    "  -Cn NUM       bulkget: non-repeaters (default 0)\n"
    "  -Cr NUM       bulkget: max-repetitions (default 10); bulkwalk, walk -Cb: names\n"
    "                per step, fixed (default: 10 at first, then adapted to the agent)\n"
    "  -Cb           walk: step with GetBulk instead of get-next (needs -v 2c or 3)\n"
    "  -Cc           walk, bulkwalk: do not check that the names increase\n"
    "  -Cf           get, getnext: do not ask again without the names the agent refused\n"
    "  -u USER       SNMPv3 user name (replaces -c)\n"
    "  -l LEVEL      noAuthNoPriv (nanp, 1), authNoPriv (anp, 2) or authPriv (ap, 3)\n"
    "  -a PROTOCOL   authentication: MD5, SHA (SHA-1), SHA-224, SHA-256, SHA-384 or SHA-512\n"
    "  -A PASS       authentication passphrase (8 characters or more)\n"
    "  -x AES        privacy protocol (AES, AES-128; DES is not offered: libcrypto keeps it\n"
    "                in its legacy provider)\n"
    "  -X PASS       privacy passphrase (8 characters or more)\n"
    "  -e ENGINEID   the agent's engine ID in hex (default: discovered)\n"
    "  -n CONTEXT    context name (default empty)\n"
    "  --log         append every packet to snmp.log in the current directory\n"
    "  --help        print this text\n"
    "  --version     print the version\n"
    "Options are also accepted joined to their value, as in -v2c, -Cr25 or -Oqv.\n"
    "AGENT is [udp:]ADDRESS[:PORT]: a dotted address or host name (port 161 by default).\n"
    "TYPE is one of: i INTEGER, u unsigned (Gauge32), t TimeTicks, a IpAddress, o OID,\n"
    "s string, x hex string, d decimal octets (1.2.3), b bits (0,3,7), n NULL,\n"
    "c Counter32, g Gauge32, m MAC address (sent as octets).\n"
    "Replies of up to 65507 bytes are accepted.\n"
    "Exit status: 0 success, 1 time-out or another failure (a bad command line too),\n"
    "2 the agent answered with an error.\n";

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
        item.typed = rest[i];
        if (!NormalizeOid(rest[i], item.oid)) {
            error = "bad object identifier: " + rest[i];
            return false;
        }
        const std::string& type = rest[i + 1];
        if (type.size() != 1 || !SnmpValueTypeOfLetter(type[0])) {
            error = rest[i] + ": Bad object type: " + type;
            return false;
        }
        item.type = type[0];
        item.value = rest[i + 2];
        sets.push_back(item);
    }
    return true;
}

bool ParseCount(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::atoi(text.c_str());
    return true;
}

// The arcs of dotted text, or false when a part is not a number of at most 32 bits.
bool SplitArcs(const std::string& body, std::vector<unsigned long long>& arcs) {
    std::size_t start = 0;
    while (start <= body.size()) {
        const std::size_t dot = body.find('.', start);
        const std::string part =
            body.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (part.empty() || part.size() > 10 ||
            part.find_first_not_of("0123456789") != std::string::npos) {
            return false;
        }
        const unsigned long long arc = std::strtoull(part.c_str(), nullptr, 10);
        if (arc > 4294967295ull) {
            return false;
        }
        arcs.push_back(arc);
        if (dot == std::string::npos) {
            break;
        }
        start = dot + 1;
    }
    return true;
}

bool ApplyCOption(const std::string& value, ClientCommand& command, std::string& error) {
    if (value == "b") {
        command.walkWithBulk = true;
        return true;
    }
    if (value == "c") {
        command.checkIncreasing = false;
        return true;
    }
    if (value == "f") {
        command.fixPdus = false;
        return true;
    }
    if (value.size() > 1 && (value[0] == 'n' || value[0] == 'r') &&
        ParseCount(value.substr(1),
                   value[0] == 'n' ? command.nonRepeaters : command.maxRepetitions)) {
        command.maxRepetitionsGiven = command.maxRepetitionsGiven || value[0] == 'r';
        return true;
    }
    error = "bad -C option: " + value;
    return false;
}

// One option with its value (joined, as in -v2c, or the next argument); false with `error` set.
bool ApplyValueOption(char letter, const std::string& value, ClientCommand& command,
                      std::string& error) {
    char bad = 0;
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
    case 'O':
        if (!ParseNetSnmpOutputLetters(value, command.output, bad)) {
            error = std::string("Unknown output option passed to -O: ") + bad + ".";
            return false;
        }
        return true;
    case 'C':
        return ApplyCOption(value, command, error);
    default:
        return ParseUsmOption(letter, value, command.usm, error);
    }
}

bool IsOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

// Takes the option at args[i] (and its value), moving i past what it used. False with `error`
// set for a bad option; `done` set for --help and --version.
bool TakeOption(const std::vector<std::string>& args, std::size_t& i, ClientCommand& command,
                std::string& error, bool& done) {
    const std::string& option = args[i];
    if (option == "--log") {
        command.logPackets = true;
        return true;
    }
    if (option == "--help" || option == "--version") {
        command.action = option == "--help" ? ClientAction::Help : ClientAction::Version;
        done = true;
        return true;
    }
    if (std::string("ctrvCO").find(option[1]) == std::string::npos &&
        !IsUsmOptionLetter(option[1])) {
        error = "bad option: " + option;
        return false;
    }
    if (option.size() == 2 && i + 1 == args.size()) {
        error = "option " + option + " needs a value";
        return false;
    }
    std::string value = option.size() > 2 ? option.substr(2) : args[++i];
    const bool applied = ApplyValueOption(option[1], value, command, error);
    if (option[1] == 'A' || option[1] == 'X') {
        WipeText(value); // the passphrase lives on only as a wiped-on-exit secret
    }
    return applied;
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

// net-snmp's transport prefix: "udp:HOST[:PORT]" is HOST[:PORT].
std::string WithoutTransport(const std::string& agent) {
    return agent.rfind("udp:", 0) == 0 ? agent.substr(4) : agent;
}

} // namespace

bool NormalizeOid(const std::string& text, std::string& oid) {
    const std::string body = !text.empty() && text[0] == '.' ? text.substr(1) : text;
    std::vector<unsigned long long> arcs;
    if (body.empty() || !SplitArcs(body, arcs) || arcs[0] > 2 ||
        (arcs.size() > 1 && arcs[0] < 2 && arcs[1] >= 40)) {
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
    static const std::map<std::string, ClientAction> kActions = {
        {"get", ClientAction::Get},         {"getnext", ClientAction::GetNext},
        {"walk", ClientAction::Walk},       {"set", ClientAction::Set},
        {"bulkget", ClientAction::BulkGet}, {"bulkwalk", ClientAction::BulkWalk},
        {"logdump", ClientAction::LogDump}};
    // The words that are not options: the command, then its operands. Options stop at the
    // first operand after the agent of a set, whose values may look like options ("i -5").
    std::vector<std::string> words;
    bool done = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool optionsEnded = words.size() > 2 && words[0] == "set";
        if (!optionsEnded && IsOption(args[i]) && (words.empty() || words[0] != "logdump")) {
            if (!TakeOption(args, i, command, error, done)) {
                return false;
            }
            if (done) {
                return true;
            }
        } else {
            words.push_back(args[i]);
        }
    }
    if (words.empty()) {
        error = "no command given";
        return false;
    }
    const auto action = kActions.find(words[0]);
    if (action == kActions.end()) {
        error = "unknown command: " + words[0];
        return false;
    }
    command.action = action->second;
    if (command.version == SNMP_VERSION_3 && command.action != ClientAction::LogDump &&
        !CheckUsmUser(command.usm, error)) {
        return false;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
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
    command.agentAddress = WithoutTransport(rest[0]);
    SnmpAgentAddress address;
    if (!SplitAgentAddress(command.agentAddress, address)) {
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
            error = words[0] + " needs one OID";
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
