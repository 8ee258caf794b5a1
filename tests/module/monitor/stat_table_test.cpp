// The statistics table against the simulated switch, whose traffic runs on the test's clock:
// what it shows after the first and the second poll, pausing and the poll interval, a silent
// switch, error replies, a send that fails, and the grid's CSV.

#include "controls/KoSpin/CUDCtrl.h"
#include "controls/common/ControlMessages.h"
#include "module/dialogbase/GridContextMenu.h"
#include "module/monitor/CStatTableDlg.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"
#include "tests/module/monitor/SwitchDialogTest.h"
#include "tests/module/support/ScriptedResponder.h"

#include <QDir>

#include <fstream>

namespace {

constexpr UINT kPause = 1013;
constexpr UINT kResume = 1014;
constexpr int kPort4Packets = 173;
constexpr int kPort2Errors = 141;

class StatTableTest : public SwitchDialogTest {
protected:
    void SetUp() override {
        agentClock = [this] { return std::int64_t(clock.get()) * 1000; };
        StartModule(0x336A);
    }
    // One timer tick `seconds` after the last, and its answer.
    void Tick(CStatTableDlg* dlg, int seconds) {
        clock.advance(seconds);
        dlg->SendMessage(WM_TIMER, CStatTableDlg::kPollTimerId, 0);
        WaitForReplies();
        PumpMessages();
    }
    static std::string Box(CWnd* dlg, UINT id) {
        return static_cast<CSampMsgControl*>(dlg->GetDlgItem(int(id)))->GetValue();
    }
    static bool Enabled(CWnd* dlg, UINT id) { return dlg->GetDlgItem(int(id))->IsWindowEnabled(); }
    static std::uint32_t Total(CStatTableDlg* dlg, int row) {
        return std::uint32_t(std::stoul(Cell(dlg, 1, row)));
    }
};

TEST_F(StatTableTest, PacketCountersShowTotalsThenRatesOverTheInterval) {
    auto* dlg = Open<CStatTableDlg>(kPort4Packets);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->GetWindowText(), "Port 4 Packet Analysis");
    ASSERT_EQ(dlg->GetGrid()->GetRowCount(), 14) << "sixteen rows less the two index columns";
    ASSERT_EQ(dlg->GetGrid()->GetColumnCount(), 6);
    EXPECT_EQ(Box(dlg, CSwitchInfoDlg::kCounterId), "1");
    EXPECT_EQ(Box(dlg, CStatTableDlg::kIntervalBoxId), "5 sec");
    std::vector<std::uint32_t> first;
    for (int row = 0; row < 14; ++row) {
        first.push_back(Total(dlg, row));
        EXPECT_EQ(Cell(dlg, 2, row), "0") << "the first sample shows only totals";
        EXPECT_EQ(Cell(dlg, 3, row), "0");
        EXPECT_EQ(Cell(dlg, 4, row), "0");
        EXPECT_EQ(Cell(dlg, 5, row), "");
    }

    Tick(dlg, 5);
    const std::string peakAt = PeakTimeText(clock.get());
    int moving = 0;
    for (int row = 0; row < 14; ++row) {
        const std::uint32_t total = Total(dlg, row);
        // Rounded to the nearest: a rate cut down showed 999 for 1000/s.
        const std::int32_t rate =
            std::int32_t((2 * std::uint64_t(total - first[std::size_t(row)]) + 5) / 10);
        SCOPED_TRACE(Cell(dlg, 0, row));
        EXPECT_EQ(Cell(dlg, 2, row), std::to_string(rate));
        EXPECT_EQ(Cell(dlg, 3, row), std::to_string(rate)) << "average over one interval";
        EXPECT_EQ(Cell(dlg, 4, row), std::to_string(std::max(rate, 0)));
        EXPECT_EQ(Cell(dlg, 5, row), rate > 0 ? peakAt : "");
        moving += rate > 0;
    }
    EXPECT_GT(moving, 0) << "a port with traffic";
    EXPECT_EQ(Box(dlg, CSwitchInfoDlg::kCounterId), "2");
    Screenshot(dlg, "port4-packet-analysis");

    // A refresh in the same second has no interval to divide by: rates stay as shown.
    const std::string rate0 = Cell(dlg, 2, 0);
    dlg->Poll();
    WaitForReplies();
    EXPECT_EQ(Cell(dlg, 2, 0), rate0);
}

TEST_F(StatTableTest, PauseStopsPollingResumeRestartsItAndTheIntervalNeverDropsBelowOne) {
    auto* dlg = Open<CStatTableDlg>(kPort2Errors);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->GetGrid()->GetRowCount(), 7);
    EXPECT_FALSE(Enabled(dlg, kResume));
    EXPECT_TRUE(Enabled(dlg, kPause));

    ClickControl(dlg, kPause);
    EXPECT_TRUE(Enabled(dlg, kResume));
    EXPECT_FALSE(Enabled(dlg, kPause));
    const std::size_t before = OutstandingRequests();
    dlg->SendMessage(WM_TIMER, CStatTableDlg::kPollTimerId, 0);
    EXPECT_EQ(OutstandingRequests(), before) << "paused: a late tick sends nothing";
    EXPECT_FALSE(dlg->IsRunning());

    ClickControl(dlg, kResume);
    EXPECT_FALSE(Enabled(dlg, kResume));
    EXPECT_TRUE(dlg->IsRunning());
    dlg->SendMessage(WM_TIMER, CStatTableDlg::kPollTimerId, 0);
    EXPECT_TRUE(dlg->IsWaiting()) << "running again";
    WaitForReplies();

    dlg->SendMessage(CTRL_CLICK_MSG, CUDCtrl::kUp, CStatTableDlg::kUpDownId);
    EXPECT_EQ(Box(dlg, CStatTableDlg::kIntervalBoxId), "6 sec");
    for (int i = 0; i < 7; ++i)
        dlg->SendMessage(CTRL_CLICK_MSG, CUDCtrl::kDown, CStatTableDlg::kUpDownId);
    EXPECT_EQ(dlg->PollInterval(), 1);
    EXPECT_EQ(Box(dlg, CStatTableDlg::kIntervalBoxId), "1 sec");
}

