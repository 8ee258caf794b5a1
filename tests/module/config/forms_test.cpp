// The settings forms and the Reset dialog against the simulated switch.

#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "controls/common/ControlMessages.h"
#include "module/config/CChoiceFormDlg.h"
#include "module/config/CResetDlg.h"
#include "module/config/CTextFormDlg.h"
#include "module/slots/CDlgData.h"
#include "module/slots/PanelMessages.h"
#include "tests/module/support/ModuleFixture.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace {

constexpr UINT kChoiceStatus = 1054, kChoiceApply = 1055;
constexpr UINT kFieldStatus = 1124, kFieldApply = 1122, kFieldClose = 1123;

class FormsTest : public ModuleFixture {
protected:
    void SetUp() override { StartModule(); }
    static std::string StatusOf(CWnd* dlg, UINT id) {
        auto* line = dynamic_cast<CDlgMsgControl*>(dlg->GetDlgItem(int(id)));
        return line ? line->GetText() : "(none)";
    }
    static CTextEditControl* Field(CWnd* dlg, int input) {
        return dynamic_cast<CTextEditControl*>(dlg->GetDlgItem(1023 + input));
    }
    static std::string Text(CWnd* dlg, int input) {
        char buffer[300] = {};
        Field(dlg, input)->GetText(buffer, sizeof buffer);
        return buffer;
    }
    const SwitchConfig& Agent() const { return agent->Engine().Switch().Config(); }
};

TEST_F(FormsTest, PortSettingsFormEditsItsPortByTheKeys) {
    auto* form = dynamic_cast<CChoiceFormDlg*>(OpenSlot(82));
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(form->GetWindowText(), "Port 3 Settings");
    EXPECT_EQ(form->Request()->m_strInstance, ".1.3");
    EXPECT_EQ(form->InputCount(), 5);
    EXPECT_EQ(form->GetDlgItem(1043)->GetWindowText(), "Speed Status Control");
    EXPECT_TRUE(form->GetDlgItem(1036)->IsWindowVisible());
    EXPECT_FALSE(form->GetDlgItem(1037)->IsWindowVisible());
    EXPECT_NE(StatusOf(form, kChoiceStatus).find("sucessful"), std::string::npos);

    auto* speed = dynamic_cast<CCBCtrl*>(form->Input(0));
    EXPECT_EQ(speed->GetSelect(), 1) << "100 Mbps";
    auto* lock = dynamic_cast<CCBCtrl*>(form->Input(3));
    speed->SetSelect(0);
    lock->SetSelect(1);
    ClickControl(form, kChoiceApply);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().ports[2].speed, 2);
    EXPECT_EQ(Agent().ports[2].lock, 3);
    EXPECT_EQ(Agent().ports[1].speed, 3) << "only port 3 changed";
    Screenshot(form, "port-3-settings");
}

TEST_F(FormsTest, TrapReceiverFormCreatesARowAndOpensItAgainByItsKey) {
    CWnd* form = OpenSlot(6);
    ASSERT_NE(form, nullptr);
    PumpMessages();
    EXPECT_EQ(OutstandingRequests(), 0u) << "a new entry has nothing to read";
    EXPECT_EQ(Text(form, 0), "000.000.000.000");
    EXPECT_FALSE(Field(form, 2)->IsWindowVisible()) << "no Entry Status control";
    Field(form, 0)->SetText("10.9.8.7");
    Field(form, 1)->SetText("a-long-community-of-28-chars");
    ClickControl(form, kFieldApply);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_NE(StatusOf(form, kFieldStatus).find("sucessful"), std::string::npos)
        << StatusOf(form, kFieldStatus);
    auto receiver = Agent().trapReceivers.find((10u << 24) | (9u << 16) | (8u << 8) | 7u);
    ASSERT_NE(receiver, Agent().trapReceivers.end());
    EXPECT_EQ(receiver->second, "a-long-community-of-28-chars");
    ClickControl(form, kFieldClose);
    EXPECT_EQ(main->GetChildDialog(6), nullptr);

    // Chosen in the receiver table: the row's key travels with the request to open.
    CDlgData keys;
    keys.SetKeys({"10.9.8.7"});
    ASSERT_TRUE(PostOpenSlot(main.get(), 6, &keys));
    PumpMessages();
    auto* again = dynamic_cast<CTextFormDlg*>(main->GetChildDialog(6));
    ASSERT_NE(again, nullptr);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Text(again, 0), "10.9.8.7");
    EXPECT_EQ(Text(again, 1), "a-long-community-of-28-chars");
    EXPECT_EQ(again->Layout().inputs[0].Width(), 7 * 28) << "fields widen to the longest reply";
    Screenshot(again, "trap-receiver");
}

