// Windows that never undo each other: after a set every window showing one of its objects reads
// it again, a write re-reads what the operator left alone, octets survive a write of another
// field, and values that cannot be written back are left out and named.

#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/CChoiceFormDlg.h"
#include "module/config/CSetConfigDlg.h"
#include "module/config/CTextFormDlg.h"
#include "module/monitor/CInfoDlg.h"
#include "platform/ui/ToolTip.h"
#include "snmp/SnmpTransport.h"
#include "tests/module/monitor/SwitchDialogTest.h"
#include "tests/module/support/ScriptedResponder.h"

namespace {

constexpr UINT kChoiceStatus = 1054, kChoiceApply = 1055;
constexpr UINT kFieldStatus = 1124, kFieldApply = 1122;
const std::string kContact = "1.3.6.1.2.1.1.4.0";
const std::string kLocation = "1.3.6.1.2.1.1.6.0";
const std::string kAuthTrap = "1.3.6.1.2.1.11.30.0";
const std::string kAging = "1.3.6.1.2.1.17.4.2.0";
const std::string kLearning = "1.3.6.1.4.1.88888.11.9.1.1.2.1.0";
// Shown for a zero byte and a tab.
const std::string kNulMark = "\u2039"
                             "00\u203A";
const std::string kTabMark = "\u2039"
                             "09\u203A";

class RereadsTest : public SwitchDialogTest {
protected:
    void SetUp() override { StartModule(); }
    CSetConfigDlg* OpenSetConfiguration() {
        auto* dlg = dynamic_cast<CSetConfigDlg*>(OpenSlot(1));
        EXPECT_NE(dlg, nullptr);
        EXPECT_TRUE(WaitForReplies());
        return dlg;
    }
    static CTextEditControl* Field(CWnd* dlg, UINT id) {
        return dynamic_cast<CTextEditControl*>(dlg->GetDlgItem(int(id)));
    }
    static CCBCtrl* List(CWnd* dlg, UINT id) {
        return dynamic_cast<CCBCtrl*>(dlg->GetDlgItem(int(id)));
    }
    static std::string Text(CWnd* dlg, UINT id) {
        char buffer[600] = {};
        Field(dlg, id)->GetText(buffer, sizeof buffer);
        return buffer;
    }
    static CDlgMsgControl* Line(CWnd* dlg, UINT id) {
        return dynamic_cast<CDlgMsgControl*>(dlg->GetDlgItem(int(id)));
    }
    static std::string Status(CWnd* dlg, UINT id) {
        return Line(dlg, id) ? Line(dlg, id)->GetText() : "(none)";
    }
    // Another manager's set, straight to the switch: no window hears of it.
    void SetOnSwitch(const std::string& name, const std::string& octets) {
        auto* msg = new CSnmpMsg(nullptr, AgentAddress(), "marbelo", SNMP_PDU_SET);
        msg->m_pPdu->AddOid(name, octets, SNMP_TYPE_OCTETS);
        SendSnmpMsg(msg);
        ASSERT_TRUE(WaitForReplies());
    }
    void SetOnSwitch(const std::string& name, std::uint32_t number) {
        auto* msg = new CSnmpMsg(nullptr, AgentAddress(), "marbelo", SNMP_PDU_SET);
        msg->m_pPdu->AddOid(name, number, SNMP_TYPE_INTEGER);
        SendSnmpMsg(msg);
        ASSERT_TRUE(WaitForReplies());
    }
    const SwitchConfig& Agent() const { return agent->Engine().Switch().Config(); }
};

TEST_F(RereadsTest, TwoWindowsOnOneObjectNeverUndoEachOther) {
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    auto* trapSettings = dynamic_cast<CChoiceFormDlg*>(OpenSlot(7));
    ASSERT_NE(trapSettings, nullptr);
    ASSERT_TRUE(WaitForReplies());
    CCBCtrl* page = List(dlg->Page(3), CTrapsPage::kAuthTrapId);
    auto* form = dynamic_cast<CCBCtrl*>(trapSettings->Input(0));
    ASSERT_EQ(Agent().authFailTrap, 2);
    EXPECT_EQ(page->GetSelect(), 1) << "Disable";

    // Trap Settings enables the trap: the Traps page reads it again.
    form->SetSelect(0);
    ClickControl(trapSettings, kChoiceApply);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().authFailTrap, 1);
    ASSERT_TRUE(WaitFor([&] { return page->GetSelect() == 0; })) << "the page shows Enable";
    ASSERT_TRUE(WaitForReplies());

