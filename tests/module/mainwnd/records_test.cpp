#include "module/slots/SlotRecords.h"
#include "module/tables/DeviceTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Expected {
    int slot;
    const char* recordClass; // "table", "entry", "form"
    const char* title;
    std::vector<std::string> keys;
    int rows;
    const char* firstOid;
    std::vector<std::string> buttons; // "label message param", or form labels
    const char* target;
};

class SlotRecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ModuleIdentity id{"Edge", "10.0.0.9", "rd", "wr"};
        BuildSlotRecords(records, id);
    }
    SlotRecordTable records;
};

TEST_F(SlotRecordsTest, RecordsMatchTheSlotTable) {
    const std::vector<Expected> cases = {
        {0,
         "table",
         "Device Information",
         {},
         13,
         "1.3.6.1.2.1.1.1",
         {"Refresh 2026 0", "Set 2024 1"},
         "Device"},
        {3,
         "entry",
         "Ip Interface Table",
         {},
         6,
         "1.3.6.1.4.1.88888.11.1.3.2.1.1",
         {"Refresh 2026 0", "Set 2024 4"},
         "Device"},
        {5,
         "entry",
         "Trap Receivers Table",
         {},
         3,
         nullptr,
         {"Refresh 2026 0", "Add 2024 6", "Remove 2027 0", "Trap Set 2024 7"},
         "Device"},
        {6, "form", "Add/Modify Trap Receievers", {}, 3, nullptr, {"Apply", "Close"}, nullptr},
        {26, "form", "Reset", {}, 1, nullptr, {"Reset"}, nullptr},
        {54,
         "table",
         "Port 5 Information",
         {"1", "5"},
         12,
         "1.3.6.1.4.1.88888.11.9.1.2.1.1.1",
         {"Refresh 2026 0", "Set 2024 84"},
         "Port 5"},
        {84, "form", "Port 5 Settings", {"1", "5"}, 7, nullptr, {"Apply", "Close"}, nullptr},
        {143,
         "table",
         "Port 4 Errors",
         {"1", "4"},
         9,
         nullptr,
         {"Pause 2028 0", "Resume 2029 0"},
         "Port 4"},
        {173,
         "table",
         "Port 4 Packet Analysis",
         {"1", "4"},
         16,
         "1.3.6.1.4.1.88888.11.9.1.2.3.1.1",
         {"Pause 2028 0", "Resume 2029 0"},
         "Port 4"},
        {203, "table", "Port 4 Statistic Line Graph", {"1", "4"}, 16, nullptr, {}, "Port 4"},
        {233,
         "table",
         "Port 4 Statistic Line Graph (Errors)",
         {"1", "4"},
         9,
         nullptr,
         {},
         "Port 4"},
        {263, "table", "Port 4 Statistic Bar Graph", {"1", "4"}, 16, nullptr, {}, "Port 4"},
        {293, "table", "Port 4 Statistic Bar Graph (Errors)", {"1", "4"}, 9, nullptr, {}, "Port 4"},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE("slot " + std::to_string(e.slot));
        CDlgData* r = records[e.slot].get();
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->m_nKind, e.slot);
        EXPECT_EQ(r->m_strTitle, e.title);
        ASSERT_EQ(r->m_nKeyCount, int(e.keys.size()));
        for (std::size_t i = 0; i < e.keys.size(); ++i)
            EXPECT_EQ(r->m_strKeys[i], e.keys[i]);
        EXPECT_EQ(r->m_nRowCount, e.rows);
        if (e.firstOid) {
            EXPECT_STREQ(r->m_pOidTable[0].szOid, e.firstOid);
        }
        std::string kind = dynamic_cast<CEntryTableDlgData*>(r) ? "entry"
                           : dynamic_cast<CTableDlgData*>(r)    ? "table"
                           : dynamic_cast<CFormDlgData*>(r)     ? "form"
                                                                : "?";
        EXPECT_EQ(kind, e.recordClass);
        if (auto* t = dynamic_cast<CTableDlgData*>(r)) {
            std::vector<std::string> buttons;
            for (int i = 0; i < t->ButtonCount(); ++i)
                buttons.push_back(std::string(t->m_buttons[i].label) + " " +
                                  std::to_string(t->m_buttons[i].message) + " " +
                                  std::to_string(t->m_buttons[i].param));
            EXPECT_EQ(buttons, e.buttons);
            EXPECT_STREQ(t->m_szHeaderValue[0], "Edge");
            EXPECT_STREQ(t->m_szHeaderValue[2], "10.0.0.9");
            EXPECT_STREQ(t->m_szHeaderValue[3], e.target);
            EXPECT_STREQ(t->m_szHeaderLabel[3], "Target");
            EXPECT_EQ(t->m_strReadCommunity, "rd");
            EXPECT_EQ(t->m_strWriteCommunity, "wr");
        } else {
            EXPECT_EQ(dynamic_cast<CFormDlgData*>(r)->m_labels, e.buttons);
        }
    }
}

