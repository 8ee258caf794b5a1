#include "tools/taurel-trapd/TrapdOutput.h"

#include <cstdio>

#include "snmp/SnmpNotificationText.h"
#include "snmp/SnmpTypes.h"

namespace {

const char* GenericTrapName(std::int32_t generic) {
    static const char* const kNames[] = {
        "Cold Start",        "Warm Start",         "Link Down", "Link Up", "Authentication Failure",
        "EGP Neighbor Loss", "Enterprise Specific"};
    return generic >= 0 && generic <= SNMP_TRAP_ENTERPRISE_SPECIFIC ? kNames[generic] : "Unknown";
}

std::string Transport(const SnmpNotification& n) {
    return "UDP: [" + n.sourceAddress + "]:" + std::to_string(n.sourcePort) + "->[" +
           n.localAddress + "]:" + std::to_string(n.localPort);
}

std::string Dotted(const std::array<std::uint8_t, 4>& a) {
    return std::to_string(a[0]) + "." + std::to_string(a[1]) + "." + std::to_string(a[2]) + "." +
           std::to_string(a[3]);
}

} // namespace

std::string SnmptrapdText(const SnmpNotification& n, const std::tm& received) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &received);
    std::string text = stamp;
    if (n.pduType == SNMP_PDU_TRAP) {
        const std::string agent = Dotted(n.agentAddress);
        text += " " + agent + " [" + agent + "] (via " + Transport(n) +
                ") TRAP, SNMP v1, community " + n.community + "\n\t" +
                NetSnmpOidText(n.enterprise) + " " + GenericTrapName(n.genericTrap) + " Trap (" +
                std::to_string(n.specificTrap) + ") Uptime: " + NetSnmpTimeticksText(n.uptime) +
                "\n";
        for (const SnmpNotificationBinding& b : n.bindings) {
            text += "\t" + NetSnmpBindingText(b);
        }
        return text + "\n";
    }
    const std::string transport = Transport(n);
    text += " " + transport + " [" + transport + "]:\n";
    for (std::size_t i = 0; i < n.bindings.size(); ++i) {
        text += (i ? "\t" : "") + NetSnmpBindingText(n.bindings[i]);
    }
    return text + "\n";
}

std::string SnmptrapdText(const SnmpNotification& n) {
    const std::time_t seconds = static_cast<std::time_t>(n.receivedMs / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return SnmptrapdText(n, local);
}
