// Writes an operator can trust, against the simulated switch and a scripted one: nothing is
// written that was not read, text keeps its bytes, typed values are checked before they leave,
// a value outside a list is not written back, and windows showing a written object read again.

#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "controls/common/ControlMessages.h"
#include "module/config/CSetConfigDlg.h"
#include "module/config/CTextFormDlg.h"
#include "module/monitor/CInfoDlg.h"
#include "module/monitor/CTableDlg.h"
#include "module/slots/CDlgData.h"
#include "snmp/SnmpTransport.h"
#include "tests/module/monitor/SwitchDialogTest.h"
#include "tests/module/support/ScriptedResponder.h"

namespace {

constexpr UINT kFieldStatus = 1124, kFieldApply = 1122;
const std::string kLocation = "1.3.6.1.2.1.1.6.0";
const std::string kRs232Use = "1.3.6.1.4.1.88888.11.1.2.5.0";
const std::string kBandRate = "1.3.6.1.4.1.88888.11.1.2.6.0";

class WritesTest : public SwitchDialogTest {
protected:
    void SetUp() override { StartModule(); }
    CSetConfigDlg* OpenSetConfiguration() {
        auto* dlg = dynamic_cast<CSetConfigDlg*>(OpenSlot(1));
        EXPECT_NE(dlg, nullptr);
        return dlg;
    }
    static CTextEditControl* Field(CWnd* dlg, UINT id) {
        return dynamic_cast<CTextEditControl*>(dlg->GetDlgItem(int(id)));
    }
    static std::string Text(CWnd* dlg, UINT id) {
        char buffer[400] = {};
        Field(dlg, id)->GetText(buffer, sizeof buffer);
        return buffer;
    }
    static std::string Status(CWnd* dlg, UINT id) {
        auto* line = dynamic_cast<CDlgMsgControl*>(dlg->GetDlgItem(int(id)));
        return line ? line->GetText() : "(none)";
    }
    // Another manager's set, straight to the switch.
    void SetOnSwitch(const std::string& name, const std::string& octets) {
        auto* msg = new CSnmpMsg(nullptr, AgentAddress(), "marbelo", SNMP_PDU_SET);
        msg->m_pPdu->AddOid(name, octets, SNMP_TYPE_OCTETS);
        SendSnmpMsg(msg);
        ASSERT_TRUE(WaitForReplies());
    }
    const SwitchConfig& Agent() const { return agent->Engine().Switch().Config(); }
};

TEST_F(WritesTest, APageThatNeverLoadedSendsNothing) {
    const SwitchConfig before = Agent();
    StopAgent();
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ExpireRequests();
    Field(dlg->Page(0), CGeneralPage::kContactId)->SetText("Pat");
    RestartAgent();
    ClickControl(dlg, CSetConfigDlg::kApplyId);
    EXPECT_EQ(OutstandingRequests(), 0u) << "no page sends";
    for (UINT page = 0; page < CSetConfigDlg::kPages; ++page)
        EXPECT_FALSE(dlg->Page(int(page))->IsLoaded());
    EXPECT_EQ(Status(dlg->Page(0), CGeneralPage::kStatusId),
              "Not read from the switch: nothing sent");
    EXPECT_EQ(Status(dlg->Page(3), CTrapsPage::kStatusId),
              "Not read from the switch: nothing sent");
    EXPECT_EQ(Text(dlg->Page(0), CGeneralPage::kContactId), "Pat") << "what was typed stays";
    EXPECT_EQ(Agent().name, before.name);

    // Once read, Apply sends the pages that loaded and names the one that did not.
    ClickControl(dlg, CSetConfigDlg::kRefreshId);
    ASSERT_TRUE(WaitForReplies());
    StopAgent();
    dlg->Page(1)->Read();
    ExpireRequests();
    RestartAgent();
    Field(dlg->Page(0), CGeneralPage::kContactId)->SetText("Pat");
    dlg->SendMessage(CTRL_CLICK_MSG, 0, CSetConfigDlg::kApplyId);
    EXPECT_EQ(Status(dlg->Page(0), CGeneralPage::kStatusId),
              "Send Set Request ! Not read: Console");
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().contact, "Pat");
    EXPECT_EQ(Agent().name, before.name) << "the name read is written back as it was";
}

