// The main module window over the simulated switch: menu commands, slots, the About box and
// the agent state.

#include "controls/KoMenu/CKoMCtrl.h"
#include "module/mainwnd/AgentStatusText.h"
#include "module/mainwnd/CAboutDlg.h"
#include "module/mainwnd/CHelpDlg.h"
#include "module/mainwnd/DialogFactory.h"
#include "module/mainwnd/MainMenu.h"
#include "module/panel/CPanelWnd.h"
#include "module/slots/SlotNames.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QTest>
#include <QWidget>

namespace {

class MainWindowTest : public ModuleFixture {
protected:
    void SetUp() override { StartModule(0x336A); }
    bool Enabled(UINT command) { return CMenu::IsEnabledCommand(main->GetMenuPopup(1), command); }
    std::string LastMessageBox() {
        return prompt.messageBoxes.empty() ? "" : prompt.messageBoxes.back().text;
    }
    void ClickPanel(int x, int y) {
        LeftDown(main->GetPanel(), x, y);
        LeftUp(main->GetPanel(), x, y);
        PumpMessages();
    }
};

TEST_F(MainWindowTest, LaysOutMenuAndPanelUnderTheDeviceTitle) {
    EXPECT_EQ(main->GetWindowText(), "Mirova:" + AgentAddress());
    CRect client;
    main->GetClientRect(&client);
    EXPECT_EQ(client.Width(), 495);
    EXPECT_EQ(client.Height(), 212);
    CRect panel;
    main->GetPanel()->GetWindowRect(&panel);
    main->ScreenToClient(&panel);
    EXPECT_EQ(panel.top, 50);
    EXPECT_EQ(panel.Height(), 144);
    CRect status;
    main->GetDlgItem(CModuleMainDlg::kStatusLineId)->GetWindowRect(&status);
    main->ScreenToClient(&status);
    EXPECT_EQ(status, CRect(0, 194, 495, 212)) << "the status line under the panel";
    EXPECT_EQ(main->GetStatusText(), "") << "nothing to say while the switch answers";
    EXPECT_EQ(main->GetButtonMenu()->GetDlgCtrlID(), 1000);
    auto items = CMenu::Items(main->GetMenuPopup(0));
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[1].text, "Set Configuration...");
    EXPECT_EQ(items[4].id, MenuCmd::kTrapReceivers);
    // "Events" follows the specified "Network Statistics".
    auto monitor = CMenu::Items(main->GetMenuPopup(1));
    ASSERT_EQ(monitor.size(), 2u);
    EXPECT_EQ(monitor[0].text, "Network Statistics");
    EXPECT_EQ(monitor[1].text, "Events");
    EXPECT_EQ(SlotOfCommand(monitor[1].id, -1), 318);
    auto help = CMenu::Items(main->GetMenuPopup(3));
    ASSERT_EQ(help.size(), 3u);
    EXPECT_EQ(help[2].text, "About Mirova");
    EXPECT_EQ(help[2].id, 4160u);
    Screenshot(main.get(), "main-window");
}

TEST_F(MainWindowTest, PortStatisticsItemsFollowTheSelection) {
    for (UINT command : kPortStatisticsCommands)
        EXPECT_FALSE(Enabled(command)) << command;
    EXPECT_TRUE(CMenu::IsEnabledCommand(main->GetMenuPopup(0), MenuCmd::kSystemInformation));
    ClickPanel(215, 52); // port 1
    for (UINT command : kPortStatisticsCommands)
        EXPECT_TRUE(Enabled(command)) << command;
    EXPECT_EQ(SlotOfCommand(MenuCmd::kSystemInformation, main->GetPanel()->GetSelectedPort()), 50);
    ClickPanel(292, 52); // between ports
    EXPECT_FALSE(Enabled(MenuCmd::kBarErrors));
    EXPECT_EQ(SlotOfCommand(MenuCmd::kSetConfiguration, -1), 1);
    EXPECT_EQ(SlotOfCommand(MenuCmd::kSetConfiguration, 4), 84);
    EXPECT_EQ(SlotOfCommand(MenuCmd::kTablePackets, 4), 174);
    EXPECT_EQ(SlotOfCommand(MenuCmd::kTableErrors, -1), -1);
    EXPECT_EQ(SlotOfCommand(MenuCmd::kBarErrors, 27), 317);
}

TEST_F(MainWindowTest, SlotsWithoutARecordOrOutOfRangeSayWhy) {
    for (int slot : {25, 108, 319}) {
        OpenSlot(slot);
        EXPECT_EQ(LastMessageBox(),
                  "There has no Dialog Data in m_DlgData[" + std::to_string(slot) + "]");
    }
    OpenSlot(320);
    EXPECT_EQ(LastMessageBox(), "Error PANEL_MSG:\nWPARAM: 320>= PANEL_CHILD_DIALOG_NUMBER");
    main->SendMessage(PANEL_CHILD_CLOSED, 400, 0);
    EXPECT_EQ(LastMessageBox(), "Error PANEL_MSG:\nWPARAM: 400\n");
}