    // Set Configuration changes only the name: the trap stays enabled.
    Field(dlg->Page(0), CGeneralPage::kNameId)->SetText("edge-7");
    ClickControl(dlg, CSetConfigDlg::kApplyId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().name, "edge-7");
    EXPECT_EQ(Agent().authFailTrap, 1);

    // The other way round: the page disables it, and an unchanged Apply of Trap Settings
    // leaves it disabled.
    page->SetSelect(1);
    ClickControl(dlg, CSetConfigDlg::kApplyId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().authFailTrap, 2);
    ASSERT_TRUE(WaitFor([&] { return form->GetSelect() == 1; })) << "the form shows Disable";
    ASSERT_TRUE(WaitForReplies());
    ClickControl(trapSettings, kChoiceApply);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().authFailTrap, 2);
    EXPECT_NE(Status(trapSettings, kChoiceStatus).find("sucessful"), std::string::npos);
}

TEST_F(RereadsTest, AWriteReadsFirstWhatTheOperatorLeftAlone) {
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    auto* trapSettings = OpenSlot(7);
    ASSERT_TRUE(WaitForReplies());
    // Another manager changes the switch; no window here hears of it.
    SetOnSwitch(kAuthTrap, 1u);
    SetOnSwitch(kContact, "night shift");
    Field(dlg->Page(0), CGeneralPage::kNameId)->SetText("edge-8");
    ClickControl(dlg, CSetConfigDlg::kApplyId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().name, "edge-8");
    EXPECT_EQ(Agent().contact, "night shift") << "the contact read first is written back";
    EXPECT_EQ(Agent().authFailTrap, 1);
    EXPECT_EQ(Text(dlg->Page(0), CGeneralPage::kContactId), "night shift");

    // A set elsewhere has the pages read again; what the operator typed stays as typed.
    SetOnSwitch(kContact, "day shift");
    Field(dlg->Page(0), CGeneralPage::kLocationId)->SetText("rack 9, typed");
    List(trapSettings, 1032)->SetSelect(1);
    ClickControl(trapSettings, kChoiceApply);
    ASSERT_TRUE(WaitFor([&] {
        return Text(dlg->Page(0), CGeneralPage::kContactId) == "day shift" &&
               List(dlg->Page(3), CTrapsPage::kAuthTrapId)->GetSelect() == 1;
    }));
    EXPECT_EQ(Text(dlg->Page(0), CGeneralPage::kLocationId), "rack 9, typed");
    ASSERT_TRUE(WaitForReplies());
}

TEST_F(RereadsTest, ANulByteSurvivesAnApplyOfAnotherField) {
    const std::string bytes("A\x00"
                            "B\x09",
                            4);
    SetOnSwitch(kLocation, bytes);
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    CConfigPage* general = dlg->Page(0);
    EXPECT_EQ(Text(general, CGeneralPage::kLocationId), "A" + kNulMark + "B" + kTabMark);
    Field(general, CGeneralPage::kContactId)->SetText("Pat");
    ClickControl(dlg, CSetConfigDlg::kApplyId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().contact, "Pat");
    EXPECT_EQ(Agent().location, bytes);

    // Edited around them, the marks left in place are the bytes again.
    Field(general, CGeneralPage::kLocationId)->SetText(("C" + kNulMark + "B" + kTabMark).c_str());
    ClickControl(dlg, CSetConfigDlg::kApplyId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().location, std::string("C\x00"
                                            "B\x09",
                                            4));
    auto* info = Open<CInfoDlg>(0);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Cell(info, 1, 5), "C" + kNulMark + "B" + kTabMark) << "the information shows them";
}

