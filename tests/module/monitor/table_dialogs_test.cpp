// The table and information dialogs against the simulated switch (and, for the error paths, a
// small responder that answers as a faulty switch would): what they read, how they walk,
// remove and open forms, how they recover when the switch is silent, and how they resize.

#include "controls/GridCtl/CTableControl.h"
#include "controls/KoSample/CSampMsgControl.h"
#include "controls/LogListCtl/CLMsgControl.h"
#include "module/dialogbase/GridContextMenu.h"
#include "module/monitor/CInfoDlg.h"
#include "module/monitor/CTableDlg.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/Clipboard.h"
#include "snmp/CSnmpClass.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/SnmpTypes.h"
#include "tests/module/monitor/SwitchDialogTest.h"
#include "tests/module/support/ScriptedResponder.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QDir>
#include <QTest>
#include <QUdpSocket>
#include <QWidget>

#include <fstream>
#include <sstream>

namespace {

constexpr UINT kRefresh = 1013;
constexpr UINT kAdd = 1014;
constexpr UINT kRemove = 1015;
const std::string kTrapEntry = "1.3.6.1.4.1.88888.11.1.3.10.1";

class TableDialogsTest : public SwitchDialogTest {
protected:
    void SetUp() override { StartModule(0x336A); }
};

TEST_F(TableDialogsTest, DeviceInformationFillsEveryRowFromTheSwitch) {
    auto* dlg = Open<CInfoDlg>(0);
    ASSERT_NE(dlg, nullptr);
    Screenshot(dlg, "device-information");
    EXPECT_EQ(dlg->GetWindowText(), "Device Information");
    const CTableDlgData& record = *static_cast<CTableDlgData*>(main->GetRecord(0));
    EXPECT_EQ(std::string(record.m_szHeaderValue[1]), CTimeText(clock.get())) << "Opened";
    ASSERT_EQ(dlg->GetGrid()->GetRowCount(), 13);
    EXPECT_EQ(dlg->GetGrid()->GetColumnCount(), 2);
    EXPECT_EQ(Cell(dlg, 0, 0), "System Description");
    EXPECT_EQ(Cell(dlg, 1, 1), "1.3.6.1.4.1.88888.1.1");
    EXPECT_NE(Cell(dlg, 1, 2).find(" s"), std::string::npos) << "uptime: " << Cell(dlg, 1, 2);
    EXPECT_EQ(Cell(dlg, 1, 9), "SMNP-IP") << "the enumeration text";
    EXPECT_EQ(Cell(dlg, 1, 10), "28");
    for (int row = 0; row < 13; ++row)
        EXPECT_FALSE(Cell(dlg, 1, row).empty()) << Cell(dlg, 0, row);
    EXPECT_EQ(Attribute(dlg, 0, 0), 1) << "read-only rows draw blue";
    EXPECT_EQ(Attribute(dlg, 1, 3), 2);
    EXPECT_EQ(Log(dlg), std::vector<std::string>{"Response received at " + CTimeText(clock.get())});
    EXPECT_EQ(Counter(dlg), "1");

    Click(dlg, kRefresh);
    EXPECT_EQ(Counter(dlg), "2");
    EXPECT_EQ(dlg->GetLog()->GetLineCount(), 2);
    main->SendMessage(PANEL_REFRESH, 0, 0);
    PumpMessages();
    WaitForReplies();
    EXPECT_EQ(Counter(dlg), "3") << "the main window's refresh reaches the dialog";
}

TEST_F(TableDialogsTest, PortInformationReadsThePortOfItsKeysAndOpensFromThePanel) {
    main->SendMessage(PANEL_OPEN_PORT, 4, 0); // a double click on port 5
    PumpMessages();
    auto* dlg = dynamic_cast<CInfoDlg*>(main->GetChildDialog(54));
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitFor([dlg] { return dlg->SamplesCount() == 1; }));
    Screenshot(dlg, "port5-information");
    EXPECT_EQ(dlg->GetWindowText(), "Port 5 Information");
    EXPECT_EQ(dlg->ReadObject().m_strInstance, ".1.5");
    EXPECT_EQ(dlg->GetGrid()->GetRowCount(), 12);
    EXPECT_EQ(Cell(dlg, 1, 0), "1");
    EXPECT_EQ(Cell(dlg, 1, 1), "5");
    EXPECT_EQ(Cell(dlg, 1, 3), "Link Pass");
    EXPECT_EQ(Cell(dlg, 1, 5), "100 Mbps");
    EXPECT_EQ(Cell(dlg, 0, 11), "Speed Status Control");

