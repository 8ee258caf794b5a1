// The five object dialogs against the simulated switch over real UDP: values, table walks,
// the set dialog's editing, the port grid's toggles and per-port sets, counter statistics, and
// outcomes that must change nothing or must end the wait.
#include <gtest/gtest.h>

#include "agent/CAgentServer.h"
#include "dialogs/CNmDlgGet.h"
#include "dialogs/CNmDlgGetNext.h"
#include "dialogs/CNmDlgPortCtrl.h"
#include "dialogs/CNmDlgSet.h"
#include "dialogs/CNmDlgStatistic.h"
#include "module/tables/DeviceTables.h"
#include "module/tables/EnumTexts.h"
#include "module/tables/PortTables.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpTransport.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "tests/module/support/ScriptedResponder.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

// The port control table with its index columns named as an operator would see them.
const _NmOidTable kPortRows[] = {
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.9.1.2.2.1.1", "Index", nullptr, 0},
    {SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.11.9.1.2.2.1.2", "Port", nullptr, 0},
    {SNMP_TYPE_INTEGER, 2, "1.3.6.1.4.1.88888.11.9.1.2.2.1.3", "Port Lock", g_DisableEnableEnum, 0},
};
const _NmOidTable* const kPortLockRows = g_PortSettingsTable + 5; // lock, link alarm

// Port 1's twenty-one counters: one get for all of them overflowed the 512-byte message area.
const std::vector<_NmOidTable>& PortCounterRows() {
    static const std::vector<_NmOidTable> rows = [] {
        std::vector<_NmOidTable> all(g_PortPacketTable + 2,
                                     g_PortPacketTable + kPortPacketRowCount);
        all.insert(all.end(), g_PortErrorTable + 2, g_PortErrorTable + kPortErrorRowCount);
        return all;
    }();
    return rows;
}

class ObjectDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        SnmpInit(nullptr);
        std::string error;
        ASSERT_TRUE(agent.Listen("127.0.0.1", 0, error)) << error;
    }
    void TearDown() override {
        nmdlgCloseAll();
        PumpMessages();
        SnmpDone();
    }
    const SwitchConfig& Config() const { return agent.Engine().Switch().Config(); }
    static int Lines(const std::string& status) {
        return int(std::count(status.begin(), status.end(), '\n'));
    }
    // A reply for a request the dialog does not wait for.
    static void SendStaleReply(CNmDlgLayout* dlg) {
        auto* msg = new CSnmpMsg(dlg, "127.0.0.1", "tessla", SNMP_PDU_RESPONSE);
        msg->m_pPdu->m_dwReqId = 0x7FFF0000;
        msg->m_pPdu->AddOid("1.3.6.1.2.1.1.4.0", std::string("stale"), SNMP_TYPE_OCTETS);
        dlg->SendMessage(WM_NMDLG_SNMP_REPLY, 0, LPARAM(msg));
    }
    static std::string Cells(const CNmListCtrl& list) {
        std::string all;
        for (int r = 0; r < list.GetItemCount(); ++r)
            for (int c = 0; c < list.GetColumnCount(); ++c)
                all += list.GetItemText(r, c) + "|";
        return all;
    }
    // The middle of a list cell, where an operator clicks.
    static QPoint CellCentre(const CNmListCtrl& list, int row, int col) {
        CRect cell;
        list.GetSubItemRect(row, col, LVIR_LABEL, cell);
        return QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }
    // A click as an operator makes it, far enough in time from the next not to make a double
    // click with it.
    static void ClickCell(CNmListCtrl& list, int row, int col) {
        QTest::mouseClick(list.GetWidget(), Qt::LeftButton, {}, CellCentre(list, row, col));
        QTest::qWait(QApplication::doubleClickInterval() / 10);
    }
    // Wide enough for every port column, as an operator would make it.
    static void ShowAllPorts(CNmDlgLayout* dlg) {
        CRect frame;
        dlg->GetWindowRect(&frame);
        dlg->MoveWindow(frame.left, frame.top, 980, frame.Height());
        PumpMessages();
    }
    // An agent that never answers.
    static std::unique_ptr<CAgentServer> SilentAgent() {
        AgentServerSettings settings;
        settings.faults.dropPercent = 100;
        auto silent = std::make_unique<CAgentServer>(settings);
        std::string error;
        EXPECT_TRUE(silent->Listen("127.0.0.1", 0, error)) << error;
        return silent;
    }
    CAgentServer agent{AgentServerSettings{}};
};

