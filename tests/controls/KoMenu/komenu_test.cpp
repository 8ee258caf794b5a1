#include "controls/KoMenu/CKoMCtrl.h"
#include "platform/ui/ScriptedPrompt.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The program's four buttons; "Help" has no menu here, to stand for an entry without one.
class KoMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CKoMCtrl::Register(), 1);
        const char* names[4] = {"Configuration", "Monitor", "Reset", "Help"};
        for (int i = 0; i < 4; ++i)
            std::strcpy(entries[i].caption, names[i]);
        entries[0].menu.CreatePopupMenu();
        entries[0].menu.AppendMenu(MF_STRING, 4097, "System Information");
        entries[0].menu.AppendMenu(MF_STRING, 4099, "MIB Capability");
        entries[1].menu.CreatePopupMenu();
        entries[1].menu.AppendMenu(MF_STRING, 4146, "Port Packets");
        entries[2].menu.CreatePopupMenu();
        entries[2].menu.AppendMenu(MF_STRING, 4145, "Reset");
        menu = new CKoMCtrl;
        ASSERT_TRUE(menu->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 495, 50), &frame, 1000));
        menu->InitKoMenu(4, entries);
        menu->MoveWindow(0, 0, 495, 50);
    }
    COLORREF At(int x, int y) { return Pixel(menu, x, y); }
    void Click(int x, int y) {
        LeftDown(menu, x, y);
        LeftUp(menu, x, y);
    }

    ScriptedPrompt prompt;
    TestFrame frame{600, 200};
    CKoMenuObj entries[4];
    CKoMCtrl* menu = nullptr;
};

} // namespace

TEST_F(KoMenuTest, ButtonsAreLaidOutInOneRow) {
    int expectedLeft[4] = {6, 101, 196, 291};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(entries[i].x, expectedLeft[i]);
        EXPECT_EQ(entries[i].y, 6);
        EXPECT_EQ(entries[i].width, 90);
        EXPECT_EQ(entries[i].height, 20);
    }
}

TEST_F(KoMenuTest, HitTestExcludesTheButtonEdges) {
    EXPECT_EQ(menu->HitTest(CPoint(6, 15)), -1);
    EXPECT_EQ(menu->HitTest(CPoint(7, 15)), 0);
    EXPECT_EQ(menu->HitTest(CPoint(95, 15)), 0);
    EXPECT_EQ(menu->HitTest(CPoint(96, 15)), -1);
    EXPECT_EQ(menu->HitTest(CPoint(101, 15)), -1);
    EXPECT_EQ(menu->HitTest(CPoint(102, 15)), 1);
    EXPECT_EQ(menu->HitTest(CPoint(380, 15)), 3);
    EXPECT_EQ(menu->HitTest(CPoint(50, 6)), -1);
    EXPECT_EQ(menu->HitTest(CPoint(50, 25)), 0);
    EXPECT_EQ(menu->HitTest(CPoint(50, 26)), -1);
}

TEST_F(KoMenuTest, RaisedButtonsFrameAndDropMarks) {
    menu->RedrawWindow();
    // Button 0 spans x 6–95, y 6–25: white top/left, grey bottom/right.
    EXPECT_EQ(At(6, 6), kWhite);
    EXPECT_EQ(At(6, 24), kWhite);
    EXPECT_EQ(At(94, 6), kWhite);
    EXPECT_EQ(At(95, 6), kGrey);
    EXPECT_EQ(At(6, 25), kGrey);
    EXPECT_EQ(At(95, 25), kGrey);
    EXPECT_EQ(At(380, 25), kGrey); // the fourth button ends at 380
    // Drop mark of button 0 (x + 80 …, y + 8 …): rows of 6, 4 and 2 pixels.
    EXPECT_EQ(At(86, 14), kBlack);
    EXPECT_EQ(At(91, 14), kBlack);
    EXPECT_NE(At(92, 14), kBlack);
    EXPECT_EQ(At(87, 15), kBlack);
    EXPECT_EQ(At(90, 15), kBlack);
    EXPECT_NE(At(91, 15), kBlack);
    EXPECT_EQ(At(88, 16), kBlack);
    EXPECT_EQ(At(89, 16), kBlack);
    EXPECT_NE(At(89, 17), kBlack);
    // Frame: grey rectangle at 1, grooves at H − 21 and H − 5 (H = 50).
    EXPECT_EQ(At(200, 1), kGrey);
    EXPECT_EQ(At(1, 40), kGrey);
    EXPECT_EQ(At(5, 40), kGrey);
    EXPECT_EQ(At(200, 29), kGrey);
    EXPECT_EQ(At(200, 45), kWhite);
    EXPECT_EQ(At(492, 40), kWhite);
    EXPECT_EQ(At(200, 48), kWhite);
}