    main->SendMessage(PANEL_OPEN_PORT, WPARAM(-1), 0); // the empty chassis
    PumpMessages();
    EXPECT_NE(dynamic_cast<CInfoDlg*>(main->GetChildDialog(0)), nullptr);
}

TEST_F(TableDialogsTest, TrapReceiversWalkRemoveAndOpenTheFormWithTheEntry) {
    auto* dlg = Open<CTableDlg>(5);
    ASSERT_NE(dlg, nullptr);
    Screenshot(dlg, "trap-receivers");
    ASSERT_EQ(dlg->GetGrid()->GetRowCount(), 1);
    EXPECT_EQ(Cell(dlg, 0, 0), "192.0.2.10");
    EXPECT_EQ(Cell(dlg, 1, 0), "public");
    EXPECT_EQ(Cell(dlg, 2, 0), "Enable");
    EXPECT_EQ(dlg->EntryInstances(), std::vector<std::string>{".192.0.2.10"});
    EXPECT_EQ(LastLog(dlg), "End of table");
    EXPECT_EQ(Counter(dlg), "1");

    CDlgData* form = main->GetRecord(6);
    form->AppendKey("stale");
    Click(dlg, kAdd);
    EXPECT_EQ(form->m_nKeyCount, 0) << "no selection: a new entry";
    if (CWnd* open = main->GetChildDialog(6)) // an open form is only brought forward
        open->SendMessage(WM_CLOSE);
    PumpMessages();
    SelectRow(dlg, 0);
    ASSERT_EQ(dlg->GetGrid()->GetIndex(), 0);
    Click(dlg, kAdd);
    EXPECT_EQ(form->m_nKeyCount, 1);
    EXPECT_EQ(form->m_strKeys[0], "192.0.2.10");
    if (CWnd* open = main->GetChildDialog(6))
        open->SendMessage(WM_CLOSE);
    PumpMessages();
    SelectRow(dlg, 0);

    prompt.messageBoxAnswers.push_back(IDNO);
    Click(dlg, kRemove);
    ASSERT_EQ(prompt.messageBoxes.size(), 1u);
    EXPECT_EQ(prompt.messageBoxes[0].text, "Are you sure you want to remove this entry?");
    EXPECT_EQ(prompt.messageBoxes[0].type & 0xF, MB_YESNO);
    EXPECT_FALSE(dlg->IsWaiting()) << "No sends nothing";
    EXPECT_EQ(LastLog(dlg), "End of table");

    Click(dlg, kRemove); // Yes
    ASSERT_TRUE(WaitFor([dlg] { return LastLog(dlg) == "End of table" && !dlg->IsWaiting(); }));
    auto log = Log(dlg);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 3], ">> Set Request sent >>");
    EXPECT_EQ(log[log.size() - 2], "Response received at " + CTimeText(clock.get()));
    EXPECT_EQ(dlg->GetGrid()->GetRowCount(), 0) << "walked again without the entry";
    EXPECT_EQ(Counter(dlg), "0");
    EXPECT_TRUE(dlg->EntryInstances().empty());
    Click(dlg, kRefresh);
    EXPECT_EQ(dlg->GetGrid()->GetRowCount(), 0) << "the switch no longer has it";
}

TEST_F(TableDialogsTest, TrapReceiverCaptionsKeepAGapBeforeTheNextColumn) {
    auto* dlg = Open<CTableDlg>(5);
    ASSERT_NE(dlg, nullptr);
    CTableControl* grid = dlg->GetGrid();
    const COLORREF band = GetSysColor(COLOR_ACTIVEBORDER);
    int border = 32;
    for (int c = 0; c + 1 < grid->GetColumnCount(); ++c) {
        border += grid->GetColumnWidth(c);
        // No caption pixel in the last four columns before the next caption starts.
        for (int x = border - 4; x <= border; ++x)
            for (int y = 1; y < 17; ++y)
                ASSERT_EQ(Pixel(grid, x, y), band) << "column " << c << " at " << x << "," << y;
    }
}

