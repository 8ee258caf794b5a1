// `taurel --print` against a scripted switch whose port 4 carries a fast counter, a wrapping
// counter and a counter that is reset mid-run: the statistics table (slot 173) and the line
// graph (slot 203) polled together must print the same, exact averages and peaks.

#include "module/app/PrintDialogs.h"
#include "module/graphs/CGraphDlg.h"
#include "module/graphs/GraphDlgIds.h"
#include "module/monitor/CStatTableDlg.h"
#include "tests/module/app/PrintedCells.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/module/support/ScriptedResponder.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <map>
#include <sstream>

namespace {

constexpr int kTableSlot = 173; // port 4's packet counters as a table
constexpr int kGraphSlot = 203; // the same counters as a line curve

// Port 4's packet counters by column of the packet counter table, as functions of the seconds
// since the dialogs opened.
std::uint32_t CounterAt(int column, std::int64_t t) {
    switch (column) {
    case 3: // Good Bytes Received: 500,000,000 a second, past 2^32 every 8.6 s
        return std::uint32_t(500000000ull * std::uint64_t(t));
    case 4: // Good Bytes Transmitted: 1000 a second from just below the top
        return std::uint32_t(0xFFFFFFFFull - 2999 + 1000ull * std::uint64_t(t));
    case 5: // Good Frames Received: 10,000 a second, cleared at 17 s
        return t < 17 ? std::uint32_t(1000000 + 10000 * t) : std::uint32_t(10000 * (t - 17));
    default:
        return 7;
    }
}

std::map<std::string, std::uint32_t> kTrafficLimit = {{"Good Bytes Received", 500000000u},
                                                      {"Good Bytes Transmitted", 1000u},
                                                      {"Good Frames Received", 10000u}};

// The printed blocks: heading → rows of cells.
std::map<std::string, std::vector<std::vector<std::string>>> ParsePrint(const std::string& text) {
    std::map<std::string, std::vector<std::vector<std::string>>> blocks;
    std::string heading;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("slot ", 0) == 0 || line.rfind("main: ", 0) == 0)
            heading = line; // a heading with no rows makes no block
        else
            blocks[heading].push_back(SplitTabs(line));
    }
    return blocks;
}

class PrintTest : public ModuleFixture {
protected:
    void SetUp() override {
        StartEngine();
        opened = clock.get();
        app->TakeCommandLine("/I" + peer.Address());
        main = std::make_unique<CModuleMainDlg>(app->Identity());
        ASSERT_TRUE(main->Create());
        app->m_pMainWnd = main.get();
        main->ShowWindow(SW_SHOW);
    }
    void TickBoth(int seconds) {
        clock.advance(seconds);
        main->GetChildDialog(kTableSlot)->SendMessage(WM_TIMER, CStatTableDlg::kPollTimerId, 0);
        main->GetChildDialog(kGraphSlot)->SendMessage(WM_TIMER, kGraphPollTimer, 0);
        WaitForReplies();
        PumpMessages();
    }

    std::int64_t opened = 0;
    ScriptedResponder peer{[this](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList) {
            // …3.1.<column>.1.4: the column is the fourth component from the end.
            std::string oid(vb->m_strOid);
            std::size_t end = oid.rfind(".1.4");
            std::size_t start = oid.rfind('.', end - 1) + 1;
            int column = std::stoi(oid.substr(start, end - start));
            if (column <= 2)
                reply.m_pPdu->AddOid(vb->m_strOid, std::int64_t(column == 1 ? 1 : 4),
                                     SNMP_TYPE_INTEGER);
            else
                reply.m_pPdu->AddOid(vb->m_strOid, CounterAt(column, clock.get() - opened),
                                     SNMP_TYPE_COUNTER);
        }
    }};
};

} // namespace

TEST_F(PrintTest, TableAndGraphPrintTheSameExactAveragesAndPeaksThroughWrapsAndAReset) {
    ASSERT_NE(OpenSlot(kTableSlot), nullptr);
    ASSERT_NE(OpenSlot(kGraphSlot), nullptr);
    ASSERT_TRUE(WaitForReplies());
    PumpMessages();
    for (int t = 5; t <= 30; t += 5)
        TickBoth(5);

    const std::string printed = PrintedDialogs(*main);
    EXPECT_EQ(printed.rfind("main: \nslot 173: ", 0), 0u) << "the status line first, empty";
    auto blocks = ParsePrint(printed);
    ASSERT_EQ(blocks.size(), 2u);
    const auto& table = blocks["slot 173: Port 4 Packet Analysis"];
    const auto& graph = blocks["slot 203: Port 4 Statistic Line Graph"];
    ASSERT_EQ(table.size(), 14u);
    ASSERT_EQ(graph.size(), 14u);
    for (std::size_t row = 0; row < table.size(); ++row) {
        ASSERT_EQ(table[row].size(), 6u);
        ASSERT_EQ(graph[row].size(), 5u);
        const std::string& name = table[row][0];
        EXPECT_EQ(graph[row][0], name);
        EXPECT_EQ(graph[row][1], table[row][2]) << name << ": rate";
        EXPECT_EQ(graph[row][2], table[row][3]) << name << ": average";
        EXPECT_EQ(graph[row][3], table[row][4]) << name << ": peak";
        if (kTrafficLimit.count(name)) {
            EXPECT_EQ(table[row][3], std::to_string(kTrafficLimit[name])) << name << ": average";
            EXPECT_EQ(table[row][4], std::to_string(kTrafficLimit[name])) << name << ": peak";
        }
    }
    EXPECT_EQ(table[0][1], std::to_string(CounterAt(3, 30))) << "totals show unsigned";
    EXPECT_EQ(table[2][1], "130000") << "counting went on from the cleared value";
}

TEST(PrintedDialog, HeadingAndRowsStayOneLineEach) {
    EXPECT_EQ(PrintedDialog(7, "A\tB\nC", {{"x", "1"}, {"y\tz", "2"}}),
              "slot 7: A B C\nx\t1\ny z\t2\n");
}
