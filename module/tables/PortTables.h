#pragma once
// The per-port OID tables. Every one is indexed by the module (group) number and the port
// number, so ".1.5" addresses port 5 of the switch. Access codes as in DeviceTables.h.

#include "snmp/NmOidTable.h"

// Port state (type, link, duplex, speed, storm) and its control columns, read-only view.
constexpr int kPortInfoRowCount = 12;
extern const _NmOidTable g_PortInfoTable[];

// The control columns that the port settings form writes; the indexes are its key columns.
constexpr int kPortSettingsRowCount = 7;
extern const _NmOidTable g_PortSettingsTable[];

constexpr int kPortErrorRowCount = 9;
extern const _NmOidTable g_PortErrorTable[];

constexpr int kPortPacketRowCount = 16;
extern const _NmOidTable g_PortPacketTable[];