TEST_F(RereadsTest, AValueReadThatCannotBeWrittenBackIsLeftOutAndNamed) {
    std::vector<std::vector<std::string>> sets;
    ScriptedResponder peer([&sets](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        if (request.m_wPduType == SNMP_PDU_SET) {
            sets.emplace_back();
            for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList) {
                sets.back().push_back(vb->m_strOid);
                reply.m_pPdu->AddOid(vb->m_strOid, vb->GetUInt32(), SNMP_TYPE_INTEGER);
            }
            return;
        }
        reply.m_pPdu->AddOid(kAging, std::uint32_t(7), SNMP_TYPE_INTEGER);
        reply.m_pPdu->AddOid(kLearning, std::uint32_t(3), SNMP_TYPE_INTEGER);
    });
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    CConfigPage* advanced = dlg->Page(2);
    advanced->Request()->m_strIpAddr = peer.Address();
    advanced->Read();
    ASSERT_TRUE(WaitFor([&] { return !advanced->IsWaiting(); }));
    EXPECT_EQ(Text(advanced, CAdvancedPage::kExpiresId), "7");

    List(advanced, CAdvancedPage::kLearningId)->SetSelect(0);
    EXPECT_EQ(advanced->Write(), PageWrite::Sent);
    ASSERT_TRUE(WaitFor([&] { return !advanced->IsWaiting(); }));
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], std::vector<std::string>{kLearning}) << "the ageing time read is left out";
    const std::string shown = Status(advanced, CAdvancedPage::kStatusId);
    const std::string whole = GetToolTip(Line(advanced, CAdvancedPage::kStatusId));
    EXPECT_EQ(whole.rfind("MAC Address Entry Expires (seconds): read 7, not between 10 and "
                          "1000000, not written; Received at ",
                          0),
              0u)
        << whole;
    EXPECT_EQ(shown, whole.substr(0, shown.size())) << "the line starts with the field";

    // Typed, the ageing time goes out like any other value.
    Field(advanced, CAdvancedPage::kExpiresId)->SetText("600");
    EXPECT_EQ(advanced->Write(), PageWrite::Sent);
    ASSERT_TRUE(WaitFor([&] { return !advanced->IsWaiting(); }));
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[1], (std::vector<std::string>{kAging, kLearning}));
}

TEST_F(RereadsTest, NothingReadShowsNothingChosenAndNothingToWriteSendsNothing) {
    StopAgent();
    CSetConfigDlg* dlg = dynamic_cast<CSetConfigDlg*>(OpenSlot(1));
    ASSERT_NE(dlg, nullptr);
    ExpireRequests();
    CCBCtrl* learning = List(dlg->Page(2), CAdvancedPage::kLearningId);
    EXPECT_EQ(learning->GetCount(), 3) << "Disable, Enable and an empty entry";
    EXPECT_EQ(learning->GetSelect(), 2) << "not Disable as if it were the switch's value";
    RestartAgent();

    // Port 3's settings with every value outside its list: nothing to write, nothing sent.
    std::vector<int> pduTypes;
    ScriptedResponder peer([&pduTypes](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        pduTypes.push_back(request.m_wPduType & 0xFF);
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList)
            reply.m_pPdu->AddOid(vb->m_strOid, std::uint32_t(9), SNMP_TYPE_INTEGER);
    });
    auto* form = dynamic_cast<CChoiceFormDlg*>(OpenSlot(82));
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(WaitForReplies());
    form->Request()->m_strIpAddr = peer.Address();
    form->Read();
    ASSERT_TRUE(WaitFor([&] { return !form->IsWaiting(); }));
    ClickControl(form, kChoiceApply);
    ASSERT_TRUE(WaitFor([&] { return !form->IsWaiting() && pduTypes.size() == 2; }));
    PumpFor(50);
    EXPECT_EQ(pduTypes, (std::vector<int>{SNMP_PDU_GET & 0xFF, SNMP_PDU_GET & 0xFF}))
        << "the read, and the read before the write: no set";
    EXPECT_EQ(Status(form, kChoiceStatus).rfind("No value chosen: nothing sent", 0), 0u)
        << Status(form, kChoiceStatus);
    EXPECT_NE(GetToolTip(Line(form, kChoiceStatus)).find("Speed Status Control: read 9"),
              std::string::npos);
}