TEST_F(TableDialogsTest, TheGridsMenuCopiesAndSavesTheTable) {
    auto* dlg = Open<CTableDlg>(3);
    ASSERT_NE(dlg, nullptr);
    const int rows = dlg->GetGrid()->GetRowCount();
    ASSERT_GE(rows, 1);
    prompt.menuChoices.push_back(GridMenuCmd::kCopy);
    RightClickGrid(dlg);
    ASSERT_EQ(prompt.menus.size(), 1u);
    EXPECT_EQ(prompt.menus[0].itemTexts, (std::vector<std::string>{"Copy", "Save As CSV..."}));
    std::istringstream copied(GetClipboardText());
    std::string line;
    std::getline(copied, line);
    EXPECT_EQ(line, "Index\tIP Address\tNet Mask\tDefault Gateway IP\tPhys Address\tIF Type");
    std::getline(copied, line);
    EXPECT_EQ(line.substr(0, 2), "1\t");
    EXPECT_NE(line.find("Ethernet CSMA/CD"), std::string::npos) << line;

    const std::string path = QDir::tempPath().toStdString() + "/taurel-ip-interface.csv";
    prompt.menuChoices.push_back(GridMenuCmd::kSaveAsCsv);
    prompt.saveFileChoices.push_back(path);
    RightClickGrid(dlg);
    ASSERT_EQ(prompt.saveFileRequests.size(), 1u);
    EXPECT_EQ(prompt.saveFileRequests[0].suggestedName, "Ip Interface Table.csv");
    std::ifstream saved(path, std::ios::binary);
    std::string csv((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Index,IP Address,Net Mask,Default Gateway IP,Phys Address,IF Type");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), rows + 1);
    std::remove(path.c_str());
}

TEST_F(TableDialogsTest, ASilentSwitchSaysNoResponseAndRefreshWorksOnceItAnswers) {
    auto* table = Open<CTableDlg>(5);
    auto* info = Open<CInfoDlg>(0);
    ASSERT_TRUE(table && info);
    StopAgent();
    FaultSettings silent;
    silent.dropPercent = 100;
    RestartAgent(silent);
    ClickControl(table, kRefresh);
    ClickControl(info, kRefresh);
    ExpireRequests();
    EXPECT_EQ(LastLog(table), "No response");
    EXPECT_EQ(LastLog(info), "No response");
    EXPECT_FALSE(table->IsWaiting());
    EXPECT_EQ(Counter(info), "1") << "a missing reply is not a sample";

    StopAgent();
    RestartAgent();
    Click(table, kRefresh);
    Click(info, kRefresh);
    ASSERT_TRUE(WaitFor([table] { return LastLog(table) == "End of table"; }));
    EXPECT_EQ(table->GetGrid()->GetRowCount(), 1);
    EXPECT_EQ(Counter(info), "2");
}

TEST_F(TableDialogsTest, ADialogClosedWhileWaitingIsNeverCalledBack) {
    auto* dlg = Open<CTableDlg>(5);
    ASSERT_NE(dlg, nullptr);
    StopAgent();
    FaultSettings silent;
    silent.dropPercent = 100;
    RestartAgent(silent);
    ClickControl(dlg, kRefresh);
    ASSERT_TRUE(dlg->IsWaiting());
    const std::size_t before = OutstandingRequests();
    dlg->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_EQ(main->GetChildDialog(5), nullptr);
    EXPECT_EQ(OutstandingRequests(), before - 1) << "its walk request went with it";
    ExpireRequests(); // the panel's requests time out; nothing reaches the closed dialog
}

TEST_F(TableDialogsTest, ASendThatFailsAtOnceLeavesNothingOutstanding) {
    auto* dlg = OpenAt<CInfoDlg, CTableDlgData>(0, "127.0.0.1:0");
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(dlg->IsWaiting());
    EXPECT_EQ(LastLog(dlg), "No response");
    ClickControl(dlg, kRefresh);
    EXPECT_EQ(dlg->GetLog()->GetLineCount(), 2) << "Refresh tries again";
}

TEST_F(TableDialogsTest, AnErrorReplyEndsTheWalkWithRowsAndEntriesAligned) {
    ScriptedResponder faulty([](int n, const CSnmpMsg& request, CSnmpMsg& reply) {
        if (n % 2 == 0)
            return EchoWithError(request, reply, 5);
        // The first entry of the table, then an error for the next.
        const std::uint8_t ip[4] = {10, 0, 0, 1};
        reply.m_pPdu->AddOid(kTrapEntry + ".1.10.0.0.1", ip, 4, SNMP_TYPE_IPADDR);
        reply.m_pPdu->AddOid(kTrapEntry + ".2.10.0.0.1", std::string("ops"), SNMP_TYPE_OCTETS);
        reply.m_pPdu->AddOid(kTrapEntry + ".3.10.0.0.1", std::uint32_t(3), SNMP_TYPE_INTEGER);
    });
    auto* dlg = OpenAt<CTableDlg, CEntryTableDlgData>(5, faulty.Address());
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitFor([&] { return faulty.firstNames.size() == 2 && !dlg->IsWaiting(); }));
    PumpFor(50);
    EXPECT_EQ(faulty.firstNames.size(), 2u) << "the walk stops at the error";
    EXPECT_EQ(dlg->GetGrid()->GetRowCount(), 1);
    EXPECT_EQ(dlg->EntryInstances(), std::vector<std::string>{".10.0.0.1"});
    EXPECT_EQ(Cell(dlg, 1, 0), "ops");
    EXPECT_EQ(LastLog(dlg), "General error");
    EXPECT_EQ(Counter(dlg), "1");

    ClickControl(dlg, kRefresh);
    ASSERT_TRUE(WaitFor([&] { return faulty.firstNames.size() == 4 && !dlg->IsWaiting(); }));
    EXPECT_EQ(faulty.firstNames[2], kTrapEntry + ".1") << "Refresh starts from the first entry";
    EXPECT_EQ(dlg->EntryInstances(), std::vector<std::string>{".10.0.0.1"});
}

TEST_F(TableDialogsTest, ErrorRepliesCountAsSamplesAndNameTheirObject) {
    ScriptedResponder faulty(
        [](int, const CSnmpMsg& request, CSnmpMsg& reply) { EchoWithError(request, reply, 2); });
    auto* dlg = OpenAt<CInfoDlg, CTableDlgData>(0, faulty.Address());
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitFor([dlg] { return dlg->SamplesCount() == 1; }));
    EXPECT_EQ(LastLog(dlg), "No such name, System Description");
    EXPECT_EQ(Cell(dlg, 1, 0), "") << "an error reply writes no value";
    ClickControl(dlg, kRefresh);
    ASSERT_TRUE(WaitFor([dlg] { return dlg->SamplesCount() == 2; }));
    EXPECT_EQ(Counter(dlg), "2");
}