TEST_F(ObjectDialogTest, GetFillsColumnOneAndAnErrorStatusOnlyAddsTheStatusLine) {
    auto* dlg = new CNmDlgGet(nullptr, "get", agent.ListenAddress(), "tessla", "marbelo", 3,
                              kSystemRows + 3, ".0");
    EXPECT_FALSE(dlg->IsWindowVisible());
    dlg->ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 1; }));
    EXPECT_EQ(dlg->m_listCtrl.GetColumnHeading(1), "Description");
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 1), "Network Operations");
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(1, 1), "taurel-switch");
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(2, 1), "Equipment room");
    EXPECT_EQ(dlg->m_listCtrl.m_rowColors[0], RGB(0, 0, 255));
    SaveScreenshot(dlg, "nmdlg_get");

    const std::string before = Cells(dlg->m_listCtrl);
    dlg->m_pSnmp->m_strInstance = ".7"; // no such instance: noSuchName
    dlg->Refresh();
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 2; }));
    EXPECT_NE(dlg->m_strStatus.find("noSuchName, 1.3.6.1.2.1.1"), std::string::npos);
    EXPECT_EQ(Cells(dlg->m_listCtrl), before);

    SendStaleReply(dlg);
    EXPECT_EQ(Cells(dlg->m_listCtrl), before);
    EXPECT_EQ(Lines(dlg->m_strStatus), 2);

    // Set opens one set dialog for the same objects, titled after this dialog and the agent;
    // Set again brings that window back instead of opening a second one over it.
    dlg->Set();
    const std::string key = "Set get on " + agent.ListenAddress();
    auto* set = dynamic_cast<CNmDlgSet*>(nmdlgFind(key));
    ASSERT_NE(set, nullptr);
    EXPECT_TRUE(set->IsWindowVisible());
    EXPECT_EQ(set->GetWindowText(), key);
    EXPECT_EQ(set->m_pSnmp->m_strInstance, ".7");
    set->ShowWindow(SW_MINIMIZE);
    dlg->Set();
    EXPECT_FALSE(set->IsIconic());
    set->DestroyWindow();
    EXPECT_EQ(nmdlgFind(key), nullptr) << "a second set dialog was opened";
}

TEST_F(ObjectDialogTest, AFailedSendEndsTheWaitWithItsStatusAndRefreshTriesAgain) {
    SnmpDone(); // without a running engine every send fails before it returns
    auto* dlg = new CNmDlgGet(nullptr, "failing", agent.ListenAddress(), "tessla", "marbelo", 3,
                              kSystemRows, ".0");
    EXPECT_EQ(dlg->m_strStatus, "unknown error\r\n");
    EXPECT_EQ(dlg->m_dwPendingReqId, 0u);
    dlg->Refresh();
    EXPECT_EQ(dlg->m_strStatus, "unknown error\r\nunknown error\r\n");
    auto* walk = new CNmDlgGetNext(nullptr, "walk", agent.ListenAddress(), "tessla", "marbelo",
                                   kMibCapabilityRowCount, g_MibCapabilityTable, "");
    EXPECT_EQ(walk->m_strStatus, "unknown error\r\n");
    EXPECT_EQ(walk->m_dwPendingReqId, 0u);
    EXPECT_TRUE(walk->m_pSnmp->m_strPosition.empty());
    nmdlgCloseAll();
    SnmpInit(nullptr);
}

