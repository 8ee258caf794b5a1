// The object dialogs' rules without windows: what a selected row addresses, how port cells show
// and take values, and the poll interval a number box asks for.
#include <gtest/gtest.h>

#include "dialogs/NmDlgObjectRules.h"
#include "snmp/CSnmpOid.h"
#include "snmp/CSnmpVarBind.h"

namespace {

const _NmEnumPair kStates[] = {{2, "Disable"}, {3, "Enable"}, {3, "On"}, {0, nullptr}};

TEST(ObjectRules, IndexColumnsGiveTheTitleAndInstanceOfARow) {
    RowTarget t = TargetOfRow({{"Index", 0x11, "3"},
                               {"Name", 0x02, "core"},
                               {"Port", 0x11, "5"},
                               {"Status", 0x32, "7"}}); // 0x30: not an index column
    EXPECT_EQ(t.title, "Index(3) Port(5) ");
    EXPECT_EQ(t.instance, ".3.5");
    EXPECT_EQ(TargetOfRow({{"Name", 0x02, "x"}}).instance, "");

    CSnmpOid index({SNMP_TYPE_INTEGER, 0x11, "1.3.1", "Index", nullptr, 0});
    CSnmpOid name({SNMP_TYPE_OCTETS, 0x02, "1.3.2", "Name", nullptr, 0});
    CSnmpOid port({SNMP_TYPE_INTEGER, 0x811, "1.3.3", "Port", nullptr, 0});
    index.m_strValue = "3";
    name.m_strValue = "core";
    port.m_strValue = "5";
    EXPECT_EQ(InstanceOfIndexValues({&index, &name, &port}), ".3.5");
}

TEST(ObjectRules, PortCellsShowTheValuesPositionAndTakeTheirChoice) {
    CSnmpOid lock({SNMP_TYPE_INTEGER, 2, "1.3.1", "Lock", kStates, 0});
    CSnmpVarBind enable("1.3.1.1.3");
    enable.SetValue(std::uint32_t(3), SNMP_TYPE_INTEGER);
    CSnmpVarBind unknown("1.3.1.1.4");
    unknown.SetValue(std::uint32_t(9), SNMP_TYPE_INTEGER);
    CSnmpVarBind text("1.3.1.1.5");
    text.SetValue(std::string("3"), SNMP_TYPE_OCTETS);
    EXPECT_EQ(PortCellValue(enable, lock), "3"); // the last entry with the number
    EXPECT_EQ(PortCellValue(unknown, lock), "0");
    EXPECT_EQ(PortCellValue(text, lock), "0");

    // Editable (read-write) cells: image 8, toggled for the second value.
    EXPECT_EQ(PortCellLookOf(1, 2).stateImage, 8);
    EXPECT_FALSE(PortCellLookOf(1, 2).toggled);
    EXPECT_TRUE(PortCellLookOf(2, 2).toggled);
    // Read-only and write-only cells show the port state images 4 to 7.
    EXPECT_EQ(PortCellLookOf(1, 1).stateImage, 4);
    EXPECT_EQ(PortCellLookOf(4, 3).stateImage, 7);
    EXPECT_FALSE(PortCellLookOf(2, 1).toggled);
    EXPECT_EQ(PortCellLookOf(0, 2).stateImage, 0);
    EXPECT_EQ(PortCellLookOf(13, 1).stateImage, 0); // beyond the state image field

    EXPECT_EQ(PortCellChoice(0, true), 0);
    EXPECT_EQ(PortCellChoice(8, false), 1);
    EXPECT_EQ(PortCellChoice(8, true), 2);
    EXPECT_EQ(EnumTextAt(lock, 2), "Enable");
    EXPECT_EQ(EnumTextAt(lock, 4), "");
    EXPECT_EQ(EnumTextAt(lock, 0), "");
}

TEST(ObjectRules, PollIntervalStaysWithinASecondAndAnHour) {
    EXPECT_EQ(PollIntervalFromText("12", 5), 12);
    EXPECT_EQ(PollIntervalFromText(" 7 ", 5), 7);
    EXPECT_EQ(PollIntervalFromText("0", 5), 1);
    EXPECT_EQ(PollIntervalFromText("-4", 5), 1);
    EXPECT_EQ(PollIntervalFromText("3601", 5), 3600);
    EXPECT_EQ(PollIntervalFromText("99999999999999999999", 5), 3600);
    EXPECT_EQ(PollIntervalFromText("", 5), 5);
    EXPECT_EQ(PollIntervalFromText("10s", 5), 5);
    EXPECT_TRUE(IsCounterObject(SNMP_TYPE_COUNTER));
    EXPECT_FALSE(IsCounterObject(SNMP_TYPE_INTEGER));
}

} // namespace