TEST_F(MainWindowTest, HelpShowsTheManualInAWindowOfItsOwn) {
    main->SetManualText("Usage: taurel\n  --open SLOT\n");
    std::size_t boxes = prompt.messageBoxes.size();
    main->SendMessage(WM_COMMAND, MenuCmd::kHelp, 0);
    PumpMessages();
    EXPECT_EQ(prompt.messageBoxes.size(), boxes);
    CWnd* help = main->GetChildDialog(Slot::kHelp);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->GetWindowText(), "Taurel Help");
    EXPECT_EQ(help->GetDlgItem(CHelpDlg::kTextId)->GetWindowText(),
              "Usage: taurel\r\n  --open SLOT\r\n");
    main->SendMessage(WM_COMMAND, MenuCmd::kHelp, 0);
    EXPECT_EQ(main->GetChildDialog(Slot::kHelp), help) << "one help window";
    Screenshot(help, "help");
    ClickControl(help, CHelpDlg::kCloseId);
    PumpMessages();
    EXPECT_EQ(main->GetChildDialog(Slot::kHelp), nullptr);
}

TEST_F(MainWindowTest, TheAboutBoxIsOneWindowAndItsSlotFreesWhenItCloses) {
    main->SendMessage(WM_COMMAND, MenuCmd::kAbout, 0);
    CWnd* about = main->GetChildDialog(27);
    ASSERT_NE(about, nullptr);
    main->SendMessage(WM_COMMAND, MenuCmd::kAbout, 0);
    EXPECT_EQ(main->GetChildDialog(27), about);
    EXPECT_EQ(main->OpenSlots(), (std::vector<int>{27}));
    EXPECT_EQ(about->GetDlgItem(1002)->GetWindowText(), AboutVersionText());
    // Which switch this window manages, where, and how it is spoken to.
    EXPECT_EQ(about->GetDlgItem(int(CAboutDlg::kSwitchId))->GetWindowText(),
              "Switch: Mirova at " + AgentAddress());
    EXPECT_EQ(about->GetDlgItem(int(CAboutDlg::kSessionId))->GetWindowText(), "SNMP: SNMPv1");
    Screenshot(about, "about");

    HWND first = about->m_hWnd;
    ClickControl(about, CAboutDlg::kOkId);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_EQ(main->GetChildDialog(27), nullptr);
    // The close notice of a dialog that is already gone touches nothing.
    main->SendMessage(PANEL_CHILD_CLOSED, 27, 0);
    CWnd* again = OpenSlot(27);
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again->m_hWnd, first) << "a fresh dialog from the same slot";
}

TEST(AboutBoxTexts, NameTheSessionTheProgramSpeaksAndTheDemosOwn) {
    CModuleApp v3(ParseProgramOptions({"/NCore", "/I192.0.2.1:1161", "--snmp-version", "3",
                                       "--v3-user", "ops", "--v3-level", "authNoPriv"}));
    v3.TakeCommandLine("/NCore /I192.0.2.1:1161");
    EXPECT_EQ(AboutSwitchText(v3.Identity()), "Switch: Core at 192.0.2.1:1161");
    EXPECT_EQ(AboutSessionText(v3.Identity()), "SNMP: SNMPv3 user \"ops\" at authNoPriv (SHA-256)");
    CModuleApp v2c(ParseProgramOptions({"--snmp-version", "2c"}));
    EXPECT_EQ(AboutSessionText(v2c.Identity()), "SNMP: SNMPv2c");
}

TEST_F(MainWindowTest, TheContextMenuOfTheMenuBarOffersTheAboutBox) {
    prompt.menuChoices = {MenuCmd::kSystemAbout};
    QTest::mouseClick(main->GetButtonMenu()->GetWidget(), Qt::RightButton, {}, QPoint(450, 15));
    PumpMessages();
    ASSERT_EQ(prompt.menus.size(), 1u);
    EXPECT_EQ(prompt.menus[0].itemTexts, (std::vector<std::string>{"&About Taurel..."}));
    EXPECT_NE(main->GetChildDialog(27), nullptr);
    QTest::mouseClick(main->GetButtonMenu()->GetWidget(), Qt::RightButton, {}, QPoint(20, 15));
    PumpMessages();
    EXPECT_EQ(prompt.menus.size(), 1u) << "not over a button";
}

