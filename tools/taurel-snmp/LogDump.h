#pragma once
// Prints a packet log ("snmp.log") record by record.

#include <ostream>
#include <string>

// Returns the exit status: 0 when every record was read, 1 when the file cannot be opened or
// a damaged record stops the dump (the records before it are printed).
int DumpPacketLog(const std::string& path, std::ostream& out, std::ostream& err);
