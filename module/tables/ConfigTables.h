#pragma once
// The scalar objects of the Set Configuration pages, in page order: General (contact, name,
// location), Console (serial port use and rate), Advanced (address ageing and learning), Traps
// (authentication-failure trap). Each page takes its own run of rows, read with instance ".0".

#include "snmp/NmOidTable.h"

constexpr int kConfigRowCount = 8;
extern const _NmOidTable g_ConfigTable[];

// Where each page's rows start in g_ConfigTable, and how many it takes.
constexpr int kConfigGeneralFirstRow = 0;
constexpr int kConfigGeneralRowCount = 3;
constexpr int kConfigConsoleFirstRow = 3;
constexpr int kConfigConsoleRowCount = 2;
constexpr int kConfigAdvancedFirstRow = 5;
constexpr int kConfigAdvancedRowCount = 2;
constexpr int kConfigTrapsFirstRow = 7;
constexpr int kConfigTrapsRowCount = 1;