TEST_F(ObjectDialogTest, EachDialogWaitsAsLongAndRetriesAsOftenAsItsOwnOptionsSay) {
    Clock::Manual clock;
    std::unique_ptr<CAgentServer> silent = SilentAgent();
    auto open = [&](const char* key, NmDlgRequestOptions options) {
        nmdlgSetRequestOptions(options);
        auto* dlg = new CNmDlgGet(nullptr, key, silent->ListenAddress(), "tessla", "marbelo", 3,
                                  kSystemRows + 3, ".0");
        nmdlgSetRequestOptions({});
        return dlg;
    };
    CNmDlgGet* quick = open("quick", {});
    CNmDlgGet* patient = open("patient", {3000, 0});
    CNmDlgGet* retrying = open("retrying", {0, 1});
    auto tick = [&](int seconds) {
        clock.advance(seconds);
        for (int i = 0; i < 3; ++i) // one request per tick
            GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId);
    };
    tick(1);
    EXPECT_EQ(quick->m_strStatus, "timeout\r\n");
    EXPECT_EQ(patient->m_strStatus, "");
    EXPECT_EQ(retrying->m_strStatus, "") << "sent again instead";
    tick(1);
    EXPECT_EQ(retrying->m_strStatus, "timeout\r\n");
    EXPECT_EQ(patient->m_strStatus, "");
    tick(2);
    EXPECT_EQ(patient->m_strStatus, "timeout\r\n");

    // The set dialog opened from it waits as long.
    patient->Set();
    auto* set = dynamic_cast<CNmDlgSet*>(nmdlgFind("Set patient on " + silent->ListenAddress()));
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->GetRequestOptions().timeoutMs, 3000);
    tick(3);
    EXPECT_EQ(set->m_strStatus, "");
}

TEST_F(ObjectDialogTest, GetNextWalksTheTableToItsEndAndRefreshStartsAgain) {
    auto* dlg = new CNmDlgGetNext(nullptr, "capabilities", agent.ListenAddress(), "tessla",
                                  "marbelo", kMibCapabilityRowCount, g_MibCapabilityTable, "");
    dlg->ShowWindow(SW_SHOW);
    const int rows = int(Config().capabilities.size());
    // One reply per row and one that leaves the table.
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == rows + 1; }));
    EXPECT_EQ(dlg->m_dwPendingReqId, 0u);
    EXPECT_TRUE(dlg->m_pSnmp->m_strPosition.empty());
    ASSERT_EQ(dlg->m_listCtrl.GetItemCount(), rows);
    EXPECT_EQ(dlg->m_listCtrl.GetColumnCount(), kMibCapabilityRowCount);
    EXPECT_EQ(dlg->m_listCtrl.GetColumnHeading(1), "Description");
    EXPECT_EQ(dlg->m_listCtrl.m_columnColors[1], RGB(0, 0, 255));
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(2, 0), "3");
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(2, 1), "Switch enterprise MIB");
    EXPECT_EQ(dlg->GetButton(1)->GetWindowText(), "&More");

    const std::string before = Cells(dlg->m_listCtrl);
    SendStaleReply(dlg);
    EXPECT_EQ(Cells(dlg->m_listCtrl), before);

    dlg->Refresh();
    EXPECT_EQ(dlg->m_listCtrl.GetItemCount(), 0);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 2 * (rows + 1); }));
    EXPECT_EQ(Cells(dlg->m_listCtrl), before);
}

TEST_F(ObjectDialogTest, MoreAndADoubleClickOpenTheSetDialogOfTheRowClickedLast) {
    auto* dlg = new CNmDlgGetNext(nullptr, "ports", agent.ListenAddress(), "tessla", "marbelo", 3,
                                  kPortRows, "");
    dlg->ShowWindow(SW_SHOW);
    ASSERT_TRUE(
        PumpUntil([&] { return dlg->m_listCtrl.GetItemCount() == 28 && !dlg->m_dwPendingReqId; }));
    const std::string setKey = "Set Index(1) Port(4) on " + agent.ListenAddress();
    dlg->More(); // nothing selected
    EXPECT_EQ(nmdlgFind(setKey), nullptr);

    // A click on row 1's index, then a double click on row 4's last column: row 4 is written.
    ClickCell(dlg->m_listCtrl, 0, 0);
    QTest::mouseDClick(dlg->m_listCtrl.GetWidget(), Qt::LeftButton, {},
                       CellCentre(dlg->m_listCtrl, 3, 2));
    PumpMessages();
    auto* set = dynamic_cast<CNmDlgSet*>(nmdlgFind(setKey));
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->m_pSnmp->m_strInstance, ".1.4");
    EXPECT_EQ(set->GetHeaderValue(3)->GetWindowText(), "Index(1) Port(4) ");
    EXPECT_EQ(set->GetWindowText(), setKey);
    // The index objects stay on the set dialog; nothing read-only else would.
    EXPECT_EQ(set->m_listCtrl.GetItemCount(), 3);
    ASSERT_TRUE(PumpUntil([&] { return set->m_listCtrl.GetItemText(1, 1) == "4"; }));
    EXPECT_EQ(set->m_listCtrl.GetItemText(2, 1), "Disable");

    // More takes the row clicked in any column, too.
    ClickCell(dlg->m_listCtrl, 1, 1);
    dlg->More();
    EXPECT_NE(nmdlgFind("Set Index(1) Port(2) on " + agent.ListenAddress()), nullptr);
}

