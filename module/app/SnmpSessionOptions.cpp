#include "module/app/SnmpSessionOptions.h"

#include "snmp/UsmUserOptions.h"

#include <map>

namespace {

// The SNMPv3 options and the letter of the tools' option whose words they take.
const std::map<std::string, char> kV3Options = {{"--v3-user", 'u'},      {"--v3-level", 'l'},
                                                {"--v3-auth", 'a'},      {"--v3-priv", 'x'},
                                                {"--v3-engine-id", 'e'}, {"--v3-secrets", 0}};

} // namespace

bool IsSnmpSessionOption(const std::string& name) {
    return name == "--snmp-version" || kV3Options.count(name) != 0;
}

bool TakeSnmpSessionOption(const std::string& name, const std::string& value,
                           SnmpSessionOptions& options, std::string& error) {
    if (name == "--snmp-version") {
        if (value != "1" && value != "2c" && value != "3") {
            error = "--snmp-version takes 1, 2c or 3";
            return false;
        }
        options.version = value == "1"    ? SNMP_VERSION_1
                          : value == "2c" ? SNMP_VERSION_2C
                                          : SNMP_VERSION_3;
        return true;
    }
    const auto option = kV3Options.find(name);
    if (option == kV3Options.end()) {
        error = "unknown option " + name;
        return false;
    }
    if (options.firstV3Option.empty())
        options.firstV3Option = name;
    if (option->second == 0) {
        if (value.empty()) {
            error = "--v3-secrets needs a file name";
            return false;
        }
        options.secretsFile = value;
        return true;
    }
    // The tools' own reading of the words, so both spell levels and protocols alike.
    UsmUser user;
    user.level = options.level;
    user.auth = options.auth;
    user.priv = options.priv;
    if (!ParseUsmOption(option->second, value, user, error)) {
        if (option->second == 'a')
            error = "--v3-auth takes MD5, SHA, SHA-224, SHA-256, SHA-384 or SHA-512 (the "
                    "passphrases go in the --v3-secrets file)";
        else if (option->second == 'x')
            error = "--v3-priv takes AES (the passphrases go in the --v3-secrets file)";
        else
            error = name + ": " + error;
        return false;
    }
    switch (option->second) {
    case 'u':
        options.userName = user.userName;
        break;
    case 'l':
        options.level = user.level;
        break;
    case 'a':
        options.auth = user.auth;
        break;
    case 'x':
        options.priv = user.priv;
        break;
    case 'e':
        options.engineId = user.engineId;
        break;
    default:
        break;
    }
    return true;
}

bool CheckSnmpSessionOptions(const SnmpSessionOptions& options, bool demo, std::string& error) {
    if (options.version != SNMP_VERSION_3) {
        if (!options.firstV3Option.empty()) {
            error = options.firstV3Option + " needs --snmp-version 3";
            return false;
        }
        return true;
    }
    if (options.userName.empty() && !demo) {
        error = "--snmp-version 3 needs --v3-user NAME";
        return false;
    }
    return true;
}

bool NeedsAuthPassphrase(const SnmpSessionOptions& options) {
    return options.version == SNMP_VERSION_3 && options.level != UsmSecurityLevel::NoAuthNoPriv;
}

bool NeedsPrivPassphrase(const SnmpSessionOptions& options) {
    return options.version == SNMP_VERSION_3 && options.level == UsmSecurityLevel::AuthPriv;
}

std::vector<std::string> SnmpSessionArguments(const SnmpSessionOptions& options) {
    const std::string version = options.version == SNMP_VERSION_1    ? "1"
                                : options.version == SNMP_VERSION_2C ? "2c"
                                                                     : "3";
    std::vector<std::string> args = {"--snmp-version", version};
    if (options.version != SNMP_VERSION_3)
        return args;
    args.insert(args.end(),
                {"--v3-user", options.userName, "--v3-level", UsmSecurityLevelName(options.level)});
    // A protocol the level does not use is no part of the session.
    if (NeedsAuthPassphrase(options))
        args.insert(args.end(), {"--v3-auth", UsmAuthProtocolName(options.auth)});
    if (NeedsPrivPassphrase(options))
        args.insert(args.end(), {"--v3-priv", UsmPrivProtocolName(options.priv)});
    if (!options.engineId.empty()) {
        // Two hex digits an octet, as --v3-engine-id reads them.
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string hex;
        for (std::uint8_t octet : options.engineId) {
            hex += kDigits[octet >> 4];
            hex += kDigits[octet & 0x0F];
        }
        args.insert(args.end(), {"--v3-engine-id", hex});
    }
    return args;
}

std::string DescribeSnmpSession(const SnmpSessionOptions& options) {
    switch (options.version) {
    case SNMP_VERSION_1:
        return "SNMPv1";
    case SNMP_VERSION_2C:
        return "SNMPv2c";
    default:
        break;
    }
    std::string text =
        "SNMPv3 user \"" + options.userName + "\" at " + UsmSecurityLevelName(options.level);
    if (NeedsPrivPassphrase(options))
        text += " (" + UsmAuthProtocolName(options.auth) + ", " +
                UsmPrivProtocolName(options.priv) + ")";
    else if (NeedsAuthPassphrase(options))
        text += " (" + UsmAuthProtocolName(options.auth) + ")";
    return text;
}

std::string SnmpSessionUsage() {
    return "  --snmp-version V  1 (the default), 2c, or 3 for the SNMPv3 user below\n"
           "  --v3-user NAME    the SNMPv3 user\n"
           "  --v3-level L      noAuthNoPriv, authNoPriv or authPriv (default authPriv)\n"
           "  --v3-auth P       MD5, SHA, SHA-224, SHA-256 (default), SHA-384 or SHA-512\n"
           "  --v3-priv P       AES (AES-128, the default)\n"
           "  --v3-engine-id H  the agent's engine ID in hex (default: discovered)\n"
           "  --v3-secrets F    the passphrases: the authentication one on the first line of\n"
           "                    F, the privacy one on the second; F must be readable by its\n"
           "                    owner only. Without it they are asked for once at start.\n"
           "                    Passphrases are never taken from the command line\n";
}
