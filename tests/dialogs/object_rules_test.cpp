// The object dialogs' rules without windows: what a selected row addresses and which set
// dialog it opens, how port cells show and take values and what the grid says when it cannot
// write them, and the poll interval a number box asks for.
#include <gtest/gtest.h>

#include "dialogs/NmDlgObjectRules.h"
#include "dialogs/NmDlgRequestRuns.h"
#include "dialogs/NmPortCtrlRules.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpMsg.h"
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

    // One set dialog per target and agent, whatever blanks the title ends with.
    EXPECT_EQ(SetDialogKey(t.title, "10.0.0.9:1161"), "Set Index(3) Port(5) on 10.0.0.9:1161");
    EXPECT_EQ(SetDialogKey("Index(3) Port(5)", "10.0.0.9:1161"),
              SetDialogKey(t.title, "10.0.0.9:1161"));
    EXPECT_NE(SetDialogKey(t.title, "10.0.0.9"), SetDialogKey(t.title, "10.0.0.10"));
    EXPECT_EQ(SetDialogKey(" ", "h"), "Set on h");
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

    // Editable (read-write) cells: image 8, crossed when the value is not the tick's.
    EXPECT_EQ(PortCellLookOf(1, 2, 1).stateImage, 8);
    EXPECT_FALSE(PortCellLookOf(1, 2, 1).toggled);
    EXPECT_TRUE(PortCellLookOf(2, 2, 1).toggled);
    EXPECT_TRUE(PortCellLookOf(1, 2, 2).toggled);
    EXPECT_FALSE(PortCellLookOf(2, 2, 2).toggled);
    // A third value cannot be shown as a switch: it looks read-only and asks for nothing.
    EXPECT_EQ(PortCellLookOf(3, 2, 1).stateImage, 6);
    EXPECT_EQ(PortCellChoice(6, false, 1), 0);
    // Read-only and write-only cells show the port state images 4 to 7.
    EXPECT_EQ(PortCellLookOf(1, 1, 1).stateImage, 4);
    EXPECT_EQ(PortCellLookOf(4, 3, 1).stateImage, 7);
    EXPECT_FALSE(PortCellLookOf(2, 1, 1).toggled);
    EXPECT_EQ(PortCellLookOf(0, 2, 1).stateImage, 0);
    EXPECT_EQ(PortCellLookOf(13, 1, 1).stateImage, 0); // beyond the state image field

    EXPECT_EQ(PortCellChoice(0, true, 1), 0);
    EXPECT_EQ(PortCellChoice(8, false, 1), 1);
    EXPECT_EQ(PortCellChoice(8, true, 1), 2);
    EXPECT_EQ(PortCellChoice(8, false, 2), 2);
    EXPECT_EQ(PortCellChoice(8, true, 2), 1);
    EXPECT_EQ(EnumTextAt(lock, 2), "Enable");
    EXPECT_EQ(EnumTextAt(lock, 4), "");
    EXPECT_EQ(EnumTextAt(lock, 0), "");
}

TEST(ObjectRules, TheTickShowsTheValueThatMeansOn) {
    const _NmEnumPair disableFirst[] = {{1, "Disable"}, {2, "Enable"}, {0, nullptr}};
    const _NmEnumPair upFirst[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};
    const _NmEnumPair offOn[] = {{1, "OFF"}, {2, "ON"}, {0, nullptr}};
    const _NmEnumPair untold[] = {{1, "red"}, {2, "green"}, {0, nullptr}};
    auto tick = [](const _NmEnumPair* values) {
        return PortTickEntry(CSnmpOid({SNMP_TYPE_INTEGER, 2, "1.3.1", "x", values, 0}));
    };
    EXPECT_EQ(tick(disableFirst), 2);
    EXPECT_EQ(tick(upFirst), 1);
    EXPECT_EQ(tick(offOn), 2);
    EXPECT_EQ(tick(untold), 1);
    EXPECT_EQ(tick(nullptr), 1);
}

TEST(ObjectRules, AnIncompleteWalkAndUnsentPortsAreSaidWithNumbers) {
    const std::int64_t t = 1700000000;
    const std::string at = FormatLocalTime(t, " at %H:%M:%S");
    EXPECT_EQ(IncompleteWalkLine(2, 28, t), "incomplete: 2 of 28 ports" + at);
    EXPECT_EQ(IncompleteWalkLine(0, 28, t), "incomplete: 0 of 28 ports" + at);
    EXPECT_EQ(IncompleteWalkLine(3, 3, t), "incomplete: 3 ports" + at);
    EXPECT_EQ(IncompleteWalkLine(1, 0, t), "incomplete: 1 port" + at);
    EXPECT_EQ(PortsNotSentLine("not read by the last walk", {"5", "6"}),
              "not sent (not read by the last walk): ports 5, 6");
    EXPECT_EQ(PortsNotSentLine("the send failed", {"7"}), "not sent (the send failed): port 7");
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

namespace {

// Encodes a reply to the objects of `run` with every value as long as this engine writes one
// (four octets; an agent may send five for a counter of 2^31 or more, which the runs allow
// for); false when the engine refuses it for its size.
bool ReplyFits(const std::vector<std::string>& oids, const NmRequestRun& run,
               const std::string& community) {
    CSnmpMsg reply(nullptr, "127.0.0.1", community, SNMP_PDU_RESPONSE);
    reply.m_pPdu->m_dwReqId = 0x7FFFFFFF;
    for (int i = run.first; i < run.first + run.count; ++i)
        reply.m_pPdu->AddOid(oids[std::size_t(i)], 0x7FFFFFFFu, SNMP_TYPE_COUNTER);
    try {
        reply.SnmpEncodeImage();
    } catch (const CSnmpException&) {
        return false;
    }
    return true;
}

TEST(RequestRuns, EveryRunsLongestReplyFitsAndRunsAreNotNeedlesslyShort) {
    // Sixty counters of a port: one request for all of them overflowed the 512 bytes.
    std::vector<std::string> oids;
    for (int i = 0; i < 60; ++i)
        oids.push_back("1.3.6.1.4.1.88888.11.9.1.2.3.1." + std::to_string(3 + i) + ".1.24");
    const std::vector<std::uint8_t> types(oids.size(), SNMP_TYPE_COUNTER);
    const std::string community = "a-longer-community";
    const std::vector<NmRequestRun> runs = NmSplitIntoRuns(oids, types, community.size());
    ASSERT_GT(runs.size(), 1u);
    int next = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        EXPECT_EQ(runs[r].first, next) << "every object once, in order";
        next += runs[r].count;
        EXPECT_TRUE(ReplyFits(oids, runs[r], community)) << "run " << r;
        if (r + 1 < runs.size()) {
            const NmRequestRun longer{runs[r].first, runs[r].count + 2};
            EXPECT_FALSE(ReplyFits(oids, longer, community)) << "run " << r << " could be longer";
        }
    }
    EXPECT_EQ(next, 60);

    const std::vector<NmRequestRun> halved = NmHalveRun(runs, 0);
    ASSERT_EQ(halved.size(), runs.size() + 1);
    EXPECT_EQ(halved[0].count + halved[1].count, runs[0].count);
    EXPECT_EQ(halved[1].first, runs[0].first + halved[0].count);
    const std::vector<NmRequestRun> one = NmHalveRun({{4, 1}}, 0);
    ASSERT_EQ(one.size(), 1u) << "a run of one stays";
}

} // namespace
