#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "module/mib/CIndexSuffix.h"
#include "module/tables/PortLineRates.h"
#include "module/tables/PortTables.h"
#include "tests/module/TableCatalog.h"

namespace {
constexpr std::uint16_t kKeyColumn = 0x800; // the settings forms' key column bit

bool IsDottedNumber(const std::string& s) {
    return !s.empty() && s.front() != '.' && s.back() != '.' && s.find("..") == std::string::npos &&
           s.find_first_not_of("0123456789.") == std::string::npos;
}

// Counts pairs without trusting the end mark: a list lacking one fails instead of running on.
int EnumLength(const _NmEnumPair* pairs) {
    for (int i = 0; i < 32; ++i) {
        if (!pairs[i].pszText) {
            return i;
        }
    }
    return -1;
}

std::vector<std::string> EnumTexts(const _NmEnumPair* pairs) {
    std::vector<std::string> texts;
    for (; pairs && pairs->pszText; ++pairs) {
        texts.push_back(pairs->pszText);
    }
    return texts;
}
} // namespace

TEST(ModuleTables, RowsAreWellFormedAndUniqueWithinTheirTable) {
    const std::set<int> types = {SNMP_TYPE_INTEGER, SNMP_TYPE_OCTETS,  SNMP_TYPE_OID,
                                 SNMP_TYPE_IPADDR,  SNMP_TYPE_COUNTER, SNMP_TYPE_TIMETICKS,
                                 SNMP_TYPE_MAC};
    for (const CatalogTable& table : ModuleTables()) {
        std::set<std::string> seen;
        for (int i = 0; i < table.count; ++i) {
            const _NmOidTable& row = table.rows[i];
            SCOPED_TRACE(std::string(table.name) + " row " + std::to_string(i));
            ASSERT_NE(std::memchr(row.szOid, 0, sizeof row.szOid), nullptr);
            ASSERT_NE(std::memchr(row.szName, 0, sizeof row.szName), nullptr);
            const std::string oid = row.szOid;
            EXPECT_TRUE(IsDottedNumber(oid)) << oid;
            EXPECT_TRUE(oid.rfind("1.3.6.1.2.1.", 0) == 0 ||
                        oid.rfind("1.3.6.1.4.1.88888.11.", 0) == 0)
                << oid;
            EXPECT_TRUE(seen.insert(oid).second) << oid << " twice";
            EXPECT_GT(std::strlen(row.szName), 0u);
            EXPECT_NE(row.wAccess & SNMP_ACCESS_MASK, 0);
            EXPECT_TRUE(types.count(row.byType)) << int(row.byType);
            if (row.wAccess & kKeyColumn) {
                EXPECT_TRUE(IsIndexColumn(row)) << "a key column is always an index column";
            }
        }
    }
}

TEST(ModuleTables, IndexColumnsComeFirstAndMatchTheInstance) {
    for (const CatalogTable& table : ModuleTables()) {
        bool otherSeen = false;
        int indexes = 0;
        for (int i = 0; i < table.count; ++i) {
            const bool index = IsIndexColumn(table.rows[i]);
            EXPECT_FALSE(index && otherSeen) << table.name << ": index after another column";
            indexes += index ? 1 : 0;
            otherSeen = otherSeen || !index;
        }
        const std::string instance = table.instance ? table.instance : "";
        if (instance == ".0") {
            EXPECT_EQ(indexes, 0) << table.name;
        } else if (instance == ".1.1") {
            EXPECT_EQ(indexes, 2) << table.name;
            const std::string keys = CIndexSuffix(&table.rows[0], "1").GetSuffix() +
                                     CIndexSuffix(&table.rows[1], "5").GetSuffix();
            EXPECT_EQ(keys, ".1.5") << table.name;
        }
    }
}

TEST(ModuleTables, EnumerationsAreEndedNonEmptyAndOnlyOnIntegers) {
    for (const CatalogTable& table : ModuleTables()) {
        for (int i = 0; i < table.count; ++i) {
            const _NmOidTable& row = table.rows[i];
            SCOPED_TRACE(std::string(table.name) + ": " + row.szName);
            if (!row.pEnum) {
                EXPECT_FALSE(IsRowStatusColumn(row)) << "a status column needs its values";
                continue;
            }
            EXPECT_EQ(row.byType, SNMP_TYPE_INTEGER);
            const int length = EnumLength(row.pEnum);
            ASSERT_GT(length, 0) << "empty or not ended";
            std::set<int> values;
            for (int k = 0; k < length; ++k) {
                EXPECT_TRUE(values.insert(row.pEnum[k].nValue).second) << "value repeated";
            }
        }
    }
}

// Forms and pages reuse the dialogs' objects; described differently, two windows would show
// and send the same object differently.
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
    EXPECT_GT(shared, 10);
}

TEST(ModuleTables, FormsWriteEveryNonKeyObjectAndRemovalWritesDisable) {
    for (const CatalogTable& table : ModuleTables()) {
        if (table.rows != g_IpInterfaceSettingsTable && table.rows != g_PortSettingsTable &&
            table.rows != g_ConfigTable) {
            continue;
        }
        for (int i = 0; i < table.count; ++i) {
            const _NmOidTable& row = table.rows[i];
            if (!(row.wAccess & kKeyColumn)) {
                EXPECT_EQ(row.wAccess, SNMP_ACCESS_READWRITE) << table.name << ": " << row.szName;
            }
        }
    }
    const _NmOidTable& status = g_TrapReceiverTable[kTrapReceiverRowCount - 1];
    ASSERT_TRUE(IsRowStatusColumn(status));
    EXPECT_EQ(status.pEnum[0].nValue, 2); // the remove value
    EXPECT_STREQ(status.pEnum[0].pszText, "Disable");
}

TEST(PortLineRates, BytesAtAnEighthOfTheSpeedAndFramesAtTheShortestFramesRate) {
    EXPECT_STREQ(PortSpeedRow().szName, "Speed");
    EXPECT_EQ(PortSpeedBits(2), 10000000u);
    EXPECT_EQ(PortSpeedBits(3), 100000000u);
    EXPECT_EQ(PortSpeedBits(4), 1000000000u);
    EXPECT_EQ(PortSpeedBits(7), 0u) << "an unknown speed bounds nothing";
    std::map<std::string, std::uint64_t> at100;
    for (int i = 0; i < kPortPacketRowCount; ++i)
        at100[g_PortPacketTable[i].szName] = CounterLineRate(g_PortPacketTable[i], 100000000);
    for (int i = 0; i < kPortErrorRowCount; ++i)
        at100[g_PortErrorTable[i].szName] = CounterLineRate(g_PortErrorTable[i], 100000000);
    for (const char* bytes :
         {"Good Bytes Received", "Good Bytes Transmitted", "Total Bytes Received"})
        EXPECT_EQ(at100[bytes], 12500000u) << bytes;
    // 64-byte frames with preamble and gap: 148,809 a second at 100 Mbps.
    for (const char* frames : {"Good Frames Received", "Frame lengths of 64 Bytes",
                               "Frame lengths between 1024-1518 Bytes", "Collisions"})
        EXPECT_EQ(at100[frames], 148809u) << frames;
    EXPECT_EQ(CounterLineRate(g_PortInfoTable[2], 100000000), 0u) << "not a port counter";
}