TEST_F(ObjectDialogTest, SetMarksOnlyRealChangesAndApplyWritesAndReadsBack) {
    auto* dlg = new CNmDlgSet(nullptr, "set", agent.ListenAddress(), "tessla", "marbelo", 6,
                              kSystemRows, ".0");
    dlg->ShowWindow(SW_SHOW);
    dlg->GetWidget()->activateWindow();
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 1; }));
    ASSERT_EQ(dlg->m_listCtrl.GetItemCount(), 3); // read-only objects are gone
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(1, 0), "sysName");

    // The first click, on the object's name, only focuses the row.
    ClickCell(dlg->m_listCtrl, 1, 0);
    ASSERT_EQ(dlg->m_listCtrl.GetDlgItem(0xFE01), nullptr);
    EXPECT_EQ(dlg->m_listCtrl.GetNextItem(-1, LVNI_SELECTED | LVNI_FOCUSED), 1);
    auto edit = [&](int row, const char* text) {
        ClickCell(dlg->m_listCtrl, row, 1);
        CWnd* box = dlg->m_listCtrl.GetDlgItem(0xFE01);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetWindowText(), dlg->m_listCtrl.GetItemText(row, 1));
        // The whole value is selected: typing replaces it.
        QTest::keyClicks(box->GetWidget(), text);
        QTest::keyClick(box->GetWidget(), Qt::Key_Return);
        PumpMessages();
    };
    edit(1, "taurel-switch");
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(1, 1), "taurel-switch");
    EXPECT_EQ(dlg->m_listCtrl.GetItemState(1, LVIS_OVERLAYMASK), 0u);
    edit(1, "core-7");
    EXPECT_EQ(dlg->m_listCtrl.GetItemState(1, LVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));
    SaveScreenshot(dlg, "nmdlg_set_changed");

    const std::string before = Cells(dlg->m_listCtrl);
    SendStaleReply(dlg);
    EXPECT_EQ(Cells(dlg->m_listCtrl), before);

    dlg->Apply();
    // The set's reply and the read-back's.
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 3; }));
    EXPECT_EQ(Config().name, "core-7");
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(1, 1), "core-7");
    EXPECT_EQ(dlg->m_listCtrl.GetItemState(1, LVIS_OVERLAYMASK), 0u);
}

TEST_F(ObjectDialogTest, SetWritesBackEveryOctetOfAValueTheOperatorLeftAlone) {
    // sysContact holds a zero byte: its cell can show only what comes before it.
    const std::string contact("ab\0cd", 5);
    std::vector<std::string> written;
    ScriptedResponder agentWithZero([&](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList) {
            const std::string name = vb->m_strOid;
            if (request.m_wPduType == SNMP_PDU_SET)
                written.emplace_back(reinterpret_cast<const char*>(vb->GetBytes()), vb->m_wLength);
            reply.m_pPdu->AddOid(name, name == "1.3.6.1.2.1.1.4.0" ? contact : std::string("x"),
                                 SNMP_TYPE_OCTETS);
        }
    });
    auto* dlg = new CNmDlgSet(nullptr, "zero", agentWithZero.Address(), "tessla", "marbelo", 6,
                              kSystemRows, ".0");
    dlg->ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 1; })) << dlg->m_strStatus;
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 1), "ab");
    dlg->m_listCtrl.SetItemText(1, 1, "core-7");
    dlg->Apply();
    ASSERT_TRUE(PumpUntil([&] { return written.size() == 3; }));
    EXPECT_EQ(written, (std::vector<std::string>{contact, "core-7", "x"}));
}

