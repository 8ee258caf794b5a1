// The registry of open dialogs and the side-button functions of the dialog base.
#include <gtest/gtest.h>

#include "platform/ui/AppWindow.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override {
        nmdlgCloseAll();
        AfxSetMainWnd(nullptr);
        PumpMessages();
    }
};

TEST_F(RegistryTest, FindReturnsTheOlderOfTwoWithTheSameKeyAndForgetsClosedOnes) {
    auto* first = new BareList("Port 5");
    auto* second = new BareList("Port 5");
    auto* other = new BareList("port 5");
    EXPECT_EQ(nmdlgFind("Port 5"), first);
    EXPECT_EQ(nmdlgFind("port 5"), other);
    EXPECT_EQ(nmdlgFind("Port"), nullptr);

    first->DestroyWindow(); // deletes the dialog
    EXPECT_EQ(nmdlgFind("Port 5"), second);
    nmdlgCloseAll();
    EXPECT_EQ(nmdlgFind("Port 5"), nullptr);
    EXPECT_EQ(nmdlgFind("port 5"), nullptr);
}

TEST_F(RegistryTest, ArrangeCascadesFromTheMainWindowKeepingSizes) {
    nmdlgArrange(); // no dialogs: nothing to do
    TestFrame main(300, 200);
    main.MoveWindow(100, 80, 300, 200);
    AfxSetMainWnd(&main);
    nmdlgArrange(); // no dialogs
    BareList* dialogs[3] = {new BareList("a"), new BareList("b"), new BareList("c")};
    dialogs[1]->MoveWindow(500, 500, 420, 300);
    for (BareList* dlg : dialogs)
        dlg->ShowWindow(SW_SHOW);
    PumpMessages();
    nmdlgArrange();
    PumpMessages();
    CRect origin;
    main.GetWindowRect(&origin);
    const CPoint expected[3] = {{0, 40}, {20, 62}, {40, 84}};
    for (int n = 0; n < 3; ++n) {
        CRect r;
        dialogs[n]->GetWindowRect(&r);
        EXPECT_EQ(r.left - origin.left, expected[n].x) << n;
        EXPECT_EQ(r.top - origin.top, expected[n].y) << n;
    }
    CRect moved;
    dialogs[1]->GetWindowRect(&moved);
    EXPECT_EQ(moved.Width(), 420);
    EXPECT_EQ(moved.Height(), 300);
}

TEST_F(RegistryTest, WithoutAMainWindowArrangeCascadesOverTheDesktopWorkArea) {
    const CRect area = GetDesktopWorkArea();
    ASSERT_FALSE(area.IsRectEmpty());
    BareList* dialogs[3] = {new BareList("a"), new BareList("b"), new BareList("c")};
    for (BareList* dlg : dialogs) {
        dlg->MoveWindow(area.right - 100, area.bottom - 100, 300, 200);
        dlg->ShowWindow(SW_SHOW);
    }
    PumpMessages();
    nmdlgArrange();
    PumpMessages();
    for (int n = 0; n < 3; ++n) {
        CRect r;
        dialogs[n]->GetWindowRect(&r);
        EXPECT_EQ(r.left - area.left, 20 + 20 * n) << n;
        EXPECT_EQ(r.top - area.top, 40 + 22 * n) << n;
    }
}

TEST_F(RegistryTest, SideButtonsTakeCaptionAndHandlerFromTheirFunctionCode) {
    auto* dlg = new BareList("buttons");
    EXPECT_EQ(dlg->m_nButtonFunc[2], -1);
    EXPECT_EQ(dlg->m_pfnButton[2], nullptr);
    const std::pair<int, const char*> codes[] = {{1, "&Refresh"}, {2, "&Set"},   {3, "&More"},
                                                 {4, "&Delete"},  {5, "&Apply"}, {8, "&Close"}};
    for (const auto& [code, caption] : codes) {
        dlg->SetButton(2, code);
        EXPECT_EQ(dlg->GetButton(2)->GetWindowText(), caption);
        EXPECT_EQ(dlg->m_nButtonFunc[2], code);
    }
    // An unknown code keeps caption and handler: button 2 still closes.
    dlg->SetButton(2, 6);
    EXPECT_EQ(dlg->m_nButtonFunc[2], 6);
    EXPECT_EQ(dlg->GetButton(2)->GetWindowText(), "&Close");
    dlg->ButtonProcess(5); // ignored
    dlg->ButtonProcess(3); // no handler
    EXPECT_EQ(nmdlgFind("buttons"), dlg);
    dlg->ButtonProcess(2);
    EXPECT_EQ(nmdlgFind("buttons"), nullptr);
}

} // namespace
