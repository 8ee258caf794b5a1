#include "module/tables/ConfigTables.h"

#include <iterator>

#include "module/tables/EnumTexts.h"

static_assert(kConfigGeneralFirstRow + kConfigGeneralRowCount == kConfigConsoleFirstRow &&
                  kConfigConsoleFirstRow + kConfigConsoleRowCount == kConfigAdvancedFirstRow &&
                  kConfigAdvancedFirstRow + kConfigAdvancedRowCount == kConfigTrapsFirstRow &&
                  kConfigTrapsFirstRow + kConfigTrapsRowCount == kConfigRowCount,
              "the pages' row runs must cover the table without gaps or overlaps");

const _NmOidTable g_ConfigTable[] = {
    {SNMP_TYPE_OCTETS, 2, "1.3.6.1.2.1.1.4", "System Contact", nullptr, 0},
    {SNMP_TYPE_OCTETS, 2, "1.3.6.1.2.1.1.5", "System Name", nullptr, 0},
    {SNMP_TYPE_OCTETS, 2, "1.3.6.1.2.1.1.6", "System Location", nullptr, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.1.2.5", "RS232 Port Used As", g_Rs232UseEnum, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.1.2.6", "Out-Of-Band Rate", g_OutOfBandRateEnum,
     0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.2.1.17.4.2", "MAC Address Entry Expires (seconds)", nullptr, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.1.2.1", "Learning State", g_DisableEnableEnum,
     0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.2.1.11.30", "Authentication Fail Trap", g_EnableDisableEnum, 0},
};

static_assert(std::size(g_ConfigTable) == kConfigRowCount);
