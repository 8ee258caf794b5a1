// Set Configuration against the simulated switch: every page reads and writes its objects, a
// page never has two requests out, and every outcome shows on the page's status line.

#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "controls/common/ControlMessages.h"
#include "module/config/CSetConfigDlg.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QTabBar>
#include <QTest>

namespace {

class SetConfigTest : public ModuleFixture {
protected:
    void SetUp() override {
        StartModule();
        dlg = dynamic_cast<CSetConfigDlg*>(OpenSlot(1));
        ASSERT_NE(dlg, nullptr);
        ASSERT_TRUE(WaitForReplies());
    }
    CTextEditControl* Field(int page, UINT id) {
        return dynamic_cast<CTextEditControl*>(dlg->Page(page)->GetDlgItem(int(id)));
    }
    CCBCtrl* List(int page, UINT id) {
        return dynamic_cast<CCBCtrl*>(dlg->Page(page)->GetDlgItem(int(id)));
    }
    std::string Status(int page, UINT id) {
        auto* line = dynamic_cast<CDlgMsgControl*>(dlg->Page(page)->GetDlgItem(int(id)));
        return line ? line->GetText() : "(none)";
    }
    std::string Text(int page, UINT id) {
        char buffer[300] = {};
        Field(page, id)->GetText(buffer, sizeof buffer);
        return buffer;
    }
    void Apply() {
        ClickControl(dlg, CSetConfigDlg::kApplyId);
        ASSERT_TRUE(WaitForReplies());
    }
    const SwitchConfig& Agent() const { return agent->Engine().Switch().Config(); }

