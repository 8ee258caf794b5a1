#include "agent/AgentProtocols.h"

#include <chrono>
#include <cstring>

#include "snmp/UsmEngineTime.h"
#include "snmp/UsmUserOptions.h"

namespace {

constexpr const char* kUserOption = "--v3-user";
// 2024-01-01T00:00:00Z.
constexpr std::int64_t kBootsEpoch = 1704067200;

// The fields of NAME:AUTH:PASS[:PRIV:PASS]. A passphrase may hold colons only as the last
// field: the privacy passphrase runs to the end.
std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < 4) {
        const std::size_t colon = text.find(':', start);
        if (colon == std::string::npos)
            break;
        fields.push_back(text.substr(start, colon - start));
        start = colon + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

} // namespace

void WipePassphrases(AgentProtocols& protocols) {
    for (UsmUser& user : protocols.v3Users) {
        user.authPassword.Wipe();
        user.privPassword.Wipe();
    }
}

bool ParseAgentUser(const std::string& text, UsmUser& user, std::string& error) {
    std::vector<std::string> fields = Fields(text);
    const auto wipeAll = [&fields] {
        for (std::string& field : fields)
            WipeText(field);
    };
    if (fields.size() != 3 && fields.size() != 5) {
        wipeAll();
        error = "--v3-user takes NAME:AUTH:PASS or NAME:AUTH:PASS:PRIV:PASS";
        return false;
    }
    user = UsmUser{};
    user.level = fields.size() == 5 ? UsmSecurityLevel::AuthPriv : UsmSecurityLevel::AuthNoPriv;
    bool ok = ParseUsmOption('u', fields[0], user, error) &&
              ParseUsmOption('a', fields[1], user, error) &&
              ParseUsmOption('A', fields[2], user, error) &&
              (fields.size() == 3 || (ParseUsmOption('x', fields[3], user, error) &&
                                      ParseUsmOption('X', fields[4], user, error)));
    ok = ok && CheckUsmUser(user, error, false);
    wipeAll();
    if (!ok) {
        user.authPassword.Wipe();
        user.privPassword.Wipe();
        error = "--v3-user: " + error;
    }
    return ok;
}

void WipeAgentUserArguments(std::vector<std::string>& args, int argc, char** argv) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == kUserOption) {
            WipeText(args[++i]);
        }
    }
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], kUserOption) != 0)
            continue;
        char* value = argv[++i];
        // Keep NAME:AUTH: so the process list still says who the user is.
        char* first = std::strchr(value, ':');
        char* second = first ? std::strchr(first + 1, ':') : nullptr;
        char* secret = second ? second + 1 : value;
        std::memset(secret, 0, std::strlen(secret));
    }
}

std::uint32_t EngineBootsFromClock() {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::seconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    const std::int64_t boots = now - kBootsEpoch;
    if (boots < 1)
        return 1;
    return boots >= UsmEngineTime::kMaxBoots ? UsmEngineTime::kMaxBoots - 1
                                             : static_cast<std::uint32_t>(boots);
}
