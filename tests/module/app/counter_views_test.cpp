// Every view of a port's counters against a switch that serves chosen values: the statistics
// table (slot 173), the line and bar graphs (203, 263) and NmDialog's statistic dialog, polled
// together with replies a few milliseconds off the whole seconds. Each shows rates and
// averages within 1 % of what the counters really did, or a mark where no rate can be known,
// and all of them show the same.

#include "controls/LogListCtl/CLMsgControl.h"
#include "module/app/PrintDialogs.h"
#include "module/graphs/CBarGraphDlg.h"
#include "module/graphs/CLineGraphDlg.h"
#include "module/graphs/GraphDlgIds.h"
#include "module/monitor/CStatTableDlg.h"
#include "tests/module/app/PrintedCells.h"
#include "tests/module/app/StatisticListView.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/module/support/ScriptedResponder.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <cmath>
#include <map>
#include <sstream>

namespace {

constexpr int kTableSlot = 173, kLineSlot = 203, kBarSlot = 263;
const std::string kAtLeast = "\xE2\x89\xA5";

// Port 4's counters by column of the packet counter table, `ms` after the views opened.
std::uint32_t CounterAt(int column, std::int64_t ms) {
    const auto t = std::uint64_t(ms);
    switch (column) {
    case 3: // 800,000,000 bytes a second: past 2^32 every 5.37 s
        return std::uint32_t(800000ull * t);
    case 4: // 2000 a second, stepping back 33,000 at 7.5 s: 14000 at 5 s, 4294958296 at 10 s
        return std::uint32_t(4000 + 2 * t - (t >= 7500 ? 33000 : 0));
    case 5: // 10 a second from near the top, reset to 0 at 17 s
        return t < 17000 ? std::uint32_t(4293999950ull + t / 100)
                         : std::uint32_t((t - 17000) / 100);
    case 6: // one a second
        return std::uint32_t(7 + t / 1000);
    case 9: // 100 a second, wrapping within the first interval
        return std::uint32_t(4294967000ull + t / 10);
    default:
        return 0;
    }
}

// What each counter truly did per second, where it did one thing throughout.
const std::map<std::string, double> kTruth = {{"Good Bytes Received", 800000000},
                                              {"Good Bytes Transmitted", 2000},
                                              {"Good Frames Received", 10},
                                              {"Good Frames Transmitted", 1},
                                              {"Good Broadcast Frames Received", 100}};

int ColumnOf(const std::string& oid) {
    // …3.1.<column>.1.4: the column is the fourth component from the end.
    const std::size_t end = oid.rfind(".1.4");
    const std::size_t start = oid.rfind('.', end - 1) + 1;
    return std::stoi(oid.substr(start, end - start));
}

// Counter name → the printed cells after the name, for the block headed `heading`.
std::map<std::string, std::vector<std::string>> Printed(const std::string& text,
                                                        const std::string& heading) {
    std::map<std::string, std::vector<std::string>> rows;
    std::stringstream in(text);
    bool inBlock = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("slot ", 0) == 0) {
            inBlock = line == heading;
            continue;
        }
        if (!inBlock)
            continue;
        std::vector<std::string> cells = SplitTabs(line);
        const std::string name = cells.front();
        cells.erase(cells.begin());
        rows[name] = cells;
    }
    return rows;
}

double Number(const std::string& text) {
    return std::stod(text);
}

class CounterViewsTest : public ModuleFixture {
protected:
    void SetUp() override {
        StartEngine();
        app->TakeCommandLine("/I" + peer.Address());
        main = std::make_unique<CModuleMainDlg>(app->Identity());
        ASSERT_TRUE(main->Create());
        app->m_pMainWnd = main.get();
        main->ShowWindow(SW_SHOW);
        opened = clock.getMs();
    }
    void TearDown() override {
        list.reset();
        PumpMessages();
        ModuleFixture::TearDown();
    }
    void OpenViews() {
        ASSERT_NE(OpenSlot(kTableSlot), nullptr);
        ASSERT_NE(OpenSlot(kLineSlot), nullptr);
        ASSERT_NE(OpenSlot(kBarSlot), nullptr);
        list = std::make_unique<StatisticListView>(peer.Address());
        ASSERT_TRUE(WaitForReplies());
        PumpMessages();
    }
    // Every view polls once, `ms` later.
    void TickAll(std::int64_t ms) {
        clock.advanceMs(ms);
        main->GetChildDialog(kTableSlot)->SendMessage(WM_TIMER, CStatTableDlg::kPollTimerId, 0);
        main->GetChildDialog(kLineSlot)->SendMessage(WM_TIMER, kGraphPollTimer, 0);
        main->GetChildDialog(kBarSlot)->SendMessage(WM_TIMER, kGraphPollTimer, 0);
        list->Tick();
        WaitForReplies();
        PumpMessages();
        WaitForReplies(); // NmDialog asks for its runs one after the other
        PumpMessages();
    }
    // The views' rate, average and peak texts of a counter: table, line graph, bar graph and
    // NmDialog in this order.
    std::vector<std::array<std::string, 3>> Views(const std::string& name) {
        const std::string text = PrintedDialogs(*main);
        const auto table = Printed(text, "slot 173: Port 4 Packet Analysis");
        const auto line = Printed(text, "slot 203: Port 4 Statistic Line Graph");
        const auto bars = Printed(text, "slot 263: Port 4 Statistic Bar Graph");
        std::vector<std::array<std::string, 3>> views;
        const std::vector<std::string>& t = table.at(name);
        views.push_back({t[1], t[2], t[3]});
        for (const auto* graph : {&line, &bars}) {
            const std::vector<std::string>& g = graph->at(name);
            views.push_back({g[0], g[1], g[2]});
        }
        views.push_back(list->Rates(name));
        return views;
    }
    std::string TableLog() {
        auto* table = dynamic_cast<CStatTableDlg*>(main->GetChildDialog(kTableSlot));
        std::string all;
        for (int i = 0; i < table->GetLog()->GetLineCount(); ++i)
            all += std::string(table->GetLog()->GetLine(i)) + "\n";
        return all;
    }

