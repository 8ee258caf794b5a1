#include "module/app/ConnectFields.h"

#include "module/app/CommandLine.h"
#include "module/app/PassphrasePrompt.h"
#include "snmp/SnmpAgentAddress.h"

#include <cstdlib>

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ExplicitSession(const ProgramOptions& started) {
    return started.snmp.version != SNMP_VERSION_1 || !started.snmp.firstV3Option.empty() ||
           started.timeoutMs.has_value();
}

// Four numbers from 0 to 255 with dots between.
bool IsDottedQuad(const std::string& host) {
    int parts = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = host.find('.', start);
        const std::string part = host.substr(start, dot == std::string::npos ? dot : dot - start);
        if (part.empty() || part.size() > 3 || std::atoi(part.c_str()) > 255)
            return false;
        ++parts;
        if (dot == std::string::npos)
            return parts == 4;
        start = dot + 1;
    }
}

std::optional<ConnectRefusal> AddressRefusal(const std::string& text,
                                             const HostResolver& resolves) {
    const auto refuse = [](const std::string& why) {
        return ConnectRefusal{ConnectField::Address, why};
    };
    if (text.empty())
        return refuse("Type the switch's agent address: ADDRESS or ADDRESS:PORT");
    SnmpAgentAddress address;
    if (!SplitAgentAddress(text, address))
        return refuse("The port after the address is a number from 1 to 65535");
    // Written in digits and dots, it is an address and no name to look up.
    if (address.host.find_first_not_of("0123456789.") == std::string::npos) {
        if (IsDottedQuad(address.host))
            return std::nullopt;
        return refuse(address.host +
                      " is no IPv4 address: four numbers from 0 to 255 with dots between");
    }
    if (address.host.find_first_of(" /") != std::string::npos || !resolves ||
        !resolves(address.host))
        return refuse("No IPv4 address is known for the host " + address.host);
    return std::nullopt;
}

// A value the command line reads back unchanged: no space ends it early and no option
// inside it is read as another.
std::optional<ConnectRefusal> WordRefusal(ConnectField field, const char* what,
                                          const std::string& value) {
    if (value.find(' ') == std::string::npos && !NamesSwitch(value))
        return std::nullopt;
    return ConnectRefusal{field, std::string(what) + " cannot hold a space or /N, /I, /R or /W"};
}

// The session the fields describe; the refusal of a user name or engine ID it cannot take.
std::optional<ConnectRefusal> SessionOfFields(const ConnectFields& fields,
                                              SnmpSessionOptions& session) {
    session = {};
    session.version = fields.version;
    if (fields.version != SNMP_VERSION_3)
        return std::nullopt;
    std::string error;
    if (fields.userName.empty())
        return ConnectRefusal{ConnectField::UserName, "SNMPv3 needs a user name"};
    if (!TakeSnmpSessionOption("--v3-user", fields.userName, session, error))
        return ConnectRefusal{ConnectField::UserName, "A user name has at most 32 characters"};
    session.level = fields.level;
    session.auth = fields.auth;
    session.priv = fields.priv;
    const std::string engineId = Trimmed(fields.engineId);
    if (!engineId.empty() && !TakeSnmpSessionOption("--v3-engine-id", engineId, session, error))
        return ConnectRefusal{ConnectField::EngineId,
                              "The engine ID is an even number of hex digits, at most 64 (or "
                              "nothing: it is then discovered)"};
    session.firstV3Option.clear();
    return std::nullopt;
}

std::optional<ConnectRefusal> PassphraseRefusal(const ConnectFields& fields,
                                                const SnmpSessionOptions& session) {
    if (!NeedsAuthPassphrase(session))
        return std::nullopt;
    const bool privacy = NeedsPrivPassphrase(session);
    const UsmSecret& auth = fields.passphrases.auth;
    const UsmSecret& priv = fields.passphrases.priv;
    if (auth.empty() && (!privacy || priv.empty()))
        return std::nullopt; // asked for when connecting
    const std::string least =
        " passphrase has at least " + std::to_string(kMinPassphraseLength) + " characters";
    if (auth.size() < kMinPassphraseLength)
        return ConnectRefusal{ConnectField::AuthPassphrase, "The authentication" + least};
    if (privacy && priv.size() < kMinPassphraseLength)
        return ConnectRefusal{ConnectField::PrivPassphrase, "The privacy" + least};
    return std::nullopt;
}

std::optional<int> TimeoutOf(const std::string& text) {
    return ParseTimeoutMs(Trimmed(text));
}

void AddCarriedOptions(std::vector<std::string>& args, const ProgramOptions& started) {
    if (started.packetLog)
        args.push_back("--packet-log");
    for (int slot : started.openSlots)
        args.insert(args.end(), {"--open", std::to_string(slot)});
}

} // namespace