TEST_F(KoMenuTest, CaptionsAreCentredLeftOfTheDropMark) {
    menu->RedrawWindow();
    // "Reset" on button 2 (x 196): centred on x + (90 − 10) / 2, the mark's room excluded.
    int left = 1000, right = -1;
    for (int y = 7; y < 25; ++y)
        for (int x = 197; x < 196 + 80; ++x)
            if (At(x, y) == kBlack)
                left = std::min(left, x), right = std::max(right, x);
    ASSERT_LT(left, right);
    EXPECT_NEAR((left + right) / 2.0, 196 + 40, 2.5);
}

TEST_F(KoMenuTest, ReleaseOnTheButtonOpensItsMenuForTheParent) {
    prompt.menuChoices = {4099};
    LeftDown(menu, 50, 15);
    EXPECT_EQ(menu->GetPressedEntry(), 0);
    EXPECT_EQ(At(6, 6), kGrey); // pressed face: grey top/left
    EXPECT_EQ(At(95, 25), kWhite);
    LeftUp(menu, 60, 20);
    EXPECT_EQ(menu->GetPressedEntry(), -1);
    EXPECT_EQ(At(6, 6), kWhite);
    ASSERT_EQ(prompt.menus.size(), 1u);
    EXPECT_EQ(prompt.menus[0].itemTexts,
              (std::vector<std::string>{"System Information", "MIB Capability"}));
    EXPECT_EQ(prompt.menus[0].owner, frame.m_hWnd);
    CRect window;
    menu->GetWindowRect(&window);
    EXPECT_EQ(prompt.menus[0].point.x, window.left + 60);
    EXPECT_EQ(prompt.menus[0].point.y, window.top + 20);
    PumpMessages();
    ASSERT_EQ(frame.Only(WM_COMMAND).size(), 1u);
    EXPECT_EQ(LOWORD(frame.Only(WM_COMMAND)[0].wParam), 4099);
}

TEST_F(KoMenuTest, PressDragOffAndReleaseOpensNothing) {
    LeftDown(menu, 150, 15);
    DragTo(menu, 98, 15); // the gap between buttons 0 and 1
    EXPECT_EQ(menu->GetPressedEntry(), -1);
    LeftUp(menu, 98, 15);
    EXPECT_TRUE(prompt.menus.empty());
    EXPECT_EQ(At(101, 6), kWhite);
}

TEST_F(KoMenuTest, MovingStraightOntoAnotherButtonKeepsTheFirstPressed) {
    LeftDown(menu, 150, 15);
    DragTo(menu, 250, 15);
    EXPECT_EQ(menu->GetPressedEntry(), 1);
    LeftUp(menu, 250, 15); // released on button 2: not the pressed one
    EXPECT_TRUE(prompt.menus.empty());
    EXPECT_EQ(menu->GetPressedEntry(), 1);
}

