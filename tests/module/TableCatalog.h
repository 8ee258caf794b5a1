#pragma once
// Every OID table of the module, with a name for messages and an instance at which the
// switch serves a row of it. Shared by the table checks and the end-to-end run.

#include <ostream>
#include <vector>

#include "module/tables/ConfigTables.h"
#include "module/tables/DeviceTables.h"
#include "module/tables/PanelTables.h"
#include "module/tables/PortTables.h"

struct CatalogTable {
    const char* name;
    const _NmOidTable* rows;
    int count;
    // Instance of a served row: ".0" for scalars, ".1.1" for group 1 port 1; null when the
    // switch decides which rows exist and the first one must be found with get-next.
    const char* instance;
};

// Test output names a table instead of dumping its bytes.
inline void PrintTo(const CatalogTable& table, std::ostream* os) {
    *os << table.name;
}

inline const std::vector<CatalogTable>& ModuleTables() {
    static const std::vector<CatalogTable> tables = {
        {"device information", g_DeviceInfoTable, kDeviceInfoRowCount, ".0"},
        {"MIB capability", g_MibCapabilityTable, kMibCapabilityRowCount, nullptr},
        {"IP interface", g_IpInterfaceTable, kIpInterfaceRowCount, ".1"},
        {"IP interface settings", g_IpInterfaceSettingsTable, kIpInterfaceSettingsRowCount, ".1"},
        {"trap receivers", g_TrapReceiverTable, kTrapReceiverRowCount, nullptr},
        {"authentication trap", g_AuthTrapTable, kAuthTrapRowCount, ".0"},
        {"save/reset", g_SaveResetTable, kSaveResetRowCount, ".0"},
        {"port information", g_PortInfoTable, kPortInfoRowCount, ".1.1"},
        {"port settings", g_PortSettingsTable, kPortSettingsRowCount, ".1.1"},
        {"port error counters", g_PortErrorTable, kPortErrorRowCount, ".1.1"},
        {"port packet counters", g_PortPacketTable, kPortPacketRowCount, ".1.1"},
        {"LED status", g_LedStatusTable, kLedStatusRowCount, ".0"},
        {"module types", g_ModuleTypesTable, kModuleTypesRowCount, ".1"},
        {"configuration", g_ConfigTable, kConfigRowCount, ".0"},
    };
    return tables;
}

inline bool IsIndexColumn(const _NmOidTable& row) {
    return (row.wAccess & SNMP_ACCESS_KIND_MASK) == SNMP_ACCESS_INDEX;
}

inline bool IsRowStatusColumn(const _NmOidTable& row) {
    return (row.wAccess & SNMP_ACCESS_KIND_MASK) == SNMP_ACCESS_ROWSTATUS;
}