TEST_F(MainWindowTest, AKeyRecordTravelsAsACopy) {
    {
        CDlgData sender;
        sender.SetKeys({"192.0.2.77"});
        ASSERT_TRUE(PostOpenSlot(main.get(), 6, &sender));
    } // the sender's record is gone before the message is handled
    PumpMessages();
    CDlgData* form = main->GetRecord(6);
    EXPECT_EQ(form->m_nKeyCount, 1);
    EXPECT_EQ(form->m_strKeys[0], "192.0.2.77");
    if (CWnd* open = main->GetChildDialog(6)) // an open form is only brought forward
        open->SendMessage(WM_CLOSE);
    PumpMessages();
    main->PostMessage(PANEL_MSG, 6, 12345); // a stale ticket is no key record
    PumpMessages();
    EXPECT_EQ(form->m_nKeyCount, 0);
}

TEST_F(MainWindowTest, TheMenuGreysWhileTheSwitchIsSilent) {
    EXPECT_TRUE(main->GetButtonMenu()->IsActive());
    StopAgent();
    main->GetPanel()->SendMessage(WM_TIMER, CPanelWnd::kDeviceTimerId, 0);
    ExpireRequests();
    PumpMessages();
    EXPECT_FALSE(main->GetButtonMenu()->IsActive());
    EXPECT_EQ(main->GetStatusText(), "No response from " + AgentAddress());
    Screenshot(main.get(), "main-window-silent");
    RestartAgent();
    main->GetPanel()->SendMessage(WM_TIMER, CPanelWnd::kDeviceTimerId, 0);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_TRUE(main->GetButtonMenu()->IsActive());
    EXPECT_EQ(main->GetStatusText(), "") << "cleared by the first good reply";
}

TEST(AgentStatus, NamesTheAddressAndTheRefusalButNeverTheCommunity) {
    EXPECT_EQ(AgentStatusText(0, "10.0.0.9"), "");
    EXPECT_EQ(AgentStatusText(PANEL_AGENT_NO_ANSWER, "[::1]:1161"), "No response from [::1]:1161");
    EXPECT_EQ(AgentStatusText(2, "10.0.0.9"), "10.0.0.9 answers: No such name, LED Status");
    EXPECT_EQ(AgentStatusText(5, "10.0.0.9"), "10.0.0.9 answers: General error");
    EXPECT_EQ(AgentStatusText(99, "10.0.0.9"), "10.0.0.9 answers: error status 99");
}

} // namespace

TEST_F(MainWindowTest, ChildrenCascadeBelowTheMenuAndEscClosesThemButNotTheModule) {
    CWnd* info = OpenSlot(0);
    CWnd* about = OpenSlot(27);
    ASSERT_NE(info, nullptr);
    ASSERT_NE(about, nullptr);
    POINT menuBottom{0, CModuleMainDlg::kMenuHeight};
    main->ClientToScreen(&menuBottom);
    QPoint first = info->GetWidget()->pos(), second = about->GetWidget()->pos();
    EXPECT_GE(first.y(), menuBottom.y);
    EXPECT_GE(second.y(), menuBottom.y);
    EXPECT_NE(first, second);

    // Asked for again, the open window is kept and comes to the front.
    EXPECT_EQ(OpenSlot(0), info);
    HWND infoWnd = info->m_hWnd;
    QTest::keyClick(info->GetWidget(), Qt::Key_Escape);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(infoWnd));
    EXPECT_EQ(main->OpenSlots(), (std::vector<int>{27}));

    QTest::keyClick(main->GetWidget(), Qt::Key_Escape);
    PumpMessages();
    EXPECT_TRUE(::IsWindow(main->m_hWnd));
    EXPECT_EQ(main->OpenSlots(), (std::vector<int>{27}));
}

TEST(SlotNames, NameExactlyTheSlotsThatOpenAWindow) {
    SlotRecordTable records;
    BuildSlotRecords(records, ModuleIdentity{});
    for (int slot = 0; slot < PANEL_CHILD_DIALOG_NUMBER + 5; ++slot) {
        const bool hasRecord = slot < PANEL_CHILD_DIALOG_NUMBER && records[std::size_t(slot)];
        const bool opens = FindSlotDialog(slot) != nullptr &&
                           (hasRecord || slot == Slot::kAbout || slot == Slot::kHelp);
        EXPECT_EQ(SlotFromName(std::to_string(slot)).has_value(), opens) << slot;
        const std::string name = SlotName(slot);
        EXPECT_EQ(name.empty(), !opens) << slot;
        if (opens) {
            EXPECT_EQ(SlotFromName(name), slot) << name;
        }
    }
    EXPECT_EQ(SlotFromName("packet-table:4"), 173);
    EXPECT_EQ(SlotFromName("error-bars:28"), 317);
    EXPECT_EQ(SlotFromName("help"), Slot::kHelp);
    for (const char* refused : {"packet-table", "packet-table:0", "packet-table:29", "reset:1",
                                "port-information:", "Packet-Table:4", "-5", " 5", "999", "25"})
        EXPECT_FALSE(SlotFromName(refused).has_value()) << refused;
}
