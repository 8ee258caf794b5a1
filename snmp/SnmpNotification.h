#pragma once
// One notification in one form, whichever way it came: an SNMPv1 Trap-PDU, an SNMPv2-Trap or
// an InformRequest, in SNMPv1, SNMPv2c or SNMPv3. The v1 fields and the v2 ones (uptime,
// snmpTrapOID) are both filled, one from the PDU and the other by RFC 3584's mapping, so a
// reader never needs to know which version the sender spoke. Values keep their exact content
// octets: what is stored or shown is what the sender sent.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "snmp/NmSnmpApi.h"

// OIDs of the notification objects (SNMPv2-MIB and SNMP-COMMUNITY-MIB), dotted.
inline constexpr const char* kSysUpTimeOid = "1.3.6.1.2.1.1.3.0";
inline constexpr const char* kSnmpTrapOid = "1.3.6.1.6.3.1.1.4.1.0";
inline constexpr const char* kSnmpTrapEnterpriseOid = "1.3.6.1.6.3.1.1.4.3.0";
inline constexpr const char* kSnmpTrapsOid = "1.3.6.1.6.3.1.1.5";
inline constexpr const char* kSnmpTrapAddressOid = "1.3.6.1.6.3.18.1.3.0";
inline constexpr const char* kSnmpTrapCommunityOid = "1.3.6.1.6.3.18.1.4.0";
// ifIndex, the column a linkDown or linkUp names its interface with.
inline constexpr const char* kIfIndexOid = "1.3.6.1.2.1.2.2.1.1";

// The generic-trap values of a v1 Trap-PDU (RFC 1157).
enum SnmpGenericTrap : std::int32_t {
    SNMP_TRAP_COLD_START = 0,
    SNMP_TRAP_WARM_START = 1,
    SNMP_TRAP_LINK_DOWN = 2,
    SNMP_TRAP_LINK_UP = 3,
    SNMP_TRAP_AUTHENTICATION_FAILURE = 4,
    SNMP_TRAP_EGP_NEIGHBOR_LOSS = 5,
    SNMP_TRAP_ENTERPRISE_SPECIFIC = 6,
};

struct NMSNMP_API SnmpNotificationBinding {
    std::string oid;                 // dotted
    std::uint8_t type = 5;           // the value's BER tag
    std::vector<std::uint8_t> value; // the content octets as they came

    static SnmpNotificationBinding Integer(std::string oid, std::int64_t number);
    // Counter32, Gauge32 or TimeTicks (`type`), or Counter64.
    static SnmpNotificationBinding Unsigned(std::string oid, std::uint8_t type,
                                            std::uint64_t number);
    static SnmpNotificationBinding Octets(std::string oid, const std::string& bytes,
                                          std::uint8_t type = 0x04);
    static SnmpNotificationBinding ObjectId(std::string oid, const std::string& dotted);

    // The value read as a signed (INTEGER) or unsigned (the other number types) number; 0 for
    // other types.
    std::int64_t Signed() const;
    std::uint64_t Unsigned() const;
    // An OBJECT IDENTIFIER value as dotted text; empty for other types.
    std::string ObjectIdText() const;

    bool operator==(const SnmpNotificationBinding&) const = default;
};

struct NMSNMP_API SnmpNotification {
    int version = 0;                    // SNMP_VERSION_1, SNMP_VERSION_2C or SNMP_VERSION_3
    std::uint8_t pduType = 0;           // SNMP_PDU_TRAP, SNMP_PDU_TRAP2 or SNMP_PDU_INFORM
    std::string community;              // v1 and v2c
    std::string userName;               // v3
    int securityLevel = 0;              // v3: 0 noAuthNoPriv, 1 authNoPriv, 2 authPriv
    std::vector<std::uint8_t> engineId; // v3: the authoritative engine of the message
    std::vector<std::uint8_t> contextEngineId;
    std::string contextName;
    std::int64_t msgId = 0; // v3

    std::int64_t requestId = 0; // SNMPv2-Trap and InformRequest
    // Every binding as it came. For an SNMPv2-Trap or an inform sysUpTime.0 and snmpTrapOID.0
    // lead; a v1 Trap-PDU's bindings follow its own fields.
    std::vector<SnmpNotificationBinding> bindings;

    // The SNMPv2 view: sysUpTime.0 and snmpTrapOID.0 (for a v1 trap, RFC 3584 section 3.1).
    std::uint32_t uptime = 0;
    std::string trapOid;
    // The SNMPv1 view (for a v2 notification, RFC 3584 section 3.2).
    std::string enterprise;
    std::array<std::uint8_t, 4> agentAddress{};
    std::int32_t genericTrap = 0;
    std::int32_t specificTrap = 0;

    // Where it came from and where it arrived, as the listener saw them.
    std::string sourceAddress;
    std::uint16_t sourcePort = 0;
    std::string localAddress;
    std::uint16_t localPort = 0;
    // When it arrived: UTC milliseconds since the epoch.
    std::int64_t receivedMs = 0;

    // An inform is answered once the receiver has it; a receiver that could not keep it clears
    // this, so the sender tries again.
    bool acknowledge = true;
};

// The bindings of an SNMPv2 notification for `n`: for a v2 notification its own; for a v1 trap
// sysUpTime.0, snmpTrapOID.0 and the trap's bindings, then snmpTrapAddress.0,
// snmpTrapCommunity.0 and snmpTrapEnterprise.0 unless already present (RFC 3584 section 3.1).
NMSNMP_API std::vector<SnmpNotificationBinding>
SnmpV2NotificationBindings(const SnmpNotification& n);
// Fills the SNMPv2 view of a v1 trap from its v1 fields.
NMSNMP_API void SnmpMapV1ToV2(SnmpNotification& n);
// Fills the SNMPv1 view of a v2 notification from its bindings.
NMSNMP_API void SnmpMapV2ToV1(SnmpNotification& n);
