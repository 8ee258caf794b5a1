// Writes an operator can trust, against the simulated switch and a scripted one: nothing is
// written that was not read, text keeps its bytes, typed values are checked before they leave,
// a value outside a list is not written back, and windows showing a written object read again.
// Windows never undo each other: a write re-reads what the operator left alone, octets survive
// a write of another field, and values that cannot be written back are left out and named.

#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "controls/common/ControlMessages.h"
#include "module/config/CChoiceFormDlg.h"
#include "module/config/CSetConfigDlg.h"
#include "module/config/CTextFormDlg.h"
#include "module/monitor/CInfoDlg.h"
#include "module/monitor/CTableDlg.h"
#include "module/slots/CDlgData.h"
#include "platform/ui/ToolTip.h"
#include "snmp/SnmpTransport.h"
#include "tests/module/monitor/SwitchDialogTest.h"
#include "tests/module/support/ScriptedResponder.h"

namespace {

constexpr UINT kFieldStatus = 1124, kFieldApply = 1122;
constexpr UINT kChoiceStatus = 1054, kChoiceApply = 1055;
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
    static CCBCtrl* List(CWnd* dlg, UINT id) {
        return dynamic_cast<CCBCtrl*>(dlg->GetDlgItem(int(id)));
    }
    static std::string Text(CWnd* dlg, UINT id) {
        char buffer[600] = {};
        Field(dlg, id)->GetText(buffer, sizeof buffer);
        return buffer;
    }
    static std::string Status(CWnd* dlg, UINT id) {
        auto* line = dynamic_cast<CDlgMsgControl*>(dlg->GetDlgItem(int(id)));
        return line ? line->GetText() : "(none)";
    }
    // What the status line says in full: its tooltip when it shows only part.
    static std::string WholeStatus(CWnd* dlg, UINT id) {
        const std::string tip = GetToolTip(dlg->GetDlgItem(int(id)));
        return tip.empty() ? Status(dlg, id) : tip;
    }
    // Another manager's set, straight to the switch.
    void SetOnSwitch(const std::string& name, const std::string& octets) {
        SetOnSwitch([&](CSnmpPdu& pdu) { pdu.AddOid(name, octets, SNMP_TYPE_OCTETS); });
    }
    void SetOnSwitch(const std::string& name, std::uint32_t number) {
        SetOnSwitch([&](CSnmpPdu& pdu) { pdu.AddOid(name, number, SNMP_TYPE_INTEGER); });
    }
    void SetOnSwitch(const std::function<void(CSnmpPdu&)>& binding) {
        auto* msg = new CSnmpMsg(nullptr, AgentAddress(), "marbelo", SNMP_PDU_SET);
        binding(*msg->m_pPdu);
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

TEST_F(WritesTest, TwoWindowsOnOneObjectNeverUndoEachOther) {
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
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

TEST_F(WritesTest, AWriteReadsFirstWhatTheOperatorLeftAlone) {
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
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

TEST_F(WritesTest, ANulByteSurvivesAnApplyOfAnotherField) {
    const std::string bytes("A\x00"
                            "B\x09",
                            4);
    SetOnSwitch(kLocation, bytes);
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
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

TEST_F(WritesTest, AValueReadThatCannotBeWrittenBackIsLeftOutAndNamed) {
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
    ASSERT_TRUE(WaitForReplies());
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
    const std::string whole = Status(advanced, CAdvancedPage::kStatusId);
    EXPECT_EQ(GetToolTip(advanced->GetDlgItem(CAdvancedPage::kStatusId)), whole)
        << "too long for the line: whole in its tooltip";
    EXPECT_EQ(whole.rfind("MAC Address Entry Expires (seconds): read 7, not between 10 and "
                          "1000000, not written; Received at ",
                          0),
              0u)
        << whole;

    // Typed, the ageing time goes out like any other value.
    Field(advanced, CAdvancedPage::kExpiresId)->SetText("600");
    EXPECT_EQ(advanced->Write(), PageWrite::Sent);
    ASSERT_TRUE(WaitFor([&] { return !advanced->IsWaiting(); }));
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[1], (std::vector<std::string>{kAging, kLearning}));
}

TEST_F(WritesTest, AValueTheSwitchRefusesIsNamedByItsFieldFirst) {
    ScriptedResponder peer([](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        if (request.m_wPduType == SNMP_PDU_SET) {
            EchoWithError(request, reply, 3);
            reply.m_pPdu->m_dwErrorIndex = 2;
            return;
        }
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList)
            reply.m_pPdu->AddOid(vb->m_strOid, std::string("x"), SNMP_TYPE_OCTETS);
    });
    CSetConfigDlg* dlg = OpenSetConfiguration();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitForReplies());
    CConfigPage* general = dlg->Page(0);
    general->Request()->m_strIpAddr = peer.Address();
    Field(general, CGeneralPage::kNameId)->SetText("edge-9");
    EXPECT_EQ(general->Write(), PageWrite::Sent);
    ASSERT_TRUE(WaitFor([&] { return !general->IsWaiting(); }));
    const std::string whole = WholeStatus(general, CGeneralPage::kStatusId);
    EXPECT_EQ(whole.rfind("System Name: Received at ", 0), 0u) << whole;
    EXPECT_NE(whole.find(", badValue(Null), 1.3.6.1.2.1.1.5.0"), std::string::npos) << whole;
    EXPECT_EQ(Text(general, CGeneralPage::kNameId), "edge-9") << "what was typed stays";
}

TEST_F(WritesTest, AListDrawsTheEntryItReadEvenWhenItIsTheFirst) {
    auto* form = dynamic_cast<CChoiceFormDlg*>(OpenSlot(82));
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(WaitForReplies());
    auto* lock = dynamic_cast<CCBCtrl*>(form->Input(3));
    ASSERT_EQ(lock->GetSelect(), 0) << "Disable, the first entry";
    CRect client;
    lock->GetClientRect(&client);
    bool text = false;
    for (int y = 3; y < client.Height() - 3 && !text; ++y)
        for (int x = 3; x < client.Width() / 2 && !text; ++x)
            text = Pixel(lock, x, y) == RGB(0, 0, 0);
    EXPECT_TRUE(text) << "the text box shows the entry, not the empty one it had before";
}

TEST_F(WritesTest, NothingReadShowsNothingChosenAndNothingToWriteSendsNothing) {
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
    EXPECT_NE(WholeStatus(form, kChoiceStatus).find("Speed Status Control: read 9"),
              std::string::npos);
}

TEST_F(WritesTest, ChangingTheManagerAddressMakesANewEntryAndOffersToRemoveTheOld) {
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

TEST_F(WritesTest, LengthsAreCheckedBeforeSendingAndACutIsSaidAtOnce) {
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
    ASSERT_TRUE(WaitForReplies());
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
