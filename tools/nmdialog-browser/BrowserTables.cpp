#include "tools/nmdialog-browser/BrowserTables.h"

#include "module/tables/DeviceTables.h"
#include "module/tables/PortTables.h"

#include <iterator>

namespace {

// The MIB-II system group (RFC 1213) without sysServices, which the simulated switch does
// not serve; read at instance .0.
const _NmOidTable kSystemGroup[] = {
    {SNMP_TYPE_OCTETS, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.1.1", "sysDescr", nullptr, 0},
    {SNMP_TYPE_OID, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.1.2", "sysObjectID", nullptr, 0},
    {SNMP_TYPE_TIMETICKS, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.1.3", "sysUpTime", nullptr, 0},
    {SNMP_TYPE_OCTETS, SNMP_ACCESS_READWRITE, "1.3.6.1.2.1.1.4", "sysContact", nullptr, 0},
    {SNMP_TYPE_OCTETS, SNMP_ACCESS_READWRITE, "1.3.6.1.2.1.1.5", "sysName", nullptr, 0},
    {SNMP_TYPE_OCTETS, SNMP_ACCESS_READWRITE, "1.3.6.1.2.1.1.6", "sysLocation", nullptr, 0},
};

// The interface types an agent is most likely to report (IANAifType).
const _NmEnumPair kIfTypes[] = {{1, "other"},    {6, "ethernet"}, {24, "loopback"}, {53, "virtual"},
                                {71, "wifi"},    {131, "tunnel"}, {135, "l2vlan"},  {161, "lag"},
                                {209, "bridge"}, {0, nullptr}};
const _NmEnumPair kAdminStatus[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};
const _NmEnumPair kOperStatus[] = {
    {1, "up"},      {2, "down"},       {3, "testing"},        {4, "unknown"},
    {5, "dormant"}, {6, "notPresent"}, {7, "lowerLayerDown"}, {0, nullptr}};

// The MIB-II interface table, walked row by row.
const _NmOidTable kInterfaceTable[] = {
    {SNMP_TYPE_INTEGER, SNMP_ACCESS_READONLY | SNMP_ACCESS_INDEX, "1.3.6.1.2.1.2.2.1.1", "ifIndex",
     nullptr, 0},
    {SNMP_TYPE_OCTETS, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.2.2.1.2", "ifDescr", nullptr, 0},
    {SNMP_TYPE_INTEGER, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.2.2.1.3", "ifType", kIfTypes, 0},
    {SNMP_TYPE_INTEGER, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.2.2.1.4", "ifMtu", nullptr, 0},
    {SNMP_TYPE_GAUGE, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.2.2.1.5", "ifSpeed", nullptr, 0},
    {SNMP_TYPE_MAC, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.2.2.1.6", "ifPhysAddress", nullptr, 0},
    {SNMP_TYPE_INTEGER, SNMP_ACCESS_READWRITE, "1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", kAdminStatus,
     0},
    {SNMP_TYPE_INTEGER, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.2.2.1.8", "ifOperStatus", kOperStatus,
     0},
};

// The port lock and link alarm columns close the port settings table.
constexpr int kPortLockFirstRow = kPortSettingsRowCount - 2;
// The packet counters of a port, without the two index columns.
constexpr int kPortCounterFirstRow = 2;

const BuiltinTable kTables[] = {
    {"system", kSystemGroup, int(std::size(kSystemGroup)), ".0"},
    {"interfaces", kInterfaceTable, int(std::size(kInterfaceTable)), ""},
    {"traps", g_TrapReceiverTable, kTrapReceiverRowCount, ""},
    {"portlock", g_PortSettingsTable + kPortLockFirstRow, 2, ".1"},
    {"portstats", g_PortPacketTable + kPortCounterFirstRow,
     kPortPacketRowCount - kPortCounterFirstRow, ".1.1"},
};

} // namespace

const BuiltinTable* FindBuiltinTable(const std::string& name) {
    for (const BuiltinTable& table : kTables)
        if (name == table.name)
            return &table;
    return nullptr;
}