TEST_F(ObjectDialogTest, PortControlWalksThePortsAndAppliesEachToggledPort) {
    auto* dlg = new CNmDlgPortCtrl(nullptr, "ports", agent.ListenAddress(), "tessla", "marbelo", 2,
                                   kPortLockRows, ".1");
    dlg->ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 29; }));
    ASSERT_EQ(dlg->m_nPortColumns, 28);
    ASSERT_EQ(dlg->m_listCtrl.GetColumnCount(), 29);
    for (int port = 1; port <= 28; ++port)
        EXPECT_EQ(dlg->m_listCtrl.GetColumnHeading(port), std::to_string(port));
    // Disable is the first named value: an editable cell without the toggle mark.
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 3), "1");

    const std::string before = Cells(dlg->m_listCtrl);
    SendStaleReply(dlg);
    EXPECT_EQ(Cells(dlg->m_listCtrl), before);

    ShowAllPorts(dlg);
    auto click = [&](int row, int col) { ClickCell(dlg->m_listCtrl, row, col); };
    click(0, 3);
    EXPECT_EQ(dlg->m_listCtrl.GetItemState(0, LVIS_OVERLAYMASK), 0u) << "row state untouched";
    click(0, 7);
    click(1, 7);
    click(1, 7); // toggled back: port 7's alarm is unchanged
    SaveScreenshot(dlg, "nmdlg_portctrl_toggled");
    dlg->Apply();
    EXPECT_EQ(dlg->m_setReqIds.size(), 2u);
    // The ports are walked again once both sets are answered.
    ASSERT_TRUE(
        PumpUntil([&] { return dlg->m_setReqIds.empty() && Lines(dlg->m_strStatus) == 58; }));
    EXPECT_EQ(Config().ports[2].lock, STATE_ENABLE);
    EXPECT_EQ(Config().ports[6].lock, STATE_ENABLE);
    EXPECT_EQ(Config().ports[6].linkAlarm, STATE_DISABLE);
    EXPECT_EQ(Config().ports[3].lock, STATE_DISABLE);
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 3), "2");
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 4), "1");
    EXPECT_EQ(dlg->m_listCtrl.GetColumnCount(), 29);
}

// A port-control dialog whose walk turns to another agent once `redirectAfter` ports are read.
class RedirectedPortCtrl : public CNmDlgPortCtrl {
public:
    using CNmDlgPortCtrl::CNmDlgPortCtrl;
    void OnSnmpSendReply(UINT code, LPARAM msg) override {
        if (m_dwPendingReqId != 0 && m_nPortColumns + 1 == redirectAfter)
            m_pSnmp->m_strIpAddr = next;
        CNmDlgPortCtrl::OnSnmpSendReply(code, msg);
    }
    int redirectAfter = -1;
    std::string next;
};

TEST_F(ObjectDialogTest, PortControlGreysPortsALostReplyLeftUnreadAndNamesTogglesItCannotSend) {
    Clock::Manual clock;
    std::unique_ptr<CAgentServer> silent = SilentAgent();
    auto* dlg = new RedirectedPortCtrl(nullptr, "ports", agent.ListenAddress(), "tessla", "marbelo",
                                       2, kPortLockRows, ".1");
    dlg->ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 29; }));
    ShowAllPorts(dlg);
    ClickCell(dlg->m_listCtrl, 0,
              5); // port 5's lock, toggled before the walk that will lose a reply

    // The walk loses the reply after port 2: the rest of the grid is out of date.
    dlg->redirectAfter = 2;
    dlg->next = silent->ListenAddress();
    dlg->Refresh();
    ASSERT_TRUE(PumpUntil([&] { return dlg->m_nPortColumns == 2; }));
    PumpUntil([] { return false; }, 50);
    clock.advance(2);
    GetSnmpDllDlg()->OnTimer(CSnmpDll::kTimerId);
    ASSERT_EQ(dlg->m_dwPendingReqId, 0u);
    const std::string at = FormatLocalTime(Clock::now(), " at %H:%M:%S");
    EXPECT_NE(dlg->m_strStatus.find("timeout\r\nincomplete: 2 of 28 ports" + at + "\r\n"),
              std::string::npos)
        << dlg->m_strStatus;
    EXPECT_FALSE(dlg->m_listCtrl.IsColumnGreyed(2));
    for (int port = 3; port <= 28; ++port)
        EXPECT_TRUE(dlg->m_listCtrl.IsColumnGreyed(port)) << port;
    SaveScreenshot(dlg, "nmdlg_portctrl_incomplete");

    // An unread port cannot be toggled; the toggle made before stays, and Apply says it was
    // not written.
    const std::string before = Cells(dlg->m_listCtrl);
    ClickCell(dlg->m_listCtrl, 1, 6);
    EXPECT_EQ(Cells(dlg->m_listCtrl), before);
    EXPECT_EQ(dlg->m_listCtrl.GetItemState(1, LVIS_OVERLAYMASK), 0u);
    dlg->Apply();
    EXPECT_TRUE(dlg->m_setReqIds.empty());
    EXPECT_NE(dlg->m_strStatus.find("not sent (not read by the last walk): port 5\r\n"),
              std::string::npos)
        << dlg->m_strStatus;
    EXPECT_EQ(Config().ports[4].lock, STATE_DISABLE);
}

