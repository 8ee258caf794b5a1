#include "snmp/UsmUserOptions.h"

#include <cctype>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

constexpr std::size_t kMinPassphrase = 8;

bool ParseHex(const std::string& text, std::vector<std::uint8_t>& bytes) {
    std::string digits =
        text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0 ? text.substr(2) : text;
    if (digits.empty() || digits.size() % 2 != 0 || digits.size() > 64 ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return false;
    }
    bytes.clear();
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    }
    return true;
}

} // namespace

bool IsUsmOptionLetter(char letter) {
    return std::string_view("ulaAxXen").find(letter) != std::string_view::npos;
}

namespace {

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// The value's entry among `names`, spelt in any case as net-snmp takes them; null for none.
template <typename T, std::size_t N>
const T* Lookup(const std::pair<const char*, T> (&names)[N], std::string_view value) {
    for (const auto& [name, item] : names) {
        if (SameWord(name, value)) {
            return &item;
        }
    }
    return nullptr;
}

// net-snmp's words and short forms for each level.
constexpr std::pair<const char*, UsmSecurityLevel> kLevels[] = {
    {"noAuthNoPriv", UsmSecurityLevel::NoAuthNoPriv},
    {"nanp", UsmSecurityLevel::NoAuthNoPriv},
    {"noauth", UsmSecurityLevel::NoAuthNoPriv},
    {"1", UsmSecurityLevel::NoAuthNoPriv},
    {"authNoPriv", UsmSecurityLevel::AuthNoPriv},
    {"anp", UsmSecurityLevel::AuthNoPriv},
    {"auth", UsmSecurityLevel::AuthNoPriv},
    {"2", UsmSecurityLevel::AuthNoPriv},
    {"authPriv", UsmSecurityLevel::AuthPriv},
    {"ap", UsmSecurityLevel::AuthPriv},
    {"priv", UsmSecurityLevel::AuthPriv},
    {"3", UsmSecurityLevel::AuthPriv}};
constexpr std::pair<const char*, UsmAuthProtocol> kAuth[] = {
    {"MD5", UsmAuthProtocol::MD5},        {"SHA", UsmAuthProtocol::SHA1},
    {"SHA1", UsmAuthProtocol::SHA1},      {"SHA-1", UsmAuthProtocol::SHA1},
    {"SHA-224", UsmAuthProtocol::SHA224}, {"SHA224", UsmAuthProtocol::SHA224},
    {"SHA-256", UsmAuthProtocol::SHA256}, {"SHA256", UsmAuthProtocol::SHA256},
    {"SHA-384", UsmAuthProtocol::SHA384}, {"SHA384", UsmAuthProtocol::SHA384},
    {"SHA-512", UsmAuthProtocol::SHA512}, {"SHA512", UsmAuthProtocol::SHA512}};
constexpr std::pair<const char*, UsmPrivProtocol> kPriv[] = {{"AES", UsmPrivProtocol::AES128},
                                                             {"AES128", UsmPrivProtocol::AES128},
                                                             {"AES-128", UsmPrivProtocol::AES128}};

// The first word of each level or protocol in the lists above is the one the tools print.
template <typename T, std::size_t N>
std::string WordOf(const std::pair<const char*, T> (&names)[N], T value) {
    for (const auto& [name, item] : names) {
        if (item == value) {
            return name;
        }
    }
    return {};
}

} // namespace

std::string UsmSecurityLevelName(UsmSecurityLevel level) {
    return WordOf(kLevels, level);
}

std::string UsmAuthProtocolName(UsmAuthProtocol protocol) {
    return WordOf(kAuth, protocol);
}

std::string UsmPrivProtocolName(UsmPrivProtocol protocol) {
    return WordOf(kPriv, protocol);
}

bool ParseUsmOption(char letter, const std::string& value, UsmUser& user, std::string& error) {
    switch (letter) {
    case 'u':
        if (value.size() > kUsmMaxUserName) {
            error = "user name longer than 32 characters";
            return false;
        }
        user.userName = value;
        return true;
    case 'l':
        if (const UsmSecurityLevel* level = Lookup(kLevels, value)) {
            user.level = *level;
            return true;
        }
        error = "bad security level: " + value;
        return false;
    case 'a':
        if (const UsmAuthProtocol* auth = Lookup(kAuth, value)) {
            user.auth = *auth;
            return true;
        }
        error = "bad authentication protocol: " + value;
        return false;
    case 'x':
        if (const UsmPrivProtocol* priv = Lookup(kPriv, value)) {
            user.priv = *priv;
            return true;
        }
        error = "bad privacy protocol: " + value + " (AES is offered)";
        return false;
    case 'A':
        user.authPassword = UsmSecret(value);
        return true;
    case 'X':
        user.privPassword = UsmSecret(value);
        return true;
    case 'e':
        if (!ParseHex(value, user.engineId)) {
            error = "bad engine ID (hex, up to 32 octets): " + value;
            return false;
        }
        return true;
    case 'n':
        user.contextName = value;
        return true;
    default:
        error = std::string("bad option: -") + letter;
        return false;
    }
}

bool CheckUsmUser(const UsmUser& user, std::string& error, bool nameOptions) {
    const auto option = [nameOptions](const char* letter) {
        return nameOptions ? std::string(" (") + letter + ")" : std::string();
    };
    if (user.userName.empty()) {
        error = "SNMPv3 needs a user name" + option("-u");
        return false;
    }
    if (user.level != UsmSecurityLevel::NoAuthNoPriv && user.authPassword.size() < kMinPassphrase) {
        error = "the authentication passphrase" + option("-A") + " needs at least 8 characters";
        return false;
    }
    if (user.level == UsmSecurityLevel::AuthPriv && user.privPassword.size() < kMinPassphrase) {
        error = "the privacy passphrase" + option("-X") + " needs at least 8 characters";
        return false;
    }
    return true;
}

void WipeUsmPassphrases(std::vector<std::string>& args, int argc, char* argv[]) {
    // args[i] is argv[i + 1].
    const auto wipe = [&](std::size_t i, std::size_t from) {
        WipeText(args[i]);
        if (static_cast<int>(i) + 1 < argc) {
            char* text = argv[i + 1] + from;
            std::memset(text, 0, std::strlen(text));
        }
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-A" || arg == "-X") {
            if (i + 1 < args.size()) {
                wipe(++i, 0);
            }
        } else if (arg.size() > 2 && (arg.rfind("-A", 0) == 0 || arg.rfind("-X", 0) == 0)) {
            wipe(i, 2);
        }
    }
}
