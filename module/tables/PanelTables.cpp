#include "module/tables/PanelTables.h"

#include <iterator>

const _NmOidTable g_LedStatusTable[] = {
    {SNMP_TYPE_OCTETS, 13, "1.3.6.1.4.1.88888.11.9.1.1.1.7", "LED Status", nullptr, 0},
};

const _NmOidTable g_ModuleTypesTable[] = {
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.9.1.1.1.9.1.2", "Module Types", nullptr, 0},
};

static_assert(std::size(g_LedStatusTable) == kLedStatusRowCount);
static_assert(std::size(g_ModuleTypesTable) == kModuleTypesRowCount);