TEST_F(WritesTest, AReadTheSwitchRefusedLeavesThePageUnloaded) {
    ScriptedResponder tooBig(
        [](int, const CSnmpMsg& request, CSnmpMsg& reply) { EchoWithError(request, reply, 1); });
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
    CConfigPage* general = dlg->Page(0);
    general->Request()->m_strIpAddr = tooBig.Address();
    general->Read();
    ASSERT_TRUE(WaitFor([&] { return !general->IsWaiting(); }));
    EXPECT_NE(Status(general, CGeneralPage::kStatusId).find("tooBig"), std::string::npos);
    EXPECT_EQ(general->Write(), PageWrite::NotRead);
    PumpFor(50);
    EXPECT_EQ(tooBig.firstNames.size(), 1u) << "only the read went out";
}

TEST_F(WritesTest, TextKeepsItsBytesAndTypedTextIsUtf8) {
    SetOnSwitch(kLocation, "B\xFCro"); // Latin-1, as another tool stored it
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
    CConfigPage* general = dlg->Page(0);
    EXPECT_EQ(Text(general, CGeneralPage::kLocationId), "B\xC3\xBCro") << "shown legibly";

    Field(general, CGeneralPage::kContactId)->SetText("Pat");
    ClickControl(dlg, CSetConfigDlg::kApplyId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().contact, "Pat");
    EXPECT_EQ(Agent().location, "B\xFCro") << "an unedited field writes back the bytes read";

    const std::string typed = "B\xC3\xBCro 3 \xE2\x80\x93 Raum"; // "Büro 3 – Raum"
    Field(general, CGeneralPage::kLocationId)->SetText(typed.c_str());
    ClickControl(dlg, CSetConfigDlg::kApplyId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().location, typed);
    ClickControl(dlg, CSetConfigDlg::kRefreshId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Text(general, CGeneralPage::kLocationId), typed) << "shown as it was typed";
    ClickControl(dlg, CSetConfigDlg::kApplyId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().location, typed) << "a second Apply does not encode it again";
}

TEST_F(WritesTest, AValueOutsideTheListShowsAsItsNumberAndIsNotWrittenBack) {
    std::vector<std::vector<std::string>> sets;
    ScriptedResponder peer([&sets](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        if (request.m_wPduType == SNMP_PDU_SET) {
            sets.emplace_back();
            for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList) {
                sets.back().push_back(vb->m_strOid);
                reply.m_pPdu->AddOid(vb->m_strOid, std::uint32_t(vb->GetUInt32()),
                                     SNMP_TYPE_INTEGER);
            }
            return;
        }
        reply.m_pPdu->AddOid(kRs232Use, std::uint32_t(7), SNMP_TYPE_INTEGER);
        reply.m_pPdu->AddOid(kBandRate, std::uint32_t(3), SNMP_TYPE_INTEGER);
    });
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
    CConfigPage* console = dlg->Page(1);
    console->Request()->m_strIpAddr = peer.Address();
    console->Read();
    ASSERT_TRUE(WaitFor([&] { return !console->IsWaiting(); }));
    auto* use = dynamic_cast<CCBCtrl*>(console->GetDlgItem(CConsolePage::kUseId));
    ASSERT_EQ(use->GetCount(), 3) << "Console, SLIP and the unknown value";
    EXPECT_EQ(use->GetSelect(), 2);

    EXPECT_EQ(console->Write(), PageWrite::Sent);
    ASSERT_TRUE(WaitFor([&] { return !console->IsWaiting(); }));
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], std::vector<std::string>{kBandRate}) << "7 is not written back";
    EXPECT_EQ(use->GetSelect(), 2) << "the reply, paired by name, leaves the unknown value shown";

    use->SetSelect(0); // the operator picks "Console"
    EXPECT_EQ(console->Write(), PageWrite::Sent);
    ASSERT_TRUE(WaitFor([&] { return !console->IsWaiting(); }));
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[1], (std::vector<std::string>{kRs232Use, kBandRate}));
}

