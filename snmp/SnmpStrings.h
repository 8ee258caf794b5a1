#pragma once
// The engine's string table: the texts of its error codes, kept under resource id 1000 + code.

#include <cstdint>
#include <string>

#include "snmp/NmSnmpApi.h"

constexpr unsigned kSnmpStringBase = 1000;

// Text of string resource `id`; empty when the table has none.
NMSNMP_API std::string SnmpLoadString(unsigned id);
