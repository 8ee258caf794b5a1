#pragma once
// The device-wide OID tables of the module's dialogs. Access codes: bits 0-1 read-only (1),
// read-write (2), write-only (3); 0x04 hex display; bits 0x30 = 0x10 index column, = 0x20
// row-status column; 0x800 key column of a settings form.

#include "snmp/NmOidTable.h"

// System group, firmware and hardware versions, port counts, address ageing (scalars).
constexpr int kDeviceInfoRowCount = 13;
extern const _NmOidTable g_DeviceInfoTable[];

constexpr int kMibCapabilityRowCount = 4;
extern const _NmOidTable g_MibCapabilityTable[];

constexpr int kIpInterfaceRowCount = 6;
extern const _NmOidTable g_IpInterfaceTable[];

// The editable part of the IP interface table; its index is the form's key column.
constexpr int kIpInterfaceSettingsRowCount = 4;
extern const _NmOidTable g_IpInterfaceSettingsTable[];

// Indexed by the manager's IP address; entries are removed through the status column.
constexpr int kTrapReceiverRowCount = 3;
extern const _NmOidTable g_TrapReceiverTable[];

constexpr int kAuthTrapRowCount = 1;
extern const _NmOidTable g_AuthTrapTable[];

// Write-only: the switch resets when it is written.
constexpr int kSaveResetRowCount = 1;
extern const _NmOidTable g_SaveResetTable[];
