#pragma once
// The OID tables nmdialog-browser knows by name, each with the instance it is read at unless
// the command line gives another. They are written in the table-file format, so a built-in
// table and a file the operator writes are read by the same parser.

#include "snmp/NmOidTable.h"

#include <string>

struct BuiltinTable {
    const char* name;
    const _NmOidTable* rows;
    int rowCount;
    const char* instance;
};

// The table of that name, or null.
const BuiltinTable* FindBuiltinTable(const std::string& name);
