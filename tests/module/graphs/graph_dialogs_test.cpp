// The line-curve and bar-graph dialogs against the simulated switch, whose traffic follows the
// test's clock: what they poll, the samples and statistics they show, pause and start, the
// interval and span boxes, a silent switch and its return, and closing.

#include "controls/BannerCtl/CMsgControl.h"
#include "module/graphs/CBarGraphDlg.h"
#include "module/graphs/CLineGraphDlg.h"
#include "module/graphs/GraphDlgIds.h"
#include "module/graphs/windows/GraphIds.h"
#include "platform/core/TextFormat.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/snmp/transport/TestPeer.h"

namespace {

class GraphDialogsTest : public ModuleFixture {
protected:
    void SetUp() override {
        agentClock = [this] { return std::int64_t(clock.get()) * 1000; };
        StartModule();
    }
    template <typename Dlg> Dlg* Open(int slot) {
        auto* dlg = dynamic_cast<Dlg*>(OpenSlot(slot));
        EXPECT_NE(dlg, nullptr) << "slot " << slot;
        EXPECT_TRUE(WaitForReplies());
        return dlg;
    }
    // One tick of the poll timer `seconds` later, and its replies.
    void Tick(CGraphDlg* dlg, int seconds) {
        clock.advance(seconds);
        dlg->SendMessage(WM_TIMER, kGraphPollTimer, 0);
        WaitForReplies();
    }
};

} // namespace

TEST_F(GraphDialogsTest, LineCurveOfPortFourShowsRatesAndTheChosenCounter) {
    CLineGraphDlg* dlg = Open<CLineGraphDlg>(203);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->GetWindowText(), "Port 4 Statistic Line Graph");
    EXPECT_EQ(std::string(dlg->Banner()->GetLabel(1)), "Open");
    EXPECT_EQ(std::string(dlg->Banner()->GetValue(3)), "Port 4");
    EXPECT_EQ(dlg->Objects().ValueCount(), 14);
    EXPECT_EQ(dlg->Objects().Instance(), ".1.4");
    EXPECT_EQ(dlg->Objects().GetStatusCode(), 0);
    EXPECT_EQ(dlg->Box(IDC_GRAPH_RATE).GetValue(), "5 sec");
    EXPECT_EQ(dlg->Box(IDC_GRAPH_SPAN).GetValue(), "1 min");
    EXPECT_EQ(dlg->GetTimerInterval(kGraphPollTimer), 5000u);
    EXPECT_TRUE(dlg->Curve().Points().Empty()); // the first sample only primes
    // Opened from the menu it shows its first four counters, each in its own colour, and the
    // first counter's numbers; no peak yet, so no peak time.
    for (int i = 0; i < kMaxLegendItems; ++i) {
        EXPECT_EQ(dlg->Curve().GetLegendItem(i)->GetCounter(), i + 1);
        EXPECT_EQ(dlg->Curve().CurvePlot().Curves()[std::size_t(i)].colour, kLegendColours[i]);
    }
    EXPECT_EQ(dlg->Picker().GetChoice(), 1u);
    EXPECT_EQ(dlg->Box(IDC_GRAPH_PEAK_AT).GetValue(), "");
    EXPECT_EQ(dlg->Box(IDC_GRAPH_AVERAGE).GetValue(), "0/s");
    const std::uint32_t before = dlg->Objects().CounterValue(0);
    Tick(dlg, 5);
    const std::uint32_t after = dlg->Objects().CounterValue(0);
    ASSERT_GT(after, before);                                   // port 4 carries traffic
    const std::uint32_t rate = (2 * (after - before) + 5) / 10; // rounded to the nearest
    ASSERT_EQ(dlg->Curve().Points().Size(), 1u);
    EXPECT_EQ(dlg->Curve().Points().Newest().rates[0], rate);
    EXPECT_EQ(dlg->Box(IDC_GRAPH_AVERAGE).GetValue(), FormatText("%d/s", int(rate)));
    EXPECT_EQ(dlg->Box(IDC_GRAPH_PEAK).GetValue(), FormatText("%d/s", int(rate)));
    EXPECT_EQ(dlg->Box(IDC_GRAPH_PEAK_AT).GetValue(), PeakTimeText(clock.get()));
    std::uint32_t highest = 0;
    for (int i = 0; i < kMaxLegendItems; ++i)
        highest = std::max(highest, dlg->Curve().Points().Newest().rates[std::size_t(i)]);
    EXPECT_GE(dlg->Curve().GetValueRange(), highest) << "the axis fits the first rates";
    EXPECT_EQ(dlg->Picker().GetChoice(), 1u);
    EXPECT_EQ(dlg->Curve().GetStatusText(), "");
    Screenshot(dlg, "graph-line-port4");
}

