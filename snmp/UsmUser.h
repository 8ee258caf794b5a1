#pragma once
// Who a v3 session speaks as: the user name, security level, protocols and passwords an operator
// gives (net-snmp's -u -l -a -A -x -X -e -n).

#include <cstdint>
#include <string>
#include <vector>

#include "snmp/UsmCrypto.h"
#include "snmp/UsmSecret.h"

enum class UsmSecurityLevel { NoAuthNoPriv, AuthNoPriv, AuthPriv };

struct UsmUser {
    std::string userName;
    UsmSecurityLevel level = UsmSecurityLevel::NoAuthNoPriv;
    UsmAuthProtocol auth = UsmAuthProtocol::MD5;
    UsmPrivProtocol priv = UsmPrivProtocol::AES128;
    UsmSecret authPassword;
    UsmSecret privPassword;
    // The agent's engine ID when the operator knows it; empty: discover it.
    std::vector<std::uint8_t> engineId;
    std::string contextName;
};