TEST_F(ObjectDialogTest, StatisticShowsTotalsThenRatesAndItsSpinSetsThePollInterval) {
    Clock::Manual clock;
    auto* dlg = new CNmDlgStatistic(nullptr, "stats", agent.ListenAddress(), "tessla", "marbelo", 4,
                                    g_PortPacketTable + 2, ".1.1");
    dlg->ShowWindow(SW_SHOW);
    EXPECT_TRUE(dlg->m_numberBox.IsWindowVisible());
    EXPECT_EQ(dlg->m_numberBox.GetWindowText(), "5");
    EXPECT_EQ(dlg->GetTimerInterval(CNmDlgStatistic::kPollTimer), 5000u);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 1; }));
    EXPECT_EQ(dlg->m_listCtrl.GetColumnHeading(5), "Peak At");
    const auto total = [&](int row) { return std::stoul(dlg->m_listCtrl.GetItemText(row, 1)); };
    const unsigned long first = total(0);
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 2), "0");
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 5), "");

    // The traffic the agent adds meanwhile gives a rate over the ten seconds.
    PumpUntil([] { return false; }, 300);
    clock.advance(10);
    dlg->SendMessage(WM_TIMER, CNmDlgStatistic::kPollTimer);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 2; }));
    const long rate = (long(total(0) - first) + 5) / 10; // rounded to the nearest
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 2), std::to_string(rate));
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 3), std::to_string(rate));
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 4), std::to_string(rate));
    SaveScreenshot(dlg, "nmdlg_statistic");

    CRect spin;
    dlg->m_spin.GetClientRect(&spin);
    LeftDown(&dlg->m_spin, spin.Width() / 2, 2);
    LeftUp(&dlg->m_spin, spin.Width() / 2, 2);
    PumpMessages();
    EXPECT_EQ(dlg->m_nPollInterval, 6);
    EXPECT_EQ(dlg->GetTimerInterval(CNmDlgStatistic::kPollTimer), 6000u);
    // A typed interval is taken at once, kept within an hour; the box shows the interval
    // taken from the next poll on.
    QWidget* box = dlg->m_numberBox.GetWidget();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, "30");
    EXPECT_EQ(dlg->m_numberBox.GetWindowText(), "30");
    EXPECT_EQ(dlg->m_nPollInterval, 30);
    EXPECT_EQ(dlg->GetTimerInterval(CNmDlgStatistic::kPollTimer), 30000u);
    QTest::keyClicks(box, "000");
    EXPECT_EQ(dlg->m_nPollInterval, 3600);
    EXPECT_EQ(dlg->GetTimerInterval(CNmDlgStatistic::kPollTimer), 3600000u);
    EXPECT_EQ(dlg->m_numberBox.GetWindowText(), "30000");
    dlg->SendMessage(WM_TIMER, CNmDlgStatistic::kPollTimer);
    EXPECT_EQ(dlg->m_numberBox.GetWindowText(), "3600");
}