    std::int64_t opened = 0;
    int speedReads = 0;
    std::int64_t speedValue = 0; // 0: the switch reports no speed
    std::unique_ptr<StatisticListView> list;
    ScriptedResponder peer{[this](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        if (AsksForPortSpeed(request)) {
            ++speedReads;
            if (speedValue == 0)
                return EchoWithError(request, reply, 2);
            reply.m_pPdu->AddOid(request.m_pPdu->m_varBindList.front()->m_strOid, speedValue,
                                 SNMP_TYPE_INTEGER);
            return;
        }
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList)
            reply.m_pPdu->AddOid(
                vb->m_strOid,
                CounterAt(ColumnOf(std::string(vb->m_strOid)), clock.getMs() - opened),
                SNMP_TYPE_COUNTER);
    }};
};

} // namespace

TEST_F(CounterViewsTest, StepsBackResetsSlowCountersAndLongSilencesAreRightOrMarkedInEveryView) {
    OpenViews();
    ASSERT_GT(list->Runs(), 0);
    TickAll(5003);
    TickAll(5003); // 10 s: the step back across zero
    for (const auto& view : Views("Good Bytes Transmitted"))
        EXPECT_EQ(view[0], "-") << "no rate for 14000 → 4294958296";
    TickAll(5003);
    TickAll(19991); // 35 s: a 20 s silence, in which the reset to 0 fell too
    for (const auto& view : Views("Good Bytes Received")) {
        EXPECT_EQ(view[0].rfind(kAtLeast, 0), 0u) << view[0] << ": more wraps than can be seen";
        EXPECT_NEAR(Number(view[1]), 800000000, 8000000) << "left out of the average";
    }
    for (const auto& view : Views("Good Frames Received"))
        EXPECT_EQ(view[0], "-") << "the reset near the top";
    EXPECT_NE(TableLog().find(kCounterWrapWarning), std::string::npos) << TableLog();
    auto* line = dynamic_cast<CLineGraphDlg*>(main->GetChildDialog(kLineSlot));
    EXPECT_EQ(line->Curve().GetStatusText(), kCounterWrapWarning);
    EXPECT_NE(list->Status().find(kCounterWrapWarning), std::string::npos);
    EXPECT_FALSE(IsDrawn(line->Curve().Points().Newest(), 0)) << "a gap in the curve";

    TickAll(5003);
    EXPECT_EQ(line->Curve().GetStatusText(), "");
    for (const auto& [name, truth] : kTruth) {
        const auto views = Views(name);
        ASSERT_EQ(views.size(), 4u) << name;
        for (std::size_t v = 0; v < views.size(); ++v) {
            SCOPED_TRACE(name + " in view " + std::to_string(v));
            EXPECT_EQ(views[v], views[0]) << "every view shows the same";
            for (int k = 0; k < 3; ++k)
                EXPECT_LE(std::fabs(Number(views[v][std::size_t(k)]) - truth), truth / 100)
                    << views[v][std::size_t(k)];
        }
    }
    EXPECT_EQ(speedReads, 3) << "the table and each graph read the port's speed once";
}

TEST_F(CounterViewsTest, ACounterFasterThanThePortsLineIsNoRateAndTheSpeedIsReadAgain) {
    speedValue = 3; // 100 Mbps: at most 12,500,000 bytes a second
    OpenViews();
    TickAll(5000);
    ASSERT_EQ(Views("Good Bytes Transmitted")[0][0], "2000");
    // Good Bytes Received runs at 800,000,000 a second: more than the line carries. NmDialog,
    // which knows no ports, has only the counter's own pace to go by.
    auto views = Views("Good Bytes Received");
    views.pop_back();
    for (const auto& view : views)
        EXPECT_EQ(view[0], "-");
    auto* table = dynamic_cast<CStatTableDlg*>(main->GetChildDialog(kTableSlot));
    EXPECT_EQ(table->Statistics().At(0).track.Peak(), 0u);
    EXPECT_TRUE(table->Statistics().AnyOverLine());
    EXPECT_GT(speedReads, 3) << "over the line: the speed may have changed, so it is read again";
    const int reads = speedReads;
    speedValue = 0;
    TickAll(5000);
    TickAll(5000);
    EXPECT_GT(speedReads, reads);
}
