#include "tools/taurel-snmp/ClientArgs.h"

#include <cstdlib>
#include <map>

#include "snmp/SnmpAgentAddress.h"
#include "tools/taurel-snmp/ClientUsmArgs.h"

const char* const kClientUsage =
    "usage: taurel-snmp [-c COMMUNITY] [-t TIMEOUT_MS] [--log] get|getnext AGENT OID...\n"
    "       taurel-snmp [-c COMMUNITY] [-t TIMEOUT_MS] [--log] walk AGENT OID\n"
    "       taurel-snmp [-c COMMUNITY] [-t TIMEOUT_MS] [--log] set AGENT OID TYPE VALUE "
    "[OID TYPE VALUE...]\n"
    "       taurel-snmp logdump FILE\n"
    "AGENT is a dotted address or host name, optionally followed by :PORT (default 161).\n"
    "TYPE is one of: i integer, s string, x hex string, o object identifier, a IP address,\n"
    "                c counter, g gauge, t time ticks, m MAC address.\n"
    "Communities default to tessla for reading and marbelo for set; --log appends every\n"
    "packet to snmp.log in the current directory.\n"
    "-v 1 (default) or -v 3. SNMPv3 replaces -c with: -u USER\n"
    "  -l noAuthNoPriv|authNoPriv|authPriv -a MD5|SHA|SHA-224|SHA-256|SHA-384|SHA-512\n"
    "  -A PASSPHRASE -x AES -X PASSPHRASE [-e ENGINEID (hex)] [-n CONTEXT];\n"
    "  passphrases have at least 8 characters. DES is not offered (libcrypto keeps it in its\n"
    "  legacy provider).\n"
    "Exit status: 0 success, 1 error in packet or failure to send, 2 time-out, 64 usage.\n";

namespace {

bool ParsePositiveInt(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::atoi(text.c_str());
    return value > 0;
}

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

bool ParseClientArgs(const std::vector<std::string>& args, ClientCommand& command,
                     std::string& error) {
    std::size_t i = 0;
    for (; i < args.size() && args[i].size() > 1 && args[i][0] == '-'; ++i) {
        const std::string& option = args[i];
        if (option == "--log") {
            command.logPackets = true;
        } else if (option == "-v" && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (value != "1" && value != "3") {
                error = "bad version: " + value;
                return false;
            }
            command.v3 = value == "3";
        } else if (IsUsmOption(option) && i + 1 < args.size()) {
            if (!ParseUsmOption(option, args[i + 1], command.usm, error)) {
                return false;
            }
            ++i;
        } else if ((option == "-c" || option == "-t") && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (option == "-c") {
                command.community = value;
            } else if (!ParsePositiveInt(value, command.timeoutMs)) {
                error = "bad time-out: " + value;
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
        {"get", ClientAction::Get},
        {"getnext", ClientAction::GetNext},
        {"walk", ClientAction::Walk},
        {"set", ClientAction::Set},
        {"logdump", ClientAction::LogDump}};
    const auto action = kActions.find(args[i]);
    if (action == kActions.end()) {
        error = "unknown command: " + args[i];
        return false;
    }
    command.action = action->second;
    if (command.v3 && command.action != ClientAction::LogDump &&
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
        if (operands.size() != 1) {
            error = "walk needs one OID";
            return false;
        }
        return ParseOids(operands, command.oids, error);
    default:
        if (operands.empty()) {
            error = "no OID given";
            return false;
        }
        return ParseOids(operands, command.oids, error);
    }
}