TEST_F(ObjectDialogTest, StatisticAsksForAnyNumberOfCountersInRunsThatFit) {
    Clock::Manual clock;
    const std::vector<_NmOidTable>& rows = PortCounterRows();
    ASSERT_EQ(rows.size(), 21u);
    auto* dlg = new CNmDlgStatistic(nullptr, "port 1 counters", agent.ListenAddress(), "tessla",
                                    "marbelo", int(rows.size()), rows.data(), ".1.1");
    dlg->ShowWindow(SW_SHOW);
    EXPECT_GE(dlg->Runs().size(), 2u);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 1; })) << dlg->m_strStatus;
    EXPECT_NE(dlg->m_strStatus.find("sucessful"), std::string::npos) << dlg->m_strStatus;
    std::vector<unsigned long> first;
    for (int row = 0; row < 21; ++row) {
        const std::string total = dlg->m_listCtrl.GetItemText(row, 1);
        ASSERT_FALSE(total.empty()) << "row " << row << " got no value";
        first.push_back(std::stoul(total));
    }
    PumpUntil([] { return false; }, 300);
    clock.advance(10);
    dlg->SendMessage(WM_TIMER, CNmDlgStatistic::kPollTimer);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 2; }));
    for (int row : {0, 20}) { // the first run's first counter and the last run's last
        const unsigned long total = std::stoul(dlg->m_listCtrl.GetItemText(row, 1));
        EXPECT_EQ(dlg->m_listCtrl.GetItemText(row, 2),
                  std::to_string((std::uint32_t(total - first[std::size_t(row)]) + 5) / 10))
            << "row " << row;
    }
}

TEST_F(ObjectDialogTest, StatisticHalvesARunTheAgentFindsTooBig) {
    ScriptedResponder narrow([](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        if (request.m_pPdu->m_varBindList.size() > 6)
            return EchoWithError(request, reply, 1); // tooBig
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList)
            reply.m_pPdu->AddOid(vb->m_strOid, 5u, SNMP_TYPE_COUNTER);
    });
    const std::vector<_NmOidTable>& rows = PortCounterRows();
    auto* dlg = new CNmDlgStatistic(nullptr, "narrow", narrow.Address(), "tessla", "marbelo",
                                    int(rows.size()), rows.data(), ".1.1");
    dlg->ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 1; })) << dlg->m_strStatus;
    EXPECT_NE(dlg->m_strStatus.find("sucessful"), std::string::npos) << dlg->m_strStatus;
    for (const NmRequestRun& run : dlg->Runs())
        EXPECT_LE(run.count, 6);
    for (int row = 0; row < 21; ++row)
        EXPECT_EQ(dlg->m_listCtrl.GetItemText(row, 1), "5") << row;
}

TEST_F(ObjectDialogTest, StatisticTakesNoSampleOfARunAnSnmpV2AgentLacksACounterIn) {
    // The agent has every counter but the third: it names that one with noSuchObject.
    ScriptedResponder lacking([](int n, const CSnmpMsg& request, CSnmpMsg& reply) {
        int i = 0;
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList) {
            reply.m_pPdu->AddOid(vb->m_strOid, std::uint32_t(100 * n), SNMP_TYPE_COUNTER);
            if (n > 1 && i++ == 2)
                reply.m_pPdu->m_varBindList.back()->m_byType = SNMP_TYPE_NOSUCHOBJECT;
        }
    });
    SetSnmpAgentVersion(lacking.Address(), SNMP_VERSION_2C);
    Clock::Manual clock;
    auto* dlg = new CNmDlgStatistic(nullptr, "lacking", lacking.Address(), "tessla", "marbelo", 4,
                                    g_PortPacketTable + 2, ".1.1");
    dlg->ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 1; })) << dlg->m_strStatus;
    clock.advance(10);
    dlg->SendMessage(WM_TIMER, CNmDlgStatistic::kPollTimer);
    ASSERT_TRUE(PumpUntil([&] { return Lines(dlg->m_strStatus) == 2; })) << dlg->m_strStatus;
    EXPECT_NE(dlg->m_strStatus.find("No such object, " + std::string(g_PortPacketTable[4].szName)),
              std::string::npos)
        << dlg->m_strStatus;
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(dlg->m_listCtrl.GetItemText(row, 1), "100") << "row " << row;
        EXPECT_EQ(dlg->m_listCtrl.GetItemText(row, 2), "0") << "no rate from a run not taken";
    }
}

} // namespace
