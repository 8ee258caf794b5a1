#include "module/events/EventKind.h"

#include "snmp/SnmpTypes.h"

#include <cstdlib>

namespace {

// The sender of an authentication failure, when the switch names it: its IpAddress binding.
std::string OffendingAddress(const std::vector<SnmpNotificationBinding>& bindings) {
    for (const SnmpNotificationBinding& b : bindings)
        if (b.type == SNMP_TYPE_IPADDR && b.value.size() == 4)
            return std::to_string(b.value[0]) + "." + std::to_string(b.value[1]) + "." +
                   std::to_string(b.value[2]) + "." + std::to_string(b.value[3]);
    return {};
}

std::string LinkText(const char* word, const std::vector<SnmpNotificationBinding>& bindings) {
    const std::int64_t port = EventInterface(bindings);
    return port > 0 ? std::string(word) + " port " + std::to_string(port) : std::string(word);
}

} // namespace

bool IsColumnInstance(const std::string& oid, const std::string& column) {
    return oid.size() > column.size() + 1 && oid.compare(0, column.size(), column) == 0 &&
           oid[column.size()] == '.';
}

std::int64_t EventInterface(const std::vector<SnmpNotificationBinding>& bindings) {
    for (const SnmpNotificationBinding& b : bindings) {
        if (!IsColumnInstance(b.oid, kIfIndexOid))
            continue;
        if (b.type == SNMP_TYPE_INTEGER && !b.value.empty())
            return b.Signed();
        return std::strtoll(b.oid.c_str() + std::string(kIfIndexOid).size() + 1, nullptr, 10);
    }
    return 0;
}

std::string EventKindText(std::int32_t genericTrap, std::int32_t specificTrap,
                          const std::string& enterprise,
                          const std::vector<SnmpNotificationBinding>& bindings) {
    switch (genericTrap) {
    case SNMP_TRAP_COLD_START:
        return "coldStart";
    case SNMP_TRAP_WARM_START:
        return "warmStart";
    case SNMP_TRAP_LINK_DOWN:
        return LinkText("linkDown", bindings);
    case SNMP_TRAP_LINK_UP:
        return LinkText("linkUp", bindings);
    case SNMP_TRAP_AUTHENTICATION_FAILURE: {
        const std::string from = OffendingAddress(bindings);
        return from.empty() ? "authenticationFailure" : "authenticationFailure from " + from;
    }
    case SNMP_TRAP_EGP_NEIGHBOR_LOSS:
        return "egpNeighborLoss";
    case SNMP_TRAP_ENTERPRISE_SPECIFIC:
        return "enterprise-specific " + enterprise + "/" + std::to_string(specificTrap);
    default:
        return "generic-trap " + std::to_string(genericTrap);
    }
}

bool EventChangesPanel(std::int32_t genericTrap) {
    return genericTrap == SNMP_TRAP_COLD_START || genericTrap == SNMP_TRAP_LINK_DOWN ||
           genericTrap == SNMP_TRAP_LINK_UP;
}