TEST_F(GraphDialogsTest, OneGetAsksForTheFourteenCountersOfPortFour) {
    // The dialog over its slot's record, talking to a peer that shows what it is asked.
    TestPeer peer;
    CTableDlgData record = *dynamic_cast<CTableDlgData*>(main->GetRecord(203));
    std::snprintf(record.m_szHeaderValue[2], 80, "%s", peer.Address().c_str());
    CWnd* dlg = CLineGraphDlg::CreateFor(main.get(), &record);
    ASSERT_NE(dlg, nullptr);
    std::unique_ptr<CSnmpMsg> get = peer.ReceiveRequest();
    ASSERT_NE(get, nullptr);
    EXPECT_EQ(get->m_wPduType & 0xFF, SNMP_PDU_GET);
    ASSERT_EQ(get->m_pPdu->m_varBindList.size(), 14u);
    for (const CSnmpVarBind* vb : get->m_pPdu->m_varBindList) {
        const std::string oid(vb->m_strOid);
        EXPECT_EQ(oid.substr(0, 29), "1.3.6.1.4.1.88888.11.9.1.2.3.");
        EXPECT_EQ(oid.substr(oid.size() - 4), ".1.4");
    }
    EXPECT_EQ(std::string(get->m_pPdu->m_varBindList.front()->m_strOid),
              "1.3.6.1.4.1.88888.11.9.1.2.3.1.3.1.4");
    dlg->SendMessage(WM_CLOSE);
    PumpMessages();
}

TEST_F(GraphDialogsTest, PauseStopsPollingAndStartResumesIt) {
    CBarGraphDlg* dlg = Open<CBarGraphDlg>(263);
    ASSERT_NE(dlg, nullptr);
    ClickControl(dlg, IDC_GRAPH_PAUSE);
    EXPECT_FALSE(dlg->IsRunning());
    EXPECT_EQ(dlg->GetTimerInterval(kGraphPollTimer), 0u);
    EXPECT_FALSE(dlg->GetDlgItem(IDC_GRAPH_PAUSE)->IsWindowEnabled());
    EXPECT_TRUE(dlg->GetDlgItem(IDC_GRAPH_START)->IsWindowEnabled());
    // A changed interval waits for "Start".
    dlg->SendMessage(VALUE_BOX_UP, IDC_GRAPH_RATE, 0);
    EXPECT_EQ(dlg->Box(IDC_GRAPH_RATE).GetValue(), "6 sec");
    EXPECT_EQ(dlg->GetTimerInterval(kGraphPollTimer), 0u);
    ClickControl(dlg, IDC_GRAPH_START);
    EXPECT_TRUE(dlg->IsRunning());
    EXPECT_EQ(dlg->GetTimerInterval(kGraphPollTimer), 6000u);
    EXPECT_TRUE(dlg->GetDlgItem(IDC_GRAPH_PAUSE)->IsWindowEnabled());
    EXPECT_FALSE(dlg->GetDlgItem(IDC_GRAPH_START)->IsWindowEnabled());

    dlg->Bars().SendMessage(LEGEND_PICKED, IDC_GRAPH_LEGEND, 3);
    Tick(dlg, 6);
    EXPECT_EQ(dlg->Bars().Stats().GetIntervals(), 1u);
    EXPECT_GT(dlg->Bars().Stats().GetRecord(2).m_dwRate, 0u);
    Screenshot(dlg, "graph-bars-port4");
}

