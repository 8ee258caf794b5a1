// A device module's smallest use of the installed NmSnmp and NmDialog: built only with what
// pkg-config gives, then run, so a missing header, library or RPATH shows.

#include "dialogs/CNmDlg.h"
#include "snmp/SnmpAgentAddress.h"

#include <cstdio>

int main() {
    SnmpAgentAddress address;
    if (!SplitAgentAddress("127.0.0.1:1161", address) || address.port != 1161)
        return 1;
    if (nmdlgFind("no such dialog") != nullptr)
        return 2;
    std::puts("ok");
    return 0;
}