    CSetConfigDlg* dlg = nullptr;
};

TEST_F(SetConfigTest, GeneralPageWritesWholeTextsAndReadsThemBack) {
    EXPECT_EQ(Text(0, CGeneralPage::kContactId), Agent().contact);
    EXPECT_NE(Status(0, CGeneralPage::kStatusId).find("sucessful"), std::string::npos);
    const std::string location(81, 'L');
    Field(0, CGeneralPage::kContactId)->SetText("Pat at the desk");
    Field(0, CGeneralPage::kNameId)->SetText(std::string(81, 'n').c_str());
    Field(0, CGeneralPage::kLocationId)->SetText(std::string(200, 'L').c_str());
    EXPECT_EQ(Text(0, CGeneralPage::kLocationId), location) << "a field takes 81 characters";
    Apply();
    EXPECT_EQ(Agent().contact, "Pat at the desk");
    EXPECT_EQ(Agent().name, std::string(81, 'n')) << "characters 80 and 81 are sent too";
    EXPECT_EQ(Agent().location, location);

    Field(0, CGeneralPage::kLocationId)->SetText("");
    ClickControl(dlg, CSetConfigDlg::kRefreshId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Text(0, CGeneralPage::kLocationId), location);
    Screenshot(dlg, "set-config-general");
}

TEST_F(SetConfigTest, ConsoleListsLinkToTheirValuesByPosition) {
    List(1, CConsolePage::kUseId)->SetSelect(1); // "SLIP"
    List(1, CConsolePage::kRateId)->SetSelect(3);
    Apply();
    EXPECT_EQ(Agent().rs232Use, 3);
    EXPECT_EQ(Agent().outOfBandRate, 5);

    // A second dialog reads what the first wrote, then sees the value 2 as "Console".
    auto* other =
        dynamic_cast<CSetConfigDlg*>(CSetConfigDlg::CreateFor(main.get(), main->GetRecord(1)));
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(WaitForReplies());
    auto* otherUse = dynamic_cast<CCBCtrl*>(other->Page(1)->GetDlgItem(CConsolePage::kUseId));
    EXPECT_EQ(otherUse->GetSelect(), 1);
    List(1, CConsolePage::kUseId)->SetSelect(0);
    Apply();
    EXPECT_EQ(Agent().rs232Use, 2);
    other->Page(1)->Read();
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(otherUse->GetSelect(), 0);
    other->SendMessage(WM_CLOSE);
    PumpMessages();
}

TEST_F(SetConfigTest, AdvancedAndTrapsPagesWriteTheirChoices) {
    EXPECT_EQ(Text(2, CAdvancedPage::kExpiresId), "300");
    EXPECT_EQ(List(2, CAdvancedPage::kLearningId)->GetSelect(), 1); // Enable
    EXPECT_EQ(List(3, CTrapsPage::kAuthTrapId)->GetSelect(), 1);    // Disable
    Field(2, CAdvancedPage::kExpiresId)->SetText("600");
    List(2, CAdvancedPage::kLearningId)->SetSelect(0);
    List(3, CTrapsPage::kAuthTrapId)->SetSelect(0);
    PumpMessages();
    Apply();
    EXPECT_EQ(Agent().agingSeconds, 600);
    EXPECT_EQ(Agent().learning, 2);
    EXPECT_EQ(Agent().authFailTrap, 1);

    // An ageing time the switch does not take, or that is not a number, is refused before
    // anything is sent; the field keeps what was typed.
    for (const char* typed : {"5", "600s", ""}) {
        Field(2, CAdvancedPage::kExpiresId)->SetText(typed);
        ClickControl(dlg, CSetConfigDlg::kApplyId);
        EXPECT_FALSE(dlg->Page(2)->IsWaiting()) << typed;
        EXPECT_EQ(Status(2, CAdvancedPage::kStatusId),
                  std::string("MAC Address Entry Expires (seconds): ") +
                      (*typed == '5' ? "not between 10 and 1000000" : "not a whole number"));
        EXPECT_EQ(Text(2, CAdvancedPage::kExpiresId), typed) << "what was typed stays";
        ASSERT_TRUE(WaitForReplies());
    }
    EXPECT_EQ(Agent().agingSeconds, 600);
}

TEST_F(SetConfigTest, ApplyTwiceQuicklySendsOneSetPerPage) {
    dlg->SendMessage(CTRL_CLICK_MSG, 0, CSetConfigDlg::kApplyId);
    dlg->SendMessage(CTRL_CLICK_MSG, 0, CSetConfigDlg::kApplyId);
    EXPECT_EQ(OutstandingRequests(), 4u);
    EXPECT_EQ(Status(3, CTrapsPage::kStatusId), "Send Set Request !");
    ASSERT_TRUE(WaitForReplies());
    for (int page = 0; page < CSetConfigDlg::kPages; ++page)
        EXPECT_FALSE(dlg->Page(page)->IsWaiting());
}

TEST_F(SetConfigTest, AnErrorReplyNamesTheObjectAndALateAnswerIsDropped) {
    CConfigPage* general = dlg->Page(0);
    general->Write();
    auto* reply = new CSnmpMsg(general, AgentAddress(), "marbelo", SNMP_PDU_RESPONSE);
    reply->m_pPdu->m_dwReqId = general->Request()->m_dwLastReqId;
    reply->m_pPdu->m_dwErrorStatus = 2;
    reply->m_pPdu->m_dwErrorIndex = 1;
    reply->m_pPdu->AddOid("1.3.6.1.2.1.1.4.0", std::string("x"), SNMP_TYPE_OCTETS);
    reply->m_pPdu->AddOid("1.3.6.1.2.1.1.5.0", std::string("y"), SNMP_TYPE_OCTETS);
    general->OnReply(0, reply);
    const std::string shown = Status(0, CGeneralPage::kStatusId);
    EXPECT_EQ(shown.substr(0, 12), "Received at ");
    EXPECT_EQ(shown.substr(20), ", noSuchName,1.3.6.1.2.1.1.4.0");
    ASSERT_TRUE(WaitForReplies()); // the switch's own answer comes after the wait is over
    EXPECT_EQ(Status(0, CGeneralPage::kStatusId), shown);
}

TEST_F(SetConfigTest, NoAnswerAndAFailedSendLeaveNoPageWaiting) {
    // Three full fields of three-byte characters do not fit one datagram: the send fails at
    // once, and the page says why rather than claiming a time-out.
    std::string euros;
    for (int i = 0; i < 81; ++i)
        euros += "\xE2\x82\xAC";
    for (UINT id : {CGeneralPage::kContactId, CGeneralPage::kNameId, CGeneralPage::kLocationId})
        Field(0, id)->SetText(euros.c_str());
    EXPECT_EQ(dlg->Page(0)->Write(), PageWrite::Sent);
    EXPECT_FALSE(dlg->Page(0)->IsWaiting());
    EXPECT_EQ(Status(0, CGeneralPage::kStatusId), "Buffer overflow while snmp encoding.");

    StopAgent();
    ClickControl(dlg, CSetConfigDlg::kRefreshId);
    EXPECT_TRUE(dlg->Page(1)->IsWaiting());
    ExpireRequests();
    for (int page = 0; page < CSetConfigDlg::kPages; ++page)
        EXPECT_FALSE(dlg->Page(page)->IsWaiting());
    EXPECT_EQ(Status(1, CConsolePage::kStatusId), "Timeout.");
    EXPECT_EQ(Status(3, CTrapsPage::kStatusId), "Timeout.");
}

TEST_F(SetConfigTest, TabsShowOnePageAtATime) {
    ASSERT_EQ(dlg->Tabs().GetItemCount(), 4);
    auto* bar = dlg->Tabs().GetWidget()->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->tabText(2).toStdString(), "   Advanced ");
    EXPECT_EQ(bar->tabText(3).toStdString(), "   Traps    ");
    EXPECT_TRUE(dlg->Page(0)->IsWindowVisible());
    EXPECT_FALSE(dlg->Page(2)->IsWindowVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    PumpMessages();
    EXPECT_EQ(dlg->ShownPage(), 2);
    EXPECT_TRUE(dlg->Page(2)->IsWindowVisible());
    EXPECT_FALSE(dlg->Page(0)->IsWindowVisible());
    // Pages sit inside the tab control's display area.
    CRect tabs, page;
    dlg->Tabs().GetWindowRect(&tabs);
    dlg->Page(2)->GetWindowRect(&page);
    EXPECT_GT(page.top, tabs.top + bar->height() - 1);
    EXPECT_LE(page.right, tabs.right);
    EXPECT_LE(page.bottom, tabs.bottom);
    Screenshot(dlg, "set-config-advanced");
}

} // namespace