TEST_F(FormsTest, IpInterfaceSettingsRefreshTheInterfaceTableAfterEachReply) {
    TestFrame frame;
    auto* record = dynamic_cast<CFormDlgData*>(main->GetRecord(4));
    auto* form = dynamic_cast<CTextFormDlg*>(CTextFormDlg::CreateFor(&frame, record));
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(form->Request()->m_strInstance, ".1");
    EXPECT_EQ(form->InputCount(), 3);
    EXPECT_EQ(form->GetDlgItem(1127)->GetWindowText(), "Default Gateway IP");
    const IpBytes& ip = Agent().interfaces[0].address;
    EXPECT_EQ(Text(form, 0), std::to_string(ip[0]) + "." + std::to_string(ip[1]) + "." +
                                 std::to_string(ip[2]) + "." + std::to_string(ip[3]));
    Field(form, 2)->SetText("192.168.7.254");
    form->SendMessage(CTRL_CLICK_MSG, 0, kFieldApply);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().interfaces[0].gateway, (IpBytes{192, 168, 7, 254}));
    std::vector<WPARAM> refreshed;
    for (const RecordedMessage& m : frame.Only(PANEL_REFRESH))
        refreshed.push_back(m.wParam);
    EXPECT_EQ(refreshed, (std::vector<WPARAM>{3, 4, 3})) << "read, the form's own slot, set";
    form->SendMessage(WM_CLOSE);
    PumpMessages();
}

TEST_F(FormsTest, ResetWritesColdStartAndTakesSilenceAsTheResetUnderWay) {
    auto* dlg = dynamic_cast<CResetDlg*>(OpenSlot(26));
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->GetWindowText(), "Reset");
    EXPECT_EQ(dlg->GetDlgItem(CResetDlg::kNameId)->GetWindowText(), "Mirova");
    EXPECT_EQ(dlg->GetDlgItem(CResetDlg::kAddressId)->GetWindowText(), AgentAddress());
    EXPECT_EQ(dlg->GetDlgItem(CResetDlg::kNameId)->GetFont()->GetQFont().pixelSize(), 12);
    const std::uint64_t answered = agent->Engine().Stats().answered;
    ClickControl(dlg, CResetDlg::kButtonId);
    EXPECT_EQ(StatusOf(dlg, CResetDlg::kStatusId), "Send Set Request !");
    PumpFor(200);
    EXPECT_EQ(agent->Engine().Stats().answered, answered) << "the switch went down at once";
    ExpireRequests();
    EXPECT_EQ(StatusOf(dlg, CResetDlg::kStatusId), "Resetting switch...");
    EXPECT_FALSE(dlg->IsWaiting());
    Screenshot(dlg, "reset");

    // A request that could not even be sent is no reset under way: the dialog says why.
    app->TakeCommandLine("/Ino.such.host");
    ClickControl(dlg, CResetDlg::kButtonId);
    EXPECT_EQ(StatusOf(dlg, CResetDlg::kStatusId).rfind("Socket error", 0), 0u)
        << StatusOf(dlg, CResetDlg::kStatusId);
    EXPECT_FALSE(dlg->IsWaiting());
}

} // namespace
