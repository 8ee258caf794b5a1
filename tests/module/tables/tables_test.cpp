#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "module/mib/CIndexSuffix.h"
#include "tests/module/TableCatalog.h"

namespace {
constexpr std::uint16_t kKeyColumn = 0x800; // the settings forms' key column bit

bool IsDottedNumber(const char* text) {
    const std::string s(text);
    if (s.empty() || s.front() == '.' || s.back() == '.' || s.find("..") != std::string::npos) {
        return false;
    }
    return s.find_first_not_of("0123456789.") == std::string::npos;
}

bool IsTerminated(const char (&field)[128]) {
    return std::memchr(field, 0, 128) != nullptr;
}

std::vector<std::string> EnumTexts(const _NmEnumPair* pairs) {
    std::vector<std::string> texts;
    for (; pairs && pairs->pszText; ++pairs) {
        texts.push_back(pairs->pszText);
    }
    return texts;
}

// Walks a pair list without trusting its end mark, so a list that lacks one fails here instead
// of running off into other data.
int EnumLength(const _NmEnumPair* pairs, int limit) {
    for (int i = 0; i < limit; ++i) {
        if (!pairs[i].pszText) {
            return i;
        }
    }
    return -1;
}
} // namespace

TEST(ModuleTables, RowsAreWellFormed) {
    for (const CatalogTable& table : ModuleTables()) {
        ASSERT_GT(table.count, 0) << table.name;
        for (int i = 0; i < table.count; ++i) {
            const _NmOidTable& row = table.rows[i];
            SCOPED_TRACE(std::string(table.name) + " row " + std::to_string(i));
            ASSERT_TRUE(IsTerminated(row.szOid));
            ASSERT_TRUE(IsTerminated(row.szName));
            EXPECT_TRUE(IsDottedNumber(row.szOid)) << row.szOid;
            const std::string oid = row.szOid;
            EXPECT_TRUE(oid.rfind("1.3.6.1.2.1.", 0) == 0 ||
                        oid.rfind("1.3.6.1.4.1.88888.11.", 0) == 0)
                << oid;
            EXPECT_GT(std::strlen(row.szName), 0u);
            EXPECT_NE(row.wAccess & SNMP_ACCESS_MASK, 0) << "no access mode";
            const std::set<int> types = {SNMP_TYPE_INTEGER, SNMP_TYPE_OCTETS,  SNMP_TYPE_OID,
                                         SNMP_TYPE_IPADDR,  SNMP_TYPE_COUNTER, SNMP_TYPE_TIMETICKS,
                                         SNMP_TYPE_MAC};
            EXPECT_TRUE(types.count(row.byType)) << int(row.byType);
            EXPECT_EQ(row.nReserved, 0);
            if (row.wAccess & kKeyColumn) {
                EXPECT_TRUE(IsIndexColumn(row)) << "a key column is always an index column";
            }
        }
    }
}

TEST(ModuleTables, OidsAreUniqueWithinATable) {
    for (const CatalogTable& table : ModuleTables()) {
        std::set<std::string> seen;
        for (int i = 0; i < table.count; ++i) {
            EXPECT_TRUE(seen.insert(table.rows[i].szOid).second)
                << table.name << ": " << table.rows[i].szOid << " twice";
        }
    }
}

TEST(ModuleTables, IndexColumnsComeFirstAndScalarsHaveNone) {
    for (const CatalogTable& table : ModuleTables()) {
        bool otherSeen = false;
        int indexes = 0;
        for (int i = 0; i < table.count; ++i) {
            if (IsIndexColumn(table.rows[i])) {
                EXPECT_FALSE(otherSeen) << table.name << ": index column after another column";
                ++indexes;
            } else {
                otherSeen = true;
            }
        }
        const std::string instance = table.instance ? table.instance : "";
        if (instance == ".0") {
            EXPECT_EQ(indexes, 0) << table.name;
        } else if (instance == ".1.1") {
            EXPECT_EQ(indexes, 2) << table.name << ": per-port tables are indexed by group, port";
        } else if (table.rows != g_ModuleTypesTable) {
            EXPECT_EQ(indexes, 1) << table.name;
        }
    }
}

