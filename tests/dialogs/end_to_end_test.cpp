// A list dialog against the simulated switch over real UDP: the get fills the list, every
// reply adds a status line, a silent agent gives "timeout".
#include <gtest/gtest.h>

#include "agent/CAgentServer.h"
#include "dialogs/NmDlgResources.h"
#include "snmp/SnmpTransport.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

class ListDialogAgentTest : public ::testing::Test {
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
    CAgentServer agent{AgentServerSettings{}};
};

TEST_F(ListDialogAgentTest, GetFillsTheListAndEachReplyAddsAStatusLine) {
    auto* dlg = new TestGetDialog(nullptr, "System", agent.ListenAddress());
    dlg->ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return dlg->replies == 1; }));
    EXPECT_EQ(dlg->m_dwPendingReqId, 0u);
    EXPECT_EQ(dlg->GetWindowText(), "System");
    EXPECT_EQ(dlg->GetHeaderValue(1)->GetWindowText(), agent.ListenAddress());
    ASSERT_EQ(dlg->m_listCtrl.GetItemCount(), 6);
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(4, 0), "sysName");
    for (int row = 0; row < 6; ++row)
        EXPECT_FALSE(dlg->m_listCtrl.GetItemText(row, 1).empty()) << row;
    EXPECT_NE(dlg->m_strStatus.find(", sucessful\r\n"), std::string::npos) << dlg->m_strStatus;

    // The side button bound to Refresh reads again: a second line.
    CWnd* refresh = dlg->GetButton(0);
    EXPECT_EQ(refresh->GetWindowText(), "&Refresh");
    LeftDown(refresh, 5, 5);
    LeftUp(refresh, 5, 5);
    ASSERT_TRUE(PumpUntil([&] { return dlg->replies == 2; }));
    EXPECT_EQ(std::count(dlg->m_strStatus.begin(), dlg->m_strStatus.end(), '\n'), 2);

    dlg->m_listCtrl.SetItemState(4, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    PumpMessages();
    SaveScreenshot(dlg, "nmdlg_list_system");

    // The title bar's close ends the dialog: it leaves the registry.
    dlg->SendMessage(WM_CLOSE);
    EXPECT_EQ(nmdlgFind("System"), nullptr);
}

TEST_F(ListDialogAgentTest, SilentAgentGivesATimeoutLineAndTheDialogStopsWaiting) {
    SetSnmpTimeout(100);
    // A port nobody answers on.
    auto* dlg = new TestGetDialog(nullptr, "Silent", "127.0.0.1:9");
    dlg->ShowWindow(SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] { return dlg->replies == 1; }, 5000));
    EXPECT_EQ(dlg->m_strStatus, "timeout\r\n");
    EXPECT_EQ(dlg->m_dwPendingReqId, 0u);
    EXPECT_EQ(dlg->m_listCtrl.GetItemText(0, 1), "");
    SetSnmpTimeout(500);
}

} // namespace
