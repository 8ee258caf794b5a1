#include "controls/KoCombo/CCBCtrl.h"
#include "controls/common/ControlMessages.h"
#include "platform/ui/ScriptedPrompt.h"
#include "tests/controls/common/ControlTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr UINT kId = 1500;
constexpr int kW = 120, kH = 22;

class ComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CCBCtrl::Register(), 1);
        combo = new CCBCtrl;
        ASSERT_TRUE(
            combo->Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + kW, 10 + kH), &frame, kId));
        combo->InitComboBox(4, entries);
        PumpMessages();
    }
    std::vector<RecordedMessage> Selections() const { return frame.Only(COMBO_SELECT_MSG); }
    UINT StateOf(UINT command) const {
        CMenu menu;
        menu.m_hMenu = combo->GetPopupMenu();
        UINT state = menu.GetMenuState(command, MF_BYCOMMAND);
        menu.m_hMenu = 0;
        return state;
    }
    void Click(int x, int y) {
        LeftDown(combo, x, y);
        LeftUp(combo, x, y);
        PumpMessages();
    }

    _zrkenumerate entries[4] = {{1, "Disabled"}, {2, "Enabled"}, {2, "Enabled too"}, {5, "Auto"}};
    TestFrame frame;
    ScriptedPrompt prompt;
    CCBCtrl* combo = nullptr;
};

const RecordedMessage kSelected{COMBO_SELECT_MSG, kId, 0};

TEST_F(ComboTest, InitSelectsFirstEntryAndChecksOnlyItsItem) {
    EXPECT_EQ(combo->GetSelect(), 0);
    EXPECT_EQ(combo->GetCount(), 4);
    EXPECT_TRUE(StateOf(4097) & MF_CHECKED);
    EXPECT_FALSE(StateOf(4098) & MF_CHECKED);
    EXPECT_FALSE(StateOf(4101) & MF_CHECKED);
    EXPECT_TRUE(Selections().empty());
}

TEST_F(ComboTest, ClickOnTextOrArrowOpensThePopupAtTheClickPoint) {
    Click(20, 8);          // text box
    Click(kW - 5, kH - 3); // arrow button
    ASSERT_EQ(prompt.menus.size(), 2u);
    EXPECT_EQ(prompt.menus[0].itemTexts,
              (std::vector<std::string>{"Disabled", "Enabled", "Enabled too", "Auto"}));
    CRect window;
    combo->GetWindowRect(&window);
    EXPECT_EQ(prompt.menus[0].point.x, window.left + 20);
    EXPECT_EQ(prompt.menus[0].point.y, window.top + 8);
    EXPECT_EQ(prompt.menus[0].owner, combo->m_hWnd);
    EXPECT_TRUE(Selections().empty()); // both dismissed
}

TEST_F(ComboTest, ChoiceSelectsEntryMovesCheckAndPosts) {
    prompt.menuChoices = {4101};
    Click(20, 8);
    EXPECT_EQ(combo->GetSelect(), 3);
    EXPECT_FALSE(StateOf(4097) & MF_CHECKED);
    EXPECT_TRUE(StateOf(4101) & MF_CHECKED);
    EXPECT_EQ(Selections(), std::vector<RecordedMessage>{kSelected});
}

TEST_F(ComboTest, ChoosingTheSelectedEntryStillPosts) {
    prompt.menuChoices = {4097};
    Click(20, 8);
    EXPECT_EQ(combo->GetSelect(), 0);
    EXPECT_TRUE(StateOf(4097) & MF_CHECKED);
    EXPECT_EQ(Selections(), std::vector<RecordedMessage>{kSelected});
}

TEST_F(ComboTest, SharedValueChoosesTheFirstEntryWithIt) {
    prompt.menuChoices = {4098};
    Click(20, 8);
    EXPECT_EQ(combo->GetSelect(), 1);
}

TEST_F(ComboTest, SetSelectPostsOnlyWhenTheIndexChanges) {
    combo->SetSelect(0);
    combo->SetSelect(-1);
    combo->SetSelect(4);
    PumpMessages();
    EXPECT_TRUE(Selections().empty());
    EXPECT_EQ(combo->GetSelect(), 0);

    combo->SetSelect(2);
    PumpMessages();
    EXPECT_EQ(combo->GetSelect(), 2);
    EXPECT_TRUE(StateOf(4098) & MF_CHECKED);
    EXPECT_FALSE(StateOf(4097) & MF_CHECKED);
    EXPECT_EQ(Selections(), std::vector<RecordedMessage>{kSelected});
}