TEST_F(StatTableTest, PollingGoesOnByItselfOnceASilentSwitchAnswersAgain) {
    const std::int64_t opened = clock.get();
    auto* dlg = Open<CStatTableDlg>(kPort4Packets);
    ASSERT_NE(dlg, nullptr);
    StopAgent();
    for (int poll = 0; poll < 2; ++poll) {
        clock.advance(5);
        dlg->SendMessage(WM_TIMER, CStatTableDlg::kPollTimerId, 0);
        ExpireRequests();
    }
    EXPECT_EQ(Log(dlg), (std::vector<std::string>{"No response", "No response"}))
        << "once per failed poll";
    EXPECT_FALSE(dlg->IsWaiting());

    RestartAgent();
    const std::uint32_t before = Total(dlg, 0);
    Tick(dlg, 5);
    EXPECT_NE(Total(dlg, 0), before) << "the next tick polls again";
    EXPECT_EQ(dlg->Statistics().Elapsed(), clock.get() - opened)
        << "from the first sample to the last";
}

TEST_F(StatTableTest, AnErrorReplyLogsItsStatusAndLeavesTheCountersAndTimesAlone) {
    std::uint32_t count = 1000;
    int polls = 0;
    ScriptedResponder faulty([&count, &polls](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        if (AsksForPortSpeed(request))
            return; // read beside the polls: not one of them
        if (++polls == 2)
            return EchoWithError(request, reply, 5);
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList)
            reply.m_pPdu->AddOid(vb->m_strOid, count, SNMP_TYPE_COUNTER);
        count += 600;
    });
    auto* dlg = OpenAt<CStatTableDlg, CTableDlgData>(kPort4Packets, faulty.Address());
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Total(dlg, 0), 1000u);

    Tick(dlg, 5); // an error reply
    EXPECT_EQ(Total(dlg, 0), 1000u);
    ASSERT_EQ(Log(dlg).size(), 1u);
    EXPECT_NE(Log(dlg)[0].find("General error"), std::string::npos) << Log(dlg)[0];

    Tick(dlg, 5);
    EXPECT_EQ(Total(dlg, 1), 1600u);
    EXPECT_EQ(Cell(dlg, 2, 1), "60") << "600 over the ten seconds since the last good reply";
    EXPECT_EQ(Cell(dlg, 3, 1), "60") << "the failed poll's interval is not counted twice";
    EXPECT_EQ(Log(dlg).size(), 1u) << "good replies add nothing to the log";
}

TEST_F(StatTableTest, ASendThatFailsAtOnceDoesNotStopPolling) {
    auto* dlg = OpenAt<CStatTableDlg, CTableDlgData>(kPort4Packets, "127.0.0.1:0");
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(dlg->IsWaiting());
    EXPECT_EQ(LastLog(dlg), "No response");
    dlg->SendMessage(WM_TIMER, CStatTableDlg::kPollTimerId, 0);
    EXPECT_EQ(Log(dlg).size(), 2u) << "the next tick tries again";
}

TEST_F(StatTableTest, SavedCsvHasTheSixColumns) {
    auto* dlg = Open<CStatTableDlg>(kPort4Packets);
    ASSERT_NE(dlg, nullptr);
    const std::string path = QDir::tempPath().toStdString() + "/taurel-port-traffic.csv";
    prompt.menuChoices.push_back(GridMenuCmd::kSaveAsCsv);
    prompt.saveFileChoices.push_back(path);
    RightClickGrid(dlg);
    ASSERT_EQ(prompt.saveFileRequests.size(), 1u);
    EXPECT_EQ(prompt.saveFileRequests[0].suggestedName, "Port 4 Packet Analysis.csv");
    std::ifstream saved(path, std::ios::binary);
    std::string header;
    std::getline(saved, header);
    EXPECT_EQ(header, "Object Name,Total,Rate/s,Avg Rate/s,Peak Rate/s,Peak At\r");
    std::string row;
    std::getline(saved, row);
    EXPECT_EQ(std::count(row.begin(), row.end(), ','), 5) << row;
    std::remove(path.c_str());
}

TEST_F(StatTableTest, GrowingKeepsBothBoxesAndTheUpDownAtTheRightEdge) {
    auto* dlg = Open<CStatTableDlg>(kPort4Packets);
    ASSERT_NE(dlg, nullptr);
    const int offset = RectIn(dlg, CStatTableDlg::kUpDownId).left -
                       RectIn(dlg, CStatTableDlg::kIntervalBoxId).left;
    const CSize first = Size(dlg);
    CRect at;
    dlg->GetWindowRect(&at);
    dlg->MoveWindow(at.left, at.top, first.cx + 200, first.cy + 100);
    PumpMessages();
    const int W = first.cx + 200;
    EXPECT_EQ(RectIn(dlg, CSwitchInfoDlg::kCounterId).left, W - 96);
    EXPECT_EQ(RectIn(dlg, CStatTableDlg::kIntervalBoxId).left, W - 96);
    EXPECT_EQ(RectIn(dlg, CStatTableDlg::kUpDownId).left, W - 96 + offset);
    EXPECT_EQ(RectIn(dlg, kPause).left, W - 86);
    Screenshot(dlg, "port4-packet-analysis-grown");
}

} // namespace