TEST_F(GraphDialogsTest, IntervalAndSpanBoxesStepTheirLadders) {
    CLineGraphDlg* dlg = Open<CLineGraphDlg>(204);
    ASSERT_NE(dlg, nullptr);
    for (int i = 0; i < 6; ++i)
        dlg->SendMessage(VALUE_BOX_DOWN, IDC_GRAPH_RATE, 0);
    EXPECT_EQ(dlg->PollInterval(), 1);
    EXPECT_EQ(dlg->Box(IDC_GRAPH_RATE).GetValue(), "1 sec");
    EXPECT_EQ(dlg->GetTimerInterval(kGraphPollTimer), 1000u);
    dlg->SendMessage(VALUE_BOX_UP, IDC_GRAPH_SPAN, 0);
    EXPECT_EQ(dlg->Box(IDC_GRAPH_SPAN).GetValue(), "1:30 sec");
    EXPECT_EQ(dlg->Curve().GetTimeSpan(), 90);
    // The box's own up/down posts the step.
    CWnd* spin = dlg->Box(IDC_GRAPH_SPAN).GetDlgItem(IDC_VALUE_BOX_SPIN);
    ASSERT_NE(spin, nullptr);
    LeftDown(spin, 5, 14);
    LeftUp(spin, 5, 14);
    PumpMessages();
    EXPECT_EQ(dlg->TimeSpan(), 60);
    EXPECT_EQ(dlg->Box(IDC_GRAPH_SPAN).GetValue(), "1 min");
}

TEST_F(GraphDialogsTest, SilentSwitchShowsItsStatusWithoutGrowingTheQueueAndSamplingResumes) {
    CLineGraphDlg* dlg = Open<CLineGraphDlg>(205);
    ASSERT_NE(dlg, nullptr);
    StopAgent();
    for (int tick = 0; tick < 4; ++tick) {
        clock.advance(1);
        dlg->SendMessage(WM_TIMER, kGraphPollTimer, 0);
        EXPECT_LE(dlg->Poller().QueuedRequests(), 1u);
    }
    ExpireRequests();
    EXPECT_EQ(dlg->Curve().GetStatusText(), "Device does not reply.");
    EXPECT_EQ(dlg->Poller().QueuedRequests(), 0u);
    Screenshot(dlg, "graph-line-silent");

    RestartAgent();
    Tick(dlg, 5);
    EXPECT_EQ(dlg->Curve().GetStatusText(), "");
    EXPECT_EQ(dlg->Curve().Points().Size(), 1u);
    EXPECT_EQ(dlg->Stats().GetIntervals(), 1u);
}

TEST_F(GraphDialogsTest, DialogsOfOneKindShareTheSequenceAndClosingFreesTheSlot) {
    CLineGraphDlg* packets = Open<CLineGraphDlg>(203);
    CLineGraphDlg* errors = Open<CLineGraphDlg>(233);
    ASSERT_NE(packets, nullptr);
    ASSERT_NE(errors, nullptr);
    EXPECT_EQ(errors->Objects().ValueCount(), 7);
    EXPECT_EQ(errors->GetWindowText(), "Port 4 Statistic Line Graph (Errors)");
    Tick(packets, 5);
    errors->SendMessage(WM_TIMER, kGraphPollTimer, 0);
    WaitForReplies();
    const std::uint32_t first = packets->Curve().Points().Newest().seq;
    EXPECT_EQ(errors->Curve().Points().Newest().seq, first + 1);

    ClickControl(packets, IDC_GRAPH_CLOSE);
    PumpMessages();
    EXPECT_EQ(main->GetChildDialog(203), nullptr);
    EXPECT_NE(main->GetChildDialog(233), nullptr);
}