TEST_F(TableDialogsTest, GrowingMovesTheButtonsAndShrinkingSnapsBack) {
    auto* dlg = Open<CTableDlg>(2);
    ASSERT_NE(dlg, nullptr);
    const CSize first = Size(dlg);
    EXPECT_EQ(dlg->MinimumSize().Width(), first.cx);
    CRect at;
    dlg->GetWindowRect(&at);
    dlg->MoveWindow(at.left, at.top, first.cx + 120, first.cy + 80);
    PumpMessages();
    const int W = first.cx + 120, H = first.cy + 80;
    EXPECT_EQ(RectIn(dlg, CSwitchInfoDlg::kBannerId).Width(), W - 106);
    EXPECT_EQ(RectIn(dlg, CSwitchInfoDlg::kBannerId).Height(), 45);
    EXPECT_EQ(RectIn(dlg, CSwitchInfoDlg::kGridId).Width(), W - 106);
    EXPECT_EQ(RectIn(dlg, CSwitchInfoDlg::kGridId).Height(), H - 131);
    EXPECT_EQ(RectIn(dlg, CSwitchInfoDlg::kLogId).top, H - 75);
    EXPECT_EQ(RectIn(dlg, kRefresh).left, W - 86);
    EXPECT_EQ(RectIn(dlg, CSwitchInfoDlg::kCounterId).left, W - 96);
    Screenshot(dlg, "capability-grown");

    dlg->MoveWindow(at.left, at.top, 200, 150);
    PumpMessages();
    EXPECT_EQ(Size(dlg), first);
}

} // namespace