ConnectFields FieldsOfRecentSwitch(const RecentSwitch& entry) {
    ConnectFields fields;
    const ModuleIdentity defaults;
    fields.name = entry.name;
    fields.address = entry.address;
    fields.readCommunity = entry.remember ? entry.readCommunity : defaults.readCommunity;
    fields.writeCommunity = entry.remember ? entry.writeCommunity : defaults.writeCommunity;
    fields.version = entry.session.version;
    fields.userName = entry.session.userName;
    fields.level = entry.session.level;
    fields.auth = entry.session.auth;
    fields.priv = entry.session.priv;
    const std::vector<std::string> words = SnmpSessionArguments(entry.session);
    for (std::size_t i = 0; i + 1 < words.size(); i += 2)
        if (words[i] == "--v3-engine-id")
            fields.engineId = words[i + 1];
    if (entry.timeoutMs)
        fields.timeoutMs = std::to_string(*entry.timeoutMs);
    if (entry.remember)
        fields.passphrases = entry.passphrases;
    fields.remember = entry.remember;
    return fields;
}

int InitialRecentRow(const ProgramOptions& started, const std::vector<RecentSwitch>& recent) {
    return !ExplicitSession(started) && !recent.empty() ? 0 : -1;
}

ConnectFields InitialConnectFields(const ProgramOptions& started,
                                   const std::vector<RecentSwitch>& recent) {
    if (InitialRecentRow(started, recent) == 0)
        return FieldsOfRecentSwitch(recent.front());
    RecentSwitch entry;
    const ModuleIdentity defaults;
    entry.name = defaults.deviceName;
    entry.address = defaults.agentAddress;
    entry.session = started.snmp;
    entry.timeoutMs = started.timeoutMs;
    return FieldsOfRecentSwitch(entry);
}

std::optional<ConnectRefusal> CheckConnectFields(const ConnectFields& fields,
                                                 const HostResolver& resolves) {
    if (auto refused = WordRefusal(ConnectField::Name, "The name", fields.name))
        return refused;
    if (auto refused = AddressRefusal(Trimmed(fields.address), resolves))
        return refused;
    if (auto refused =
            WordRefusal(ConnectField::ReadCommunity, "The read community", fields.readCommunity))
        return refused;
    if (auto refused =
            WordRefusal(ConnectField::WriteCommunity, "The write community", fields.writeCommunity))
        return refused;
    if (!Trimmed(fields.timeoutMs).empty() && !TimeoutOf(fields.timeoutMs))
        return ConnectRefusal{ConnectField::Timeout,
                              "The time-out is a number of milliseconds from 1 to " +
                                  std::to_string(kMaxTimeoutMs)};
    SnmpSessionOptions session;
    if (auto refused = SessionOfFields(fields, session))
        return refused;
    return PassphraseRefusal(fields, session);
}

std::vector<std::string> ConnectArguments(const ConnectFields& fields,
                                          const ProgramOptions& started) {
    std::vector<std::string> args = {
        std::string(kSwitchOptions[0]) + fields.name,
        std::string(kSwitchOptions[1]) + Trimmed(fields.address),
        std::string(kSwitchOptions[2]) + fields.readCommunity,
        std::string(kSwitchOptions[3]) + fields.writeCommunity,
    };
    SnmpSessionOptions session;
    SessionOfFields(fields, session);
    const std::vector<std::string> words = SnmpSessionArguments(session);
    args.insert(args.end(), words.begin(), words.end());
    if (std::optional<int> ms = TimeoutOf(fields.timeoutMs))
        args.insert(args.end(), {"--timeout", std::to_string(*ms)});
    // A secrets file the command line named gives the passphrases the fields leave empty.
    if (NeedsAuthPassphrase(session) && fields.passphrases.auth.empty() &&
        !started.snmp.secretsFile.empty())
        args.insert(args.end(), {"--v3-secrets", started.snmp.secretsFile});
    AddCarriedOptions(args, started);
    return args;
}

std::vector<std::string> DemoArguments(int version, const ProgramOptions& started) {
    SnmpSessionOptions session;
    session.version = version;
    std::vector<std::string> args = SnmpSessionArguments(session);
    args.resize(2); // the demo switch has its own SNMPv3 user
    args.insert(args.begin(), "--demo");
    AddCarriedOptions(args, started);
    return args;
}

RecentSwitch RecentSwitchOf(const ProgramOptions& options, bool remember,
                            const SnmpSecrets& passphrases) {
    ModuleIdentity identity;
    ParseCommandLine(options.commandLine, identity);
    RecentSwitch entry;
    entry.name = identity.deviceName;
    entry.address = identity.agentAddress;
    entry.session = options.snmp;
    entry.timeoutMs = options.timeoutMs;
    entry.remember = remember;
    if (remember) {
        entry.readCommunity = identity.readCommunity;
        entry.writeCommunity = identity.writeCommunity;
        entry.passphrases = passphrases;
    }
    return entry;
}