TEST_F(SlotRecordsTest, FormValuesAndEmptySlots) {
    auto* six = dynamic_cast<CFormDlgData*>(records[6].get());
    EXPECT_EQ(six->m_strTextB, "Enable");
    EXPECT_EQ(six->m_nNumber, 5);
    auto* four = dynamic_cast<CFormDlgData*>(records[4].get());
    EXPECT_EQ(four->m_nNumber, 3);
    EXPECT_EQ(four->m_strKeys[0], "1");
    auto* reset = dynamic_cast<CFormDlgData*>(records[26].get());
    EXPECT_EQ(reset->m_strTextB, "Cold Start");
    EXPECT_EQ(reset->m_strTextA.rfind("Resetting the switch will cause it", 0), 0u);
    EXPECT_EQ(dynamic_cast<CFormDlgData*>(records[7].get())->m_nNumber, CFormDlgData::kNoRefresh);
    auto* one = dynamic_cast<CFormDlgData*>(records[1].get());
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->m_pOidTable, nullptr);
    EXPECT_TRUE(one->m_labels.empty());
    auto* traps = dynamic_cast<CEntryTableDlgData*>(records[5].get());
    EXPECT_TRUE(traps->m_bHasStatusColumn);
    EXPECT_EQ(traps->m_strRemoveText, "Disable");
    EXPECT_STREQ(traps->m_pStatusRow->szName, "Entry Status");
    for (int empty : {25, 27, 108, 139, 168, 169, 198, 319})
        EXPECT_EQ(records[empty], nullptr) << empty;
    // The events window follows the specified slots, with the device's header and "Clear".
    auto* events = dynamic_cast<CTableDlgData*>(records[318].get());
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(events->m_strTitle, "Events");
    EXPECT_STREQ(events->m_szHeaderValue[3], "Device");
    EXPECT_STREQ(events->m_buttons[0].label, "Clear");
    EXPECT_EQ(events->m_buttons[0].message, std::int32_t(PANEL_CLEAR));
    EXPECT_EQ(events->ButtonCount(), 1);
    EXPECT_NE(records[167], nullptr);
    EXPECT_NE(records[197], nullptr);
    EXPECT_NE(records[317], nullptr);
}

TEST(DlgData, KeysAndTheInstanceSuffix) {
    CDlgData d;
    d.SetTable(g_TrapReceiverTable, kTrapReceiverRowCount);
    EXPECT_EQ(d.IndexColumnCount(), 1);
    EXPECT_EQ(d.NextStatusColumn(-1), 2);
    EXPECT_EQ(d.NextIndexColumn(0), -1);
    d.SetKeys({"192.0.2.10"});
    EXPECT_EQ(d.InstanceSuffix(), ".192.0.2.10");

    CDlgData scalar;
    scalar.SetTable(g_AuthTrapTable, kAuthTrapRowCount);
    EXPECT_EQ(scalar.InstanceSuffix(), ".0");

    d.SetKeys({});
    EXPECT_EQ(d.m_nKeyCount, 1) << "no keys leave the record as it was";
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(d.AppendKey("k"));
    EXPECT_FALSE(d.AppendKey("sixth"));
    EXPECT_EQ(d.m_nKeyCount, 5);
    CDlgData copy;
    copy.CopyKeys(d);
    EXPECT_EQ(copy.m_strKeys[4], "k");
    copy.ClearKeys();
    EXPECT_EQ(copy.m_nKeyCount, 0);
    EXPECT_EQ(copy.m_strKeys[0], "");

    CEntryTableDlgData entry;
    entry.SetEntryTable(g_TrapReceiverTable, kTrapReceiverRowCount);
    entry.SetRemoveValue(3);
    EXPECT_EQ(entry.m_strRemoveText, "Enable");
    entry.SetRemoveValue(99);
    EXPECT_EQ(entry.m_strRemoveText, "Disable");
    entry.SetEntryTable(g_MibCapabilityTable, kMibCapabilityRowCount);
    EXPECT_FALSE(entry.m_bHasStatusColumn);
    EXPECT_EQ(entry.m_pStatusRow, nullptr);
}

} // namespace