TEST_F(KoMenuTest, AHeldMoveOntoAButtonPressesIt) {
    prompt.menuChoices = {4146};
    LeftDown(menu, 98, 15);
    EXPECT_EQ(menu->GetPressedEntry(), -1);
    DragTo(menu, 150, 15);
    EXPECT_EQ(menu->GetPressedEntry(), 1);
    LeftUp(menu, 150, 15);
    EXPECT_EQ(prompt.menus.size(), 1u);
}

TEST_F(KoMenuTest, AnEntryWithoutAMenuPressesButOpensNothing) {
    LeftDown(menu, 330, 15);
    EXPECT_EQ(menu->GetPressedEntry(), 3);
    LeftUp(menu, 330, 15);
    EXPECT_EQ(menu->GetPressedEntry(), -1);
    EXPECT_TRUE(prompt.menus.empty());
}

TEST_F(KoMenuTest, ReleasingOutsideTheControlLeavesTheButtonPressed) {
    LeftDown(menu, 50, 15);
    LeftUp(menu, 550, 100); // over the frame, not the control
    EXPECT_EQ(menu->GetPressedEntry(), 0);
    menu->RedrawWindow();
    EXPECT_EQ(At(6, 6), kGrey);
    EXPECT_TRUE(prompt.menus.empty());
}

TEST_F(KoMenuTest, ADismissedMenuDeliversNoCommand) {
    Click(50, 15);
    PumpMessages();
    EXPECT_EQ(prompt.menus.size(), 1u);
    EXPECT_TRUE(frame.Only(WM_COMMAND).empty());
}

TEST_F(KoMenuTest, TheKeyboardMovesBetweenButtonsAndOpensPopupsUnderThemOnToTheNeighbours) {
    QWidget* w = menu->GetWidget();
    w->setFocus();
    auto key = [w](Qt::Key k) {
        QTest::keyClick(w, k);
        PumpMessages();
    };
    key(Qt::Key_Right);
    EXPECT_EQ(menu->GetFocusEntry(), 1);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_EQ(menu->GetFocusEntry(), 3); // round from the first to the last

    // From "Help", which has no menu: Right to "Configuration", Return opens it; the operator
    // steps right three times ("Help" is passed over) and chooses from the popup found then.
    key(Qt::Key_Right);
    prompt.menuSteps = {1, 1, 1};
    prompt.menuChoices = {4097};
    key(Qt::Key_Return);
    ASSERT_EQ(prompt.menus.size(), 4u);
    const int opened[4] = {0, 1, 2, 0};
    CRect window;
    menu->GetWindowRect(&window);
    for (int i = 0; i < 4; ++i) {
        const CKoMenuObj& e = entries[opened[i]];
        EXPECT_EQ(prompt.menus[i].menu, e.menu.GetSafeHmenu());
        EXPECT_TRUE(prompt.menus[i].fromKeyboard);
        EXPECT_EQ(prompt.menus[i].point.x, window.left + e.x);           // its button's left
        EXPECT_EQ(prompt.menus[i].point.y, window.top + e.y + e.height); // just below it
    }
    EXPECT_EQ(menu->GetFocusEntry(), 0);
    EXPECT_EQ(frame.Only(WM_COMMAND).size(), 1u);
    EXPECT_EQ(LOWORD(frame.Only(WM_COMMAND)[0].wParam), 4097);
}

TEST_F(KoMenuTest, AClickStillOpensAtTheClickAndLeftStepsToTheNeighbourUnderItsButton) {
    prompt.menuSteps = {-1};
    Click(60, 20);
    ASSERT_EQ(prompt.menus.size(), 2u);
    CRect window;
    menu->GetWindowRect(&window);
    EXPECT_EQ(prompt.menus[0].point.x, window.left + 60);
    EXPECT_FALSE(prompt.menus[0].fromKeyboard);
    // Left of "Configuration" is "Help", which opens nothing; "Reset" is the neighbour.
    EXPECT_EQ(prompt.menus[1].menu, entries[2].menu.GetSafeHmenu());
    EXPECT_EQ(prompt.menus[1].point.x, window.left + entries[2].x);
}
