#pragma once
// The two objects the front panel polls (one-row tables).

#include "snmp/NmOidTable.h"

// One byte of blink bits for the status LEDs, then one byte of LED bits per port (255 ends the
// list); read with instance ".0".
constexpr int kLedStatusRowCount = 1;
extern const _NmOidTable g_LedStatusTable[];

// Four 4-bit module type fields, slot A in the top bits; read with instance ".1".
constexpr int kModuleTypesRowCount = 1;
extern const _NmOidTable g_ModuleTypesTable[];
