#include "module/app/SnmpSessionStart.h"

#include "module/app/SecretsFile.h"
#include "snmp/SnmpTransport.h"
#include "snmp/UsmSession.h"
#include "snmp/UsmUserOptions.h"

#include <memory>

SessionSecrets ObtainSessionSecrets(const SnmpSessionOptions& options,
                                    const std::string& agentAddress, const PassphraseAsker& ask,
                                    std::optional<double> giveUpAfterSeconds, SnmpSecrets& secrets,
                                    std::string& error) {
    if (!NeedsAuthPassphrase(options))
        return SessionSecrets::Taken;
    const bool privacy = NeedsPrivPassphrase(options);
    if (!options.secretsFile.empty())
        return ReadSecretsFile(options.secretsFile, privacy, secrets.auth, secrets.priv, error)
                   ? SessionSecrets::Taken
                   : SessionSecrets::Refused;
    const PassphraseRequest request{options.userName, agentAddress, privacy, giveUpAfterSeconds};
    if (!ask || !ask(request, secrets.auth, secrets.priv)) {
        secrets.auth.Wipe();
        secrets.priv.Wipe();
        return SessionSecrets::Cancelled;
    }
    return SessionSecrets::Taken;
}

bool InstallSnmpSession(const SnmpSessionOptions& options, const std::string& agentAddress,
                        SnmpSecrets secrets, std::string& error) {
    if (options.version == SNMP_VERSION_1)
        return true;
    if (options.version == SNMP_VERSION_2C) {
        SetSnmpAgentVersion(agentAddress, SNMP_VERSION_2C);
        SetSnmpReceiveLimit(kSnmpMaxDatagram);
        return true;
    }
    UsmUser user;
    user.userName = options.userName;
    user.level = options.level;
    user.auth = options.auth;
    user.priv = options.priv;
    user.engineId = options.engineId;
    user.authPassword = secrets.auth;
    user.privPassword = secrets.priv;
    secrets.auth.Wipe();
    secrets.priv.Wipe();
    // The passphrases come from a file or the prompt: the error names no option.
    if (!CheckUsmUser(user, error, false))
        return false;
    // The session keeps the keys; the user record, and with it the passphrases, goes.
    SetSnmpAgentSecurity(agentAddress, std::make_shared<UsmSession>(std::move(user)));
    SetSnmpReceiveLimit(kSnmpMaxDatagram);
    return true;
}
