#include "agent/SwitchTraps.h"

#include "agent/MibObject.h"
#include "agent/OidText.h"
#include "snmp/SnmpNotificationCodec.h"
#include "snmp/SnmpTypes.h"

std::int32_t GenericTrapOf(SwitchEvent::Kind kind) {
    switch (kind) {
    case SwitchEvent::Kind::ColdStart:
        return SNMP_TRAP_COLD_START;
    case SwitchEvent::Kind::WarmStart:
        return SNMP_TRAP_WARM_START;
    case SwitchEvent::Kind::LinkDown:
        return SNMP_TRAP_LINK_DOWN;
    case SwitchEvent::Kind::LinkUp:
        return SNMP_TRAP_LINK_UP;
    case SwitchEvent::Kind::AuthenticationFailure:
        break;
    }
    return SNMP_TRAP_AUTHENTICATION_FAILURE;
}

std::vector<TrapDatagram> BuildSwitchTraps(const SwitchEvent& event, const CSimSwitch& device,
                                           const std::array<std::uint8_t, 4>& agentAddress) {
    SnmpNotification trap;
    trap.pduType = SNMP_PDU_TRAP;
    trap.enterprise = FormatOid(SwitchSysObjectId());
    trap.agentAddress = agentAddress;
    trap.genericTrap = GenericTrapOf(event.kind);
    trap.uptime = event.uptime;
    if (event.kind == SwitchEvent::Kind::LinkDown || event.kind == SwitchEvent::Kind::LinkUp) {
        // The port's ifIndex is its number, as the switch numbers its interfaces.
        const auto ifIndex = static_cast<std::int64_t>(event.port + 1);
        trap.bindings.push_back(SnmpNotificationBinding::Integer(
            std::string(kIfIndexOid) + "." + std::to_string(ifIndex), ifIndex));
    }
    const std::vector<std::uint8_t> pdu = SnmpEncodeNotificationPdu(trap);
    std::vector<TrapDatagram> datagrams;
    for (const auto& [key, community] : device.Config().trapReceivers) {
        const IpBytes ip = IpFromKey(key);
        datagrams.push_back({std::to_string(ip[0]) + "." + std::to_string(ip[1]) + "." +
                                 std::to_string(ip[2]) + "." + std::to_string(ip[3]),
                             SnmpEncodeCommunityMessage(SNMP_VERSION_1, community, pdu)});
    }
    return datagrams;
}
