#include "tools/nmdialog-browser/BrowserTables.h"

#include "tools/nmdialog-browser/TableFile.h"

#include <iterator>
#include <sstream>
#include <stdexcept>

namespace {

// The MIB-II system group (RFC 1213) without sysServices, which the simulated switch does
// not serve; read at instance .0.
constexpr const char* kSystemGroup = R"(
1.3.6.1.2.1.1.1 string read-only sysDescr
1.3.6.1.2.1.1.2 oid read-only sysObjectID
1.3.6.1.2.1.1.3 timeticks read-only sysUpTime
1.3.6.1.2.1.1.4 string read-write sysContact
1.3.6.1.2.1.1.5 string read-write sysName
1.3.6.1.2.1.1.6 string read-write sysLocation
)";

// The MIB-II interface table, walked row by row, with the interface types an agent is most
// likely to report (IANAifType).
constexpr const char* kInterfaceTable = R"(
1.3.6.1.2.1.2.2.1.1 integer read-only,index ifIndex
1.3.6.1.2.1.2.2.1.2 string read-only ifDescr
1.3.6.1.2.1.2.2.1.3 integer read-only ifType 1=other 6=ethernet 24=loopback 53=virtual 71=wifi 131=tunnel 135=l2vlan 161=lag 209=bridge
1.3.6.1.2.1.2.2.1.4 integer read-only ifMtu
1.3.6.1.2.1.2.2.1.5 gauge read-only ifSpeed
1.3.6.1.2.1.2.2.1.6 mac read-only ifPhysAddress
1.3.6.1.2.1.2.2.1.7 integer read-write ifAdminStatus 1=up 2=down 3=testing
1.3.6.1.2.1.2.2.1.8 integer read-only ifOperStatus 1=up 2=down 3=testing 4=unknown 5=dormant 6=notPresent 7=lowerLayerDown
)";

// The simulated switch's trap receivers, walked row by row.
constexpr const char* kTrapReceivers = R"(
1.3.6.1.4.1.88888.11.1.3.10.1.1 ipaddress read-only,index "Manager IP Address"
1.3.6.1.4.1.88888.11.1.3.10.1.2 string read-write "Community String"
1.3.6.1.4.1.88888.11.1.3.10.1.3 integer read-write,rowstatus "Entry Status" 2=Disable 3=Enable
)";

// A switch port's lock and link alarm, read at module 1 and toggled per port.
constexpr const char* kPortLock = R"(
1.3.6.1.4.1.88888.11.9.1.2.2.1.3 integer read-write "Port Lock Status" 2=Disable 3=Enable
1.3.6.1.4.1.88888.11.9.1.2.2.1.5 integer read-write "Link-Status-Alarm State" 2=Disable 3=Enable
)";

// A switch port's packet counters, read at module 1, port 1.
constexpr const char* kPortStats = R"(
1.3.6.1.4.1.88888.11.9.1.2.3.1.3 counter read-only "Good Bytes Received"
1.3.6.1.4.1.88888.11.9.1.2.3.1.4 counter read-only "Good Bytes Transmitted"
1.3.6.1.4.1.88888.11.9.1.2.3.1.5 counter read-only "Good Frames Received"
1.3.6.1.4.1.88888.11.9.1.2.3.1.6 counter read-only "Good Frames Transmitted"
1.3.6.1.4.1.88888.11.9.1.2.3.1.9 counter read-only "Good Broadcast Frames Received"
1.3.6.1.4.1.88888.11.9.1.2.3.1.10 counter read-only "Good Multicast Frames Received"
1.3.6.1.4.1.88888.11.9.1.2.3.1.17 counter read-only "Frame lengths of 64 Bytes"
1.3.6.1.4.1.88888.11.9.1.2.3.1.18 counter read-only "Frame lengths between 65-127 Bytes"
1.3.6.1.4.1.88888.11.9.1.2.3.1.19 counter read-only "Frame lengths between 128-255 Bytes"
1.3.6.1.4.1.88888.11.9.1.2.3.1.20 counter read-only "Frame lengths between 256-511 Bytes"
1.3.6.1.4.1.88888.11.9.1.2.3.1.21 counter read-only "Frame lengths between 512-1023 Bytes"
1.3.6.1.4.1.88888.11.9.1.2.3.1.22 counter read-only "Frame lengths between 1024-1518 Bytes"
1.3.6.1.4.1.88888.11.9.1.2.3.1.7 counter read-only "Total Bytes Received"
1.3.6.1.4.1.88888.11.9.1.2.3.1.8 counter read-only "Total Frames Received"
)";

struct TableText {
    const char* name;
    const char* text;
    const char* instance;
};

constexpr TableText kTableTexts[] = {
    {"system", kSystemGroup, ".0"},    {"interfaces", kInterfaceTable, ""},
    {"traps", kTrapReceivers, ""},     {"portlock", kPortLock, ".1"},
    {"portstats", kPortStats, ".1.1"},
};

// Parsed once; built-in text that does not parse is a fault of this program, which its tests
// find.
class BuiltinTables {
public:
    BuiltinTables() {
        for (std::size_t i = 0; i < std::size(kTableTexts); ++i) {
            std::istringstream in(kTableTexts[i].text);
            std::string error;
            if (!ParseTableFile(in, m_loaded[i], error))
                throw std::logic_error(std::string("built-in table ") + kTableTexts[i].name + ": " +
                                       error);
            m_tables[i] = {kTableTexts[i].name, m_loaded[i].rows.data(),
                           int(m_loaded[i].rows.size()), kTableTexts[i].instance};
        }
    }
    const BuiltinTable* Find(const std::string& name) const {
        for (const BuiltinTable& table : m_tables)
            if (name == table.name)
                return &table;
        return nullptr;
    }

private:
    LoadedTable m_loaded[std::size(kTableTexts)];
    BuiltinTable m_tables[std::size(kTableTexts)];
};

} // namespace

const BuiltinTable* FindBuiltinTable(const std::string& name) {
    static const BuiltinTables tables;
    return tables.Find(name);
}
