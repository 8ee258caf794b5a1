#include "module/app/DemoSession.h"

#include "module/identity/ModuleIdentity.h"
#include "snmp/UsmUserOptions.h"

SnmpSessionOptions DemoSessionOptions(int version) {
    SnmpSessionOptions options;
    options.version = version;
    if (version == SNMP_VERSION_3) {
        options.userName = kDemoUserName;
        options.level = UsmSecurityLevel::AuthPriv;
        options.auth = UsmAuthProtocol::SHA256;
        options.priv = UsmPrivProtocol::AES128;
    }
    return options;
}

SnmpSecrets DemoSecrets() {
    return {UsmSecret(kDemoAuthPassphrase), UsmSecret(kDemoPrivPassphrase)};
}

AgentProtocols DemoAgentProtocols(int version) {
    AgentProtocols protocols;
    protocols.v2c = version == SNMP_VERSION_2C;
    if (version == SNMP_VERSION_3) {
        const SnmpSessionOptions session = DemoSessionOptions(version);
        UsmUser user;
        user.userName = session.userName;
        user.level = session.level;
        user.auth = session.auth;
        user.priv = session.priv;
        const SnmpSecrets secrets = DemoSecrets();
        user.authPassword = secrets.auth;
        user.privPassword = secrets.priv;
        protocols.v3Users.push_back(std::move(user));
    }
    return protocols;
}

std::string DemoSessionLines(int version, const std::string& address) {
    const std::string at = "taurel: the demo switch at " + address;
    if (version == SNMP_VERSION_2C) {
        const ModuleIdentity defaults;
        return at + " answers SNMPv2c with the communities " + defaults.readCommunity + " and " +
               defaults.writeCommunity + "\n";
    }
    if (version != SNMP_VERSION_3)
        return {};
    const SnmpSessionOptions session = DemoSessionOptions(version);
    const std::string auth = UsmAuthProtocolName(session.auth);
    const std::string priv = UsmPrivProtocolName(session.priv);
    return at + " answers " + DescribeSnmpSession(session) + "; its passphrases are \"" +
           kDemoAuthPassphrase + "\" and \"" + kDemoPrivPassphrase + "\"\n" +
           "taurel: for example: snmpwalk -v3 -l authPriv -u " + session.userName + " -a " + auth +
           " -A " + kDemoAuthPassphrase + " -x " + priv + " -X " + kDemoPrivPassphrase + " " +
           address + " system\n";
}
