#pragma once
// net-snmp's own tools as the reference of taurel-snmp's tests: run them as users do, without
// MIB files, and compare their lines with ours.

#include <string>
#include <vector>

#include "tests/tools/taurel-snmp/ClientProcess.h"

// Runs net-snmp's `program` (snmpget, snmpwalk, ...) with -On and `args`, without MIB files,
// for at most 60 s.
ClientRun RunNetSnmp(const std::string& program, const std::vector<std::string>& args);
// The first line where `ours` and `theirs` differ, as "ours | theirs"; empty when they are the
// same lines apart from the values that change between two reads: those of counters, gauges
// and time ticks under the same name.
std::string FirstDifferingLine(const std::string& ours, const std::string& theirs);