TEST_F(ComboTest, SetSelectRedrawsTheTextAtOnce) {
    CRect text(3, 3, kW - 18, kH - 1);
    int before = CountColor(combo, text, RGB(0, 0, 0));
    combo->SetSelect(1); // "Enabled": fewer dark pixels than "Disabled"
    int after = CountDrawn(combo, text, RGB(0, 0, 0));
    EXPECT_GT(before, after);
    EXPECT_GT(after, 0);
}

TEST_F(ComboTest, PaintsTextBoxAndRaisedArrow) {
    // Text box: black outline, white inside, text box ends 2 pixels left of the arrow.
    EXPECT_EQ(Pixel(combo, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(combo, kW - 18, kH - 1), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(combo, kW - 19, kH - 2), RGB(255, 255, 255));
    // Arrow (l, t) = (W − 15, H − 11): white top-left, grey right column, black triangle rows
    // with grey strokes on them.
    int l = kW - 15, t = kH - 11;
    EXPECT_EQ(Pixel(combo, l, t), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(combo, l + 14, t), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(combo, l + 2, t + 2), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(combo, l + 10, t + 2), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(combo, l + 11, t + 2), FaceColor());
    EXPECT_EQ(Pixel(combo, l + 6, t + 6), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(combo, l + 4, t + 3), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(combo, l + 12, t + 8), FaceColor());
}

TEST_F(ComboTest, ArrowPressedWhileButtonDownUntilRaised) {
    int l = kW - 15, t = kH - 11;
    LeftDown(combo, 5, 5);
    EXPECT_FALSE(combo->IsArrowRaised());
    EXPECT_EQ(DrawnPixel(combo, l, t), RGB(0, 0, 0));
    EXPECT_EQ(DrawnPixel(combo, l + 12, t + 8), PressedFaceColor());
    EXPECT_EQ(DrawnPixel(combo, l + 3, t + 3), RGB(0, 0, 0)); // triangle one pixel lower right
    EXPECT_EQ(DrawnPixel(combo, l + 14, t + 10), RGB(255, 255, 255));

    combo->RaiseComboBox();
    EXPECT_TRUE(combo->IsArrowRaised());
    EXPECT_EQ(DrawnPixel(combo, l, t), RGB(255, 255, 255));
    EXPECT_EQ(DrawnPixel(combo, l + 12, t + 8), FaceColor());
}

TEST(ComboPattern, TemplatePlacedControlHasItsOwnObjectUntilDestroyed) {
    ASSERT_EQ(CCBCtrl::Register(), 1);
    EXPECT_EQ(CCBCtrl::Register(), 1);
    auto dialog = PlaceByClassName("ComboBoxCtrlClass", 1003, 60, 12);
    ASSERT_TRUE(dialog);
    auto* combo = dynamic_cast<CCBCtrl*>(dialog->GetDlgItem(1003));
    ASSERT_NE(combo, nullptr);
    HWND hwnd = combo->m_hWnd;
    dialog->DestroyWindow();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
}

} // namespace

TEST_F(ComboTest, ArrowsChooseAtOnceAndF4OrAltDownOpensTheListUnderTheBox) {
    QWidget* w = combo->GetWidget();
    QTest::keyClick(w, Qt::Key_Down);
    QTest::keyClick(w, Qt::Key_End);
    PumpMessages();
    EXPECT_EQ(combo->GetSelect(), 3);
    EXPECT_TRUE(StateOf(4101) & MF_CHECKED);
    QTest::keyClick(w, Qt::Key_Down); // already the last entry: no choice, no message
    QTest::keyClick(w, Qt::Key_Up);
    PumpMessages();
    EXPECT_EQ(combo->GetSelect(), 2);
    EXPECT_EQ(Selections().size(), 3u);
    EXPECT_TRUE(prompt.menus.empty());

    QTest::keyClick(w, Qt::Key_F4);
    QTest::keyClick(w, Qt::Key_Down, Qt::AltModifier);
    ASSERT_EQ(prompt.menus.size(), 2u);
    CRect window;
    combo->GetWindowRect(&window);
    EXPECT_EQ(prompt.menus[0].point.x, window.left);
    EXPECT_EQ(prompt.menus[0].point.y, window.bottom);
}