TEST_F(RereadsTest, ChangingTheManagerAddressMakesANewEntryAndOffersToRemoveTheOld) {
    auto openReceiver = [&](const char* address) {
        CDlgData keys;
        keys.SetKeys({address});
        EXPECT_TRUE(PostOpenSlot(main.get(), 6, &keys));
        PumpMessages();
        auto* form = dynamic_cast<CTextFormDlg*>(main->GetChildDialog(6));
        EXPECT_TRUE(WaitForReplies());
        return form;
    };
    const std::uint32_t old = IpKey({192, 0, 2, 10});
    CTextFormDlg* form = openReceiver("192.0.2.10");
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(Text(form, 1024), "public");

    Field(form, 1023)->SetText("192.0.2.11");
    prompt.messageBoxAnswers = {IDCANCEL};
    ClickControl(form, kFieldApply);
    EXPECT_EQ(OutstandingRequests(), 0u);
    EXPECT_EQ(Status(form, kFieldStatus), "Nothing sent");
    ASSERT_EQ(prompt.messageBoxes.size(), 1u);
    EXPECT_EQ(prompt.messageBoxes[0].text,
              "Manager IP Address changed from 192.0.2.10 to 192.0.2.11: Apply makes a new "
              "entry. Remove the entry 192.0.2.10 once the new one is made?");

    prompt.messageBoxAnswers = {IDNO};
    ClickControl(form, kFieldApply);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().trapReceivers.count(IpKey({192, 0, 2, 11})), 1u);
    EXPECT_EQ(Agent().trapReceivers.count(old), 1u) << "kept, as the operator chose";

    // The form now edits the new entry; moving it again and removing what it leaves.
    Field(form, 1023)->SetText("192.0.2.12");
    prompt.messageBoxAnswers = {IDYES};
    ClickControl(form, kFieldApply);
    ASSERT_TRUE(WaitForReplies());
    ASSERT_EQ(prompt.messageBoxes.size(), 3u);
    EXPECT_NE(prompt.messageBoxes[2].text.find("from 192.0.2.11 to 192.0.2.12"), std::string::npos);
    EXPECT_EQ(Agent().trapReceivers.count(IpKey({192, 0, 2, 12})), 1u);
    EXPECT_EQ(Agent().trapReceivers.count(IpKey({192, 0, 2, 11})), 0u) << "removed";
    EXPECT_EQ(Agent().trapReceivers.count(old), 1u);
    EXPECT_NE(Status(form, kFieldStatus).find("sucessful"), std::string::npos);

    // Community written without touching the address: no question.
    Field(form, 1024)->SetText("ops");
    ClickControl(form, kFieldApply);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(prompt.messageBoxes.size(), 3u);
    EXPECT_EQ(Agent().trapReceivers.at(IpKey({192, 0, 2, 12})), "ops");
}

TEST_F(RereadsTest, LengthsAreCheckedBeforeSendingAndACutIsSaidAtOnce) {
    auto* receiver = dynamic_cast<CTextFormDlg*>(OpenSlot(6));
    ASSERT_NE(receiver, nullptr);
    Field(receiver, 1023)->SetText("192.0.2.77");
    Field(receiver, 1024)->SetText(std::string(33, 'c').c_str());
    ClickControl(receiver, kFieldApply);
    EXPECT_EQ(OutstandingRequests(), 0u);
    EXPECT_EQ(Status(receiver, kFieldStatus), "Community String: longer than 32 bytes");
    Field(receiver, 1024)->SetText(std::string(100, 'c').c_str());
    PumpMessages();
    EXPECT_EQ(Status(receiver, kFieldStatus), "Community String: cut to 81 characters");
    EXPECT_EQ(Text(receiver, 1024), std::string(81, 'c'));

    // 90 emoji typed into Contact: 81 whole ones stay, too long for the object to send.
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    std::string emoji;
    for (int i = 0; i < 90; ++i)
        emoji += "\xF0\x9F\x98\x80";
    Field(dlg->Page(0), CGeneralPage::kContactId)->SetText(emoji.c_str());
    EXPECT_EQ(Text(dlg->Page(0), CGeneralPage::kContactId), emoji.substr(0, 81 * 4));
    const std::string contact = Agent().contact;
    EXPECT_EQ(dlg->Page(0)->Write(), PageWrite::Refused);
    EXPECT_EQ(Status(dlg->Page(0), CGeneralPage::kStatusId),
              "System Contact: longer than 255 bytes");
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Agent().contact, contact);
}

} // namespace