TEST(ModuleTables, EnumerationsAreEndedNonEmptyAndOnlyOnIntegers) {
    for (const CatalogTable& table : ModuleTables()) {
        for (int i = 0; i < table.count; ++i) {
            const _NmOidTable& row = table.rows[i];
            if (!row.pEnum) {
                EXPECT_FALSE(IsRowStatusColumn(row)) << row.szName << ": status needs values";
                continue;
            }
            SCOPED_TRACE(std::string(table.name) + ": " + row.szName);
            EXPECT_EQ(row.byType, SNMP_TYPE_INTEGER);
            const int length = EnumLength(row.pEnum, 32);
            ASSERT_GT(length, 0) << "empty or not ended";
            std::set<int> values;
            for (int k = 0; k < length; ++k) {
                EXPECT_TRUE(values.insert(row.pEnum[k].nValue).second) << "value repeated";
                EXPECT_GT(std::strlen(row.pEnum[k].pszText), 0u);
            }
        }
    }
}

// The same object listed in several tables (a dialog's table and a form's or a page's) must be
// described alike, or the two windows would show and send it differently.
TEST(ModuleTables, AnObjectListedTwiceIsDescribedAlike) {
    std::map<std::string, const _NmOidTable*> first;
    int shared = 0;
    for (const CatalogTable& table : ModuleTables()) {
        for (int i = 0; i < table.count; ++i) {
            const _NmOidTable& row = table.rows[i];
            auto [it, inserted] = first.emplace(row.szOid, &row);
            if (inserted) {
                continue;
            }
            ++shared;
            SCOPED_TRACE(std::string(table.name) + ": " + row.szOid);
            EXPECT_STREQ(row.szName, it->second->szName);
            EXPECT_EQ(row.byType, it->second->byType);
            EXPECT_EQ(EnumTexts(row.pEnum), EnumTexts(it->second->pEnum));
            EXPECT_EQ(IsIndexColumn(row), IsIndexColumn(*it->second));
        }
    }
    EXPECT_GT(shared, 10); // the forms and pages do reuse the dialogs' objects
}

TEST(ModuleTables, FormAndPageTablesWriteEveryNonKeyObject) {
    for (const _NmOidTable* rows : {g_IpInterfaceSettingsTable, g_PortSettingsTable}) {
        const int count =
            rows == g_PortSettingsTable ? kPortSettingsRowCount : kIpInterfaceSettingsRowCount;
        for (int i = 0; i < count; ++i) {
            const bool key = (rows[i].wAccess & kKeyColumn) != 0;
            EXPECT_EQ(key, IsIndexColumn(rows[i])) << rows[i].szName;
            if (!key) {
                EXPECT_EQ(rows[i].wAccess & SNMP_ACCESS_MASK, SNMP_ACCESS_READWRITE)
                    << rows[i].szName;
            }
        }
    }
    for (int i = 0; i < kConfigRowCount; ++i) {
        EXPECT_EQ(g_ConfigTable[i].wAccess, SNMP_ACCESS_READWRITE) << g_ConfigTable[i].szName;
    }
}

TEST(ModuleTables, ConfigurationPagesHaveChoicesWhereTheyShowChoiceLists) {
    // Console, the second Advanced object and Traps are choice lists built from enumerations;
    // General and the first Advanced object are text fields.
    for (int i = 0; i < kConfigRowCount; ++i) {
        const bool choice = (i >= kConfigConsoleFirstRow && i < kConfigAdvancedFirstRow) ||
                            i == kConfigAdvancedFirstRow + 1 || i == kConfigTrapsFirstRow;
        EXPECT_EQ(g_ConfigTable[i].pEnum != nullptr, choice) << g_ConfigTable[i].szName;
    }
}

TEST(ModuleTables, PortKeysBuildTheGroupAndPortInstance) {
    for (const _NmOidTable* rows :
         {g_PortInfoTable, g_PortSettingsTable, g_PortErrorTable, g_PortPacketTable}) {
        const std::string suffix =
            CIndexSuffix(&rows[0], "1").GetSuffix() + CIndexSuffix(&rows[1], "5").GetSuffix();
        EXPECT_EQ(suffix, ".1.5") << rows[0].szOid;
    }
    EXPECT_EQ(CIndexSuffix(&g_TrapReceiverTable[0], "10.1.2.3").GetSuffix(), ".10.1.2.3");
}

TEST(ModuleTables, TrapReceiverRemovalWritesDisable) {
    // The table dialog removes an entry by writing value 2 into the status column.
    const _NmOidTable* status = nullptr;
    for (int i = 0; i < kTrapReceiverRowCount; ++i) {
        if (IsRowStatusColumn(g_TrapReceiverTable[i])) {
            EXPECT_EQ(status, nullptr) << "one status column";
            status = &g_TrapReceiverTable[i];
        }
    }
    ASSERT_NE(status, nullptr);
    std::string removeText;
    for (const _NmEnumPair* pair = status->pEnum; pair->pszText; ++pair) {
        if (pair->nValue == 2) {
            removeText = pair->pszText;
        }
    }
    EXPECT_EQ(removeText, "Disable");
}
