#include "module/tables/DeviceTables.h"

#include <iterator>

#include "module/tables/EnumTexts.h"

const _NmOidTable g_DeviceInfoTable[] = {
    {SNMP_TYPE_OCTETS, 1, "1.3.6.1.2.1.1.1", "System Description", nullptr, 0},
    {SNMP_TYPE_OID, 1, "1.3.6.1.2.1.1.2", "System Object ID", nullptr, 0},
    {SNMP_TYPE_TIMETICKS, 5, "1.3.6.1.2.1.1.3", "System Uptime", nullptr, 0},
    {SNMP_TYPE_OCTETS, 2, "1.3.6.1.2.1.1.4", "System Contact", nullptr, 0},
    {SNMP_TYPE_OCTETS, 2, "1.3.6.1.2.1.1.5", "System Name", nullptr, 0},
    {SNMP_TYPE_OCTETS, 2, "1.3.6.1.2.1.1.6", "System Location", nullptr, 0},
    {SNMP_TYPE_OCTETS, 1, "1.3.6.1.4.1.88888.11.1.1.1", "Runtime Software Version", nullptr, 0},
    {SNMP_TYPE_OCTETS, 1, "1.3.6.1.4.1.88888.11.1.1.2", "PROM Firmware Version", nullptr, 0},
    {SNMP_TYPE_OCTETS, 1, "1.3.6.1.4.1.88888.11.1.1.3", "Hardware Version", nullptr, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.1.1.4", "Mangement Protocol Capability",
     g_ProtocolCapabilityEnum, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.9.1.1.1.1", "Number of Ports", nullptr, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.9.1.1.1.2", "Number of Ports in Use", nullptr, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.2.1.17.4.2", "MAC Address Entry Expires (seconds)", nullptr, 0},
};

const _NmOidTable g_MibCapabilityTable[] = {
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.1.1.5.1.1", "Index", nullptr, 0},
    {SNMP_TYPE_OCTETS, 2, "1.3.6.1.4.1.88888.11.1.1.5.1.2", "Description", nullptr, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.1.1.5.1.3", "Version", nullptr, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.1.1.5.1.4", "Type", g_CapabilityTypeEnum, 0},
};

const _NmOidTable g_IpInterfaceTable[] = {
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.1.3.2.1.1", "Index", nullptr, 0},
    {SNMP_TYPE_IPADDR, 2, "1.3.6.1.4.1.88888.11.1.3.2.1.2", "IP Address", nullptr, 0},
    {SNMP_TYPE_IPADDR, 2, "1.3.6.1.4.1.88888.11.1.3.2.1.3", "Net Mask", nullptr, 0},
    {SNMP_TYPE_IPADDR, 2, "1.3.6.1.4.1.88888.11.1.3.2.1.4", "Default Gateway IP", nullptr, 0},
    {SNMP_TYPE_MAC, 1, "1.3.6.1.4.1.88888.11.1.3.2.1.5", "Phys Address", nullptr, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.1.3.2.1.6", "IF Type", g_IfTypeEnum, 0},
};

const _NmOidTable g_IpInterfaceSettingsTable[] = {
    {SNMP_TYPE_INTEGER, 0x811, "1.3.6.1.4.1.88888.11.1.3.2.1.1", "Index", nullptr, 0},
    {SNMP_TYPE_IPADDR, 2, "1.3.6.1.4.1.88888.11.1.3.2.1.2", "IP Address", nullptr, 0},
    {SNMP_TYPE_IPADDR, 2, "1.3.6.1.4.1.88888.11.1.3.2.1.3", "Net Mask", nullptr, 0},
    {SNMP_TYPE_IPADDR, 2, "1.3.6.1.4.1.88888.11.1.3.2.1.4", "Default Gateway IP", nullptr, 0},
};

const _NmOidTable g_TrapReceiverTable[] = {
    {SNMP_TYPE_IPADDR, 0x11, "1.3.6.1.4.1.88888.11.1.3.10.1.1", "Manager IP Address", nullptr, 0},
    {SNMP_TYPE_OCTETS, 2, "1.3.6.1.4.1.88888.11.1.3.10.1.2", "Community String", nullptr, 0},
    {SNMP_TYPE_INTEGER, 0x22, "1.3.6.1.4.1.88888.11.1.3.10.1.3", "Entry Status",
     g_DisableEnableEnum, 0},
};

const _NmOidTable g_AuthTrapTable[] = {
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.2.1.11.30", "Authentication Fail Trap", g_EnableDisableEnum, 0},
};

const _NmOidTable g_SaveResetTable[] = {
    {SNMP_TYPE_INTEGER, 3, "1.3.6.1.4.1.88888.11.1.2.4", "Save Changes", g_SaveResetEnum, 0},
};

static_assert(std::size(g_DeviceInfoTable) == kDeviceInfoRowCount);
static_assert(std::size(g_MibCapabilityTable) == kMibCapabilityRowCount);
static_assert(std::size(g_IpInterfaceTable) == kIpInterfaceRowCount);
static_assert(std::size(g_IpInterfaceSettingsTable) == kIpInterfaceSettingsRowCount);
static_assert(std::size(g_TrapReceiverTable) == kTrapReceiverRowCount);
static_assert(std::size(g_AuthTrapTable) == kAuthTrapRowCount);
static_assert(std::size(g_SaveResetTable) == kSaveResetRowCount);