TEST_F(WritesTest, AddressesAndNewRowsAreCheckedBeforeAnythingIsSent) {
    auto* ip = dynamic_cast<CTextFormDlg*>(OpenSlot(4));
    ASSERT_NE(ip, nullptr);
    ASSERT_TRUE(WaitForReplies());
    const IpInterfaceRow before = Agent().interfaces[0];
    struct Case {
        int input;
        const char* typed;
        const char* status;
    };
    for (const Case& c :
         {Case{0, "192.168.1.300", "IP Address: not an IP address (four numbers 0-255)"},
          Case{1, "", "Net Mask: not an IP address (four numbers 0-255)"},
          Case{2, "10.0.0.254 ", "Default Gateway IP: not an IP address (four numbers 0-255)"}}) {
        const std::string kept = Text(ip, 1023 + UINT(c.input));
        Field(ip, 1023 + UINT(c.input))->SetText(c.typed);
        ClickControl(ip, kFieldApply);
        EXPECT_EQ(OutstandingRequests(), 0u) << c.typed;
        EXPECT_EQ(Status(ip, kFieldStatus), c.status);
        EXPECT_EQ(Text(ip, 1023 + UINT(c.input)), c.typed);
        Field(ip, 1023 + UINT(c.input))->SetText(kept.c_str());
    }
    EXPECT_EQ(Agent().interfaces[0].address, before.address);

    // A new trap receiver: the untouched placeholder and an empty community are refused.
    auto* receiver = dynamic_cast<CTextFormDlg*>(OpenSlot(6));
    ASSERT_NE(receiver, nullptr);
    const std::size_t receivers = Agent().trapReceivers.size();
    ClickControl(receiver, kFieldApply);
    EXPECT_EQ(Status(receiver, kFieldStatus), "Manager IP Address: 0.0.0.0 names no host");
    Field(receiver, 1023)->SetText("192.0.2.77");
    ClickControl(receiver, kFieldApply);
    EXPECT_EQ(Status(receiver, kFieldStatus), "Community String: empty");
    EXPECT_EQ(OutstandingRequests(), 0u);
    Field(receiver, 1024)->SetText("ops");
    ClickControl(receiver, kFieldApply);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().trapReceivers.size(), receivers + 1);
}

TEST_F(WritesTest, WindowsShowingAWrittenObjectReadItAgain) {
    auto* info = Open<CInfoDlg>(0);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Counter(info), "1") << "one read so far";
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
    Field(dlg->Page(0), CGeneralPage::kContactId)->SetText("Pat");
    dlg->Page(0)->Write();
    ASSERT_TRUE(WaitForReplies());
    ASSERT_TRUE(WaitFor([&] { return Counter(info) == "2"; })) << "the set made slot 0 read";
    PumpMessages();
    EXPECT_EQ(Cell(info, 1, 3), "Pat") << "System Contact shows what was written";
}

TEST_F(WritesTest, IpInterfaceSetEditsTheSelectedRow) {
    auto* table = Open<CTableDlg>(3);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->GetGrid()->GetRowCount(), 2);
    SelectRow(table, 1);
    ASSERT_EQ(table->GetGrid()->GetIndex(), 1);
    ClickControl(table, 1014); // "Set"
    PumpMessages();
    auto* form = dynamic_cast<CTextFormDlg*>(main->GetChildDialog(4));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Request()->m_strInstance, ".2");
    form->SendMessage(WM_CLOSE);
    PumpMessages();

    // Opened without a choice, the form edits the first interface again.
    form = dynamic_cast<CTextFormDlg*>(OpenSlot(4));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Request()->m_strInstance, ".1");
}

} // namespace

TEST_F(WritesTest, AStatusLineShowsTheEndOfTheObjectThatFailed) {
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
    CConfigPage* advanced = dlg->Page(2);
    ASSERT_EQ(advanced->Write(), PageWrite::Sent);
    const std::string learning = "1.3.6.1.4.1.88888.11.9.1.1.2.1.0";
    auto* reply = new CSnmpMsg(advanced, AgentAddress(), "marbelo", SNMP_PDU_RESPONSE);
    reply->m_pPdu->m_dwReqId = advanced->Request()->m_dwLastReqId;
    reply->m_pPdu->m_dwErrorStatus = 2;
    reply->m_pPdu->m_dwErrorIndex = 2;
    reply->m_pPdu->AddOid("1.3.6.1.2.1.17.4.2.0", std::uint32_t(300), SNMP_TYPE_INTEGER);
    reply->m_pPdu->AddOid(learning, std::uint32_t(3), SNMP_TYPE_INTEGER);
    advanced->OnReply(0, reply);
    auto* line = dynamic_cast<CDlgMsgControl*>(advanced->GetDlgItem(CAdvancedPage::kStatusId));
    const std::string shown = line->GetText();
    EXPECT_TRUE(line->Fits(shown)) << shown;
    EXPECT_FALSE(line->Fits(shown.substr(0, 22) + "noSuchName," + learning))
        << "the whole line would be cut at the box's edge";
    EXPECT_EQ(shown.substr(shown.size() - 15), ".11.9.1.1.2.1.0") << shown;
    EXPECT_NE(shown.find("noSuchName,"), std::string::npos) << shown;
    ASSERT_TRUE(WaitForReplies());
}
