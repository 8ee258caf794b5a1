// The program's windows, unchanged, over SNMPv3 at authPriv and over SNMPv2c against the
// in-process switch: the engine's per-agent session carries every request.

#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoMenu/CKoMCtrl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/CSetConfigDlg.h"
#include "module/monitor/CInfoDlg.h"
#include "module/monitor/CStatTableDlg.h"
#include "module/monitor/CTableDlg.h"
#include "module/panel/CPanelWnd.h"
#include "snmp/SnmpTransport.h"
#include "snmp/UsmAuthoritativeEngine.h"
#include "snmp/UsmSession.h"
#include "tests/module/monitor/SwitchDialogTest.h"
#include "tests/module/support/ScriptedResponder.h"

namespace {

constexpr UINT kRefresh = 1013;
const std::string kAuthenticationFailure = UsmFailureText(UsmFailure::AuthenticationFailure);

class SessionE2eTest : public SwitchDialogTest {
protected:
    void StartV3(const std::string& authPass) {
        agentProtocols.v3Users.push_back(TestOpsUser());
        session.version = SNMP_VERSION_3;
        session.userName = "ops";
        sessionSecrets = {UsmSecret(authPass), UsmSecret("priv-pass-1")};
        StartModule();
    }
    std::string Status(CSetConfigDlg* dlg) {
        auto* line =
            dynamic_cast<CDlgMsgControl*>(dlg->Page(0)->GetDlgItem(int(CGeneralPage::kStatusId)));
        return line ? line->GetText() : "(none)";
    }
    CTextEditControl* Contact(CSetConfigDlg* dlg) {
        return dynamic_cast<CTextEditControl*>(
            dlg->Page(0)->GetDlgItem(int(CGeneralPage::kContactId)));
    }
    const AgentStats& AgentCounts() const { return agent->Engine().Stats(); }
};

TEST_F(SessionE2eTest, AtAuthPrivThePanelTheInformationAndAnApplyWork) {
    StartV3("auth-pass-1");
    EXPECT_EQ(main->GetPanel()->AgentValue(), 1) << "the panel's agent LED: it answers";
    EXPECT_TRUE(main->GetButtonMenu()->IsActive());
    EXPECT_NE(main->GetPanel()->ModuleTypes(), 0);

    auto* info = Open<CInfoDlg>(0);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Cell(info, 1, 1), "1.3.6.1.4.1.88888.1.1");
    EXPECT_EQ(Cell(info, 1, 10), "28");
    EXPECT_EQ(LastLog(info).rfind("Response received at", 0), 0u) << LastLog(info);

    auto* config = dynamic_cast<CSetConfigDlg*>(OpenSlot(1));
    ASSERT_NE(config, nullptr);
    ASSERT_TRUE(WaitForReplies());
    Contact(config)->SetText("ops over SNMPv3");
    ClickControl(config, CSetConfigDlg::kApplyId);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_NE(Status(config).find("sucessful"), std::string::npos) << Status(config);
    EXPECT_EQ(agent->Engine().Switch().Config().contact, "ops over SNMPv3");
    Contact(config)->SetText("");
    ClickControl(config, CSetConfigDlg::kRefreshId);
    ASSERT_TRUE(WaitForReplies());
    char text[100] = {};
    Contact(config)->GetText(text, sizeof text);
    EXPECT_STREQ(text, "ops over SNMPv3") << "read back";

    // Every answer went through the switch's SNMPv3 engine, none in a community message.
    EXPECT_EQ(AgentCounts().badVersion + AgentCounts().badCommunity, 0u);
    EXPECT_GT(agent->Engine().V3Engine()->Stats().unknownEngineIds, 0u) << "discovery";
}

TEST_F(SessionE2eTest, AWrongPassphraseIsOneLineInTheEnginesWordsAndNothingWaits) {
    StartV3("not-the-passphrase");
    EXPECT_EQ(main->GetPanel()->AgentValue(), 0) << "the panel says the switch does not answer";
    EXPECT_FALSE(main->GetButtonMenu()->IsActive());

    auto* info = Open<CInfoDlg>(0);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Log(info), std::vector<std::string>{kAuthenticationFailure});
    EXPECT_EQ(OutstandingRequests(), 0u) << "refused at once: nothing waits for a time-out";

    auto* config = dynamic_cast<CSetConfigDlg*>(OpenSlot(1));
    ASSERT_NE(config, nullptr);
    ASSERT_TRUE(WaitForReplies());
    EXPECT_EQ(Status(config), kAuthenticationFailure);

    // The refusal is not retried behind the operator's back: one request, one report.
    const std::uint64_t refused = AgentCounts().v3Refused;
    PumpFor(300);
    EXPECT_EQ(AgentCounts().v3Refused, refused);
}

