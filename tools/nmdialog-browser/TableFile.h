#pragma once
// OID tables read from a text file, so any agent's objects can be browsed. One object per
// line: OID TYPE ACCESS NAME [VALUE=TEXT]... (see the --help of nmdialog-browser); blank lines
// and lines starting with # are skipped.

#include "snmp/NmOidTable.h"

#include <deque>
#include <istream>
#include <string>
#include <vector>

// The rows and the texts and value lists they point into.
class LoadedTable {
public:
    LoadedTable() = default;
    LoadedTable(const LoadedTable&) = delete;
    LoadedTable& operator=(const LoadedTable&) = delete;

    std::vector<_NmOidTable> rows;
    std::deque<std::string> texts;
    std::deque<std::vector<_NmEnumPair>> enums;
};

// Reads every line. False at the first bad line with `error` "line N: why"; false too for a
// file without objects.
bool ParseTableFile(std::istream& in, LoadedTable& table, std::string& error);
