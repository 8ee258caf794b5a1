#pragma once
// One object type of the switch's MIB: a scalar or a table column, how to read it from the
// running switch and how a set changes the configuration.

#include <cstdint>
#include <functional>
#include <set>
#include <vector>

#include "agent/CSimSwitch.h"
#include "agent/MibTypes.h"

enum class MibAccess { ReadOnly, ReadWrite, WriteOnly };

// Which instances an object has: ".0" for scalars, else the rows of its table.
enum class MibTable { Scalar, Capability, IpInterface, TrapReceiver, ModuleTypes, Port };

// What a set request works on: a copy of the configuration that becomes the running one only
// when every binding of the request was accepted.
struct SetContext {
    SwitchConfig& config;
    const CSimSwitch& device;
    // Trap receivers that this request enables, so their community may be set in the same request.
    const std::set<std::uint32_t>& enabling;
    std::int32_t resetAction = 0; // value written to the save/reset object, 0 when none
};

struct MibObject {
    using Getter =
        std::function<MibValue(const CSimSwitch&, const Oid& instance, std::int64_t nowMs)>;
    using Setter =
        std::function<SnmpErrorStatus(SetContext&, const Oid& instance, const MibValue&)>;

    Oid oid;
    std::uint8_t type = 2;
    MibAccess access = MibAccess::ReadOnly;
    MibTable table = MibTable::Scalar;
    ValueRule rule;
    Getter get;
    Setter set;
    // Setting this column to Enable creates the row (the trap receiver status).
    bool createsRow = false;
};

// The key of the trap receiver that a four-number instance suffix (its address) names.
inline std::uint32_t TrapReceiverKey(const Oid& suffix) {
    return (suffix[0] << 24) | (suffix[1] << 16) | (suffix[2] << 8) | suffix[3];
}

// The enterprise prefix of the switch's private objects.
inline const Oid kEnterprise = {1, 3, 6, 1, 4, 1, 88888};

// sysObjectID: what the switch is, under the enterprise prefix; its traps' enterprise too.
Oid SwitchSysObjectId();

// Each adds one group of the switch's objects.
void AddSystemObjects(std::vector<MibObject>& objects);
void AddEnterpriseScalars(std::vector<MibObject>& objects);
void AddCapabilityTable(std::vector<MibObject>& objects);
void AddIpInterfaceTable(std::vector<MibObject>& objects);
void AddTrapReceiverTable(std::vector<MibObject>& objects);
void AddPortTables(std::vector<MibObject>& objects);