TEST_F(SessionE2eTest, OverV2cWalksEndAndCountersCount) {
    agentProtocols.v2c = true;
    session.version = SNMP_VERSION_2C;
    StartModule();
    EXPECT_EQ(main->GetPanel()->AgentValue(), 1);
    auto* receivers = Open<CTableDlg>(5);
    ASSERT_NE(receivers, nullptr);
    EXPECT_EQ(Cell(receivers, 0, 0), "192.0.2.10");
    EXPECT_EQ(LastLog(receivers), "End of table");
    EXPECT_FALSE(receivers->IsWaiting());

    auto* stats = Open<CStatTableDlg>(173);
    ASSERT_NE(stats, nullptr);
    EXPECT_EQ(Counter(stats), "1") << "one sample taken";
    for (int row = 0; row < stats->GetGrid()->GetRowCount(); ++row)
        EXPECT_EQ(Cell(stats, 1, row).find_first_not_of("0123456789"), std::string::npos)
            << "a counter total: " << Cell(stats, 1, row);
    EXPECT_EQ(AgentCounts().badVersion, 0u) << "every request went as SNMPv2c";
}

TEST_F(SessionE2eTest, AnSnmpV2AgentsExceptionsReadInWordsAndEndTheWalk) {
    StartModule();
    const std::string entry = "1.3.6.1.4.1.88888.11.1.3.10.1";
    // One entry whose community the agent does not have, then the end of its view.
    ScriptedResponder v2agent([&](int n, const CSnmpMsg& request, CSnmpMsg& reply) {
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList) {
            if (n > 1) {
                reply.m_pPdu->AddOid(vb->m_strOid);
                reply.m_pPdu->m_varBindList.back()->m_byType = SNMP_TYPE_ENDOFMIBVIEW;
            } else if (std::string(vb->m_strOid) == entry + ".1") {
                const std::uint8_t ip[4] = {10, 0, 0, 1};
                reply.m_pPdu->AddOid(entry + ".1.10.0.0.1", ip, 4, SNMP_TYPE_IPADDR);
            } else {
                reply.m_pPdu->AddOid(entry + ".2.10.0.0.1");
                reply.m_pPdu->m_varBindList.back()->m_byType = SNMP_TYPE_NOSUCHINSTANCE;
            }
        }
    });
    SetSnmpAgentVersion(v2agent.Address(), SNMP_VERSION_2C);
    auto* dlg = OpenAt<CTableDlg, CEntryTableDlgData>(5, v2agent.Address());
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(WaitFor([&] { return v2agent.firstNames.size() >= 2 && !dlg->IsWaiting(); }));
    PumpFor(50);
    EXPECT_EQ(v2agent.firstNames.size(), 2u) << "endOfMibView ends the walk";
    ASSERT_EQ(dlg->GetGrid()->GetRowCount(), 1);
    EXPECT_EQ(Cell(dlg, 0, 0), "10.0.0.1");
    EXPECT_EQ(Cell(dlg, 1, 0), "noSuchInstance");
    EXPECT_EQ(LastLog(dlg), "End of table");
}

TEST_F(SessionE2eTest, AFormWhoseObjectTheAgentLacksIsNotReadAndWritesNothing) {
    StartModule();
    int sets = 0;
    ScriptedResponder v2agent([&](int, const CSnmpMsg& request, CSnmpMsg& reply) {
        sets += (request.m_wPduType & 0xFF) == SNMP_PDU_SET;
        // sysContact and sysName only: the location and the switch's own objects are missing.
        for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList) {
            const std::string name = vb->m_strOid;
            reply.m_pPdu->AddOid(name, std::string("kept"), SNMP_TYPE_OCTETS);
            if (name != "1.3.6.1.2.1.1.4.0" && name != "1.3.6.1.2.1.1.5.0")
                reply.m_pPdu->m_varBindList.back()->m_byType = SNMP_TYPE_NOSUCHOBJECT;
        }
    });
    SetSnmpAgentVersion(v2agent.Address(), SNMP_VERSION_2C);
    // The Set Configuration window of the switch at the responder's address.
    app->TakeCommandLine("/I" + v2agent.Address());
    main->CloseChildDialogs();
    auto* config = dynamic_cast<CSetConfigDlg*>(OpenSlot(1));
    ASSERT_NE(config, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !v2agent.firstNames.empty(); }));
    PumpFor(100);
    EXPECT_NE(Status(config).find("noSuchObject,1.3.6.1.2.1.1.6.0"), std::string::npos)
        << Status(config);
    ClickControl(config, CSetConfigDlg::kApplyId);
    PumpFor(100);
    EXPECT_EQ(sets, 0) << "the words of an exception are never written back";
    EXPECT_EQ(Status(config), "Not read from the switch: nothing sent");
}

} // namespace
