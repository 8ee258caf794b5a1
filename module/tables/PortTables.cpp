#include "module/tables/PortTables.h"

#include <iterator>

#include "module/tables/EnumTexts.h"

const _NmOidTable g_PortInfoTable[] = {
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.9.1.2.1.1.1", "Group Index", nullptr, 0},
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.9.1.2.1.1.2", "Port Index", nullptr, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.9.1.2.1.1.3", "Port Type", g_PortTypeEnum, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.9.1.2.1.1.5", "Link Status", g_LinkStatusEnum, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.9.1.2.1.1.6", "Duplex", g_DuplexEnum, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.9.1.2.1.1.8", "Speed", g_SpeedEnum, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.9.1.2.1.1.7", "Auto-Negotiation Status",
     g_DisableEnableEnum, 0},
    {SNMP_TYPE_INTEGER, 1, "1.3.6.1.4.1.88888.11.9.1.2.1.1.4", "Broadcast Storm Status",
     g_BroadcastStormEnum, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.3", "Port Lock Status",
     g_DisableEnableEnum, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.5", "Link-Status-Alarm State",
     g_DisableEnableEnum, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.4", "Duplex State", g_DuplexEnum, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.10", "Speed Status Control", g_SpeedEnum,
     0},
};

const _NmOidTable g_PortSettingsTable[] = {
    {SNMP_TYPE_INTEGER, 0x811, "1.3.6.1.4.1.88888.11.9.1.2.2.1.1", "Group Index", nullptr, 0},
    {SNMP_TYPE_INTEGER, 0x811, "1.3.6.1.4.1.88888.11.9.1.2.2.1.2", "Port Index", nullptr, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.10", "Speed Status Control", g_SpeedEnum,
     0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.9", "Auto-Negotiation State",
     g_DisableEnableEnum, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.4", "Duplex State", g_DuplexEnum, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.3", "Port Lock Status",
     g_DisableEnableEnum, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.5", "Link-Status-Alarm State",
     g_DisableEnableEnum, 0},
};

const _NmOidTable g_PortErrorTable[] = {
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.9.1.2.3.1.1", "Module Index", nullptr, 0},
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.9.1.2.3.1.2", "Port Index", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.11", "Frames with CRC Errors", nullptr,
     0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.12", "Oversized Frames", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.13", "Fragments", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.14", "Jabbers", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.15", "Collisions", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.16", "Late Collisions", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.23", "MAC Rx Error", nullptr, 0},
};

const _NmOidTable g_PortPacketTable[] = {
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.9.1.2.3.1.1", "Module Index", nullptr, 0},
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.9.1.2.3.1.2", "Port Index", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.3", "Good Bytes Received", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.4", "Good Bytes Transmitted", nullptr,
     0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.5", "Good Frames Received", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.6", "Good Frames Transmitted", nullptr,
     0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.9", "Good Broadcast Frames Received",
     nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.10", "Good Multicast Frames Received",
     nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.17", "Frame lengths of 64 Bytes",
     nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.18",
     "Frame lengths between 65-127 Bytes", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.19",
     "Frame lengths between 128-255 Bytes", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.20",
     "Frame lengths between 256-511 Bytes", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.21",
     "Frame lengths between 512-1023 Bytes", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.22",
     "Frame lengths between 1024-1518 Bytes", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.7", "Total Bytes Received", nullptr, 0},
    {SNMP_TYPE_COUNTER, 1, "1.3.6.1.4.1.88888.11.9.1.2.3.1.8", "Total Frames Received", nullptr, 0},
};

static_assert(std::size(g_PortInfoTable) == kPortInfoRowCount);
static_assert(std::size(g_PortSettingsTable) == kPortSettingsRowCount);
static_assert(std::size(g_PortErrorTable) == kPortErrorRowCount);
static_assert(std::size(g_PortPacketTable) == kPortPacketRowCount);
