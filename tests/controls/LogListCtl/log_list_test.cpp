#include "controls/LogListCtl/CLMsgControl.h"
#include "tests/controls/common/ControlTestSupport.h"

#include <QScrollBar>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int kW = 200, kH = 62;
constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

class LogListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CLMsgControl::Register(), 1);
        log = new CLMsgControl;
        ASSERT_TRUE(log->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kW, kH), &frame, 1002));
        log->InitMsg();
        PumpMessages();
    }
    QScrollBar* Bar() const { return qobject_cast<QScrollBar*>(log->GetScrollBar()->GetWidget()); }
    void Scroll(QAbstractSlider::SliderAction action) { Bar()->triggerAction(action); }
    // Dark pixels in the text row whose top is y (row height 12).
    int InkInRow(int y) { return CountColor(log, CRect(2, y, kW - 22, y + 12), kBlack); }

    TestFrame frame;
    CLMsgControl* log = nullptr;
};

TEST_F(LogListTest, KeepsTheLast100LinesInOrder) {
    for (int i = 1; i <= 101; ++i)
        log->AppendData(("line " + std::to_string(i)).c_str());
    ASSERT_EQ(log->GetLineCount(), 100);
    EXPECT_STREQ(log->GetLine(0), "line 2");
    EXPECT_STREQ(log->GetLine(50), "line 52");
    EXPECT_STREQ(log->GetLine(99), "line 101");
    log->AppendData("line 102");
    EXPECT_STREQ(log->GetLine(0), "line 3");
    EXPECT_STREQ(log->GetLine(99), "line 102");
}

TEST_F(LogListTest, CutsLinesTo255Characters) {
    std::string longLine(300, 'x');
    log->AppendData(longLine.c_str());
    EXPECT_EQ(std::string(log->GetLine(0)), std::string(255, 'x'));
}

TEST_F(LogListTest, AppendDrawsTheLineAtOnce) {
    log->AppendData("MMMMMMMM");
    EXPECT_GT(CountDrawn(log, CRect(2, 2, kW - 22, 14), kBlack), 0);
}

TEST_F(LogListTest, ViewFollowsTheNewestLineUntilTheOperatorScrollsUp) {
    // Four 12-pixel rows fit the 62-pixel control (text from y 2, area ending at y 61).
    log->AppendData("MMMMMMMM");
    for (int i = 0; i < 3; ++i)
        log->AppendData("");
    EXPECT_EQ(log->GetVertOffset(), 0);
    log->AppendData("MMMMMMMM"); // the fifth line: the view moves to show it
    EXPECT_EQ(log->GetVertOffset(), 1);
    EXPECT_EQ(log->GetScrollBar()->GetScrollPos(), 1);
    EXPECT_GT(InkInRow(2 + 12 * 4 - 1), 0); // the newest line is in view
    for (int i = 0; i < 30; ++i)
        log->AppendData("");
    EXPECT_EQ(log->GetVertOffset(), 2 + 12 * 35 - 61);

    // Scrolled up, the view stays while lines arrive; back at the bottom, it follows again.
    Scroll(QAbstractSlider::SliderSingleStepSub);
    const int kept = log->GetVertOffset();
    EXPECT_FALSE(log->IsFollowingNewest());
    log->AppendData("new");
    EXPECT_EQ(log->GetVertOffset(), kept);
    Scroll(QAbstractSlider::SliderToMaximum);
    EXPECT_TRUE(log->IsFollowingNewest());
    log->AppendData("newer");
    EXPECT_EQ(log->GetVertOffset(), 2 + 12 * 37 - 61);
}

TEST_F(LogListTest, AFullLogKeepsTheNewestLineInViewAsOldOnesDrop) {
    for (int i = 0; i < 150; ++i)
        log->AppendData("x");
    EXPECT_EQ(log->GetLineCount(), 100);
    EXPECT_EQ(log->GetVertOffset(), CLMsgControl::NewestLineOffset(100, 61));
    EXPECT_EQ(CLMsgControl::NewestLineOffset(100, 61), 2 + 1200 - 61);
}

TEST_F(LogListTest, LineDownMovesTextUpEvenWhenNothingIsHidden) {
    log->AppendData("MMMMMMMM");
    log->AppendData("");
    log->AppendData("MMMMMMMM");
    EXPECT_GT(InkInRow(2), 0);
    EXPECT_EQ(InkInRow(14), 0);
    Scroll(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(log->GetVertOffset(), 12);
    EXPECT_EQ(Bar()->value(), 12);
    EXPECT_EQ(InkInRow(2), 0);  // line 2 (empty) is now on top
    EXPECT_GT(InkInRow(14), 0); // line 3 moved up from y = 26
}

TEST_F(LogListTest, ScrollStepsStayWithinTheFixedRange) {
    int minPos = -1, maxPos = -1;
    log->GetScrollBar()->GetScrollRange(&minPos, &maxPos);
    EXPECT_EQ(minPos, 0);
    EXPECT_EQ(maxPos, 1200);

    Scroll(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(log->GetVertOffset(), 30);
    Scroll(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(log->GetVertOffset(), 18);
    Scroll(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(log->GetVertOffset(), 0);
    Scroll(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(log->GetVertOffset(), 0);
    Scroll(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(log->GetVertOffset(), 1200);
    Scroll(QAbstractSlider::SliderSingleStepAdd);
    Scroll(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(log->GetVertOffset(), 1200);
    Scroll(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(log->GetVertOffset(), 0);

    HWND bar = log->GetScrollBar()->m_hWnd;
    log->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 500), LPARAM(bar));
    EXPECT_EQ(log->GetVertOffset(), 500);
    EXPECT_EQ(Bar()->value(), 500);
    log->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), LPARAM(bar));
    EXPECT_EQ(log->GetVertOffset(), 500);
    // Scroll requests that do not come from the log's own bar are not its business.
    log->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    EXPECT_EQ(log->GetVertOffset(), 500);

    for (int i = 0; i < 150; ++i)
        log->AppendData("x");
    log->GetScrollBar()->GetScrollRange(&minPos, &maxPos);
    EXPECT_EQ(maxPos, 1200);
}

TEST_F(LogListTest, FrameAndBarGeometry) {
    EXPECT_EQ(Pixel(log, 1, 30), kBlack);
    EXPECT_EQ(Pixel(log, kW - 22, 30), kBlack);
    EXPECT_EQ(Pixel(log, 50, 0), kBlack);
    EXPECT_EQ(Pixel(log, 50, kH - 1), kBlack);
    EXPECT_EQ(Pixel(log, 0, 30), kWhite);
    EXPECT_EQ(Pixel(log, 5, 30), kWhite); // text area
    EXPECT_EQ(Bar()->geometry(), QRect(kW - 21, 0, 20, kH));
    EXPECT_EQ(Bar()->orientation(), Qt::Vertical);
    EXPECT_EQ(log->GetDlgItem(7), log->GetScrollBar());

    log->MoveWindow(0, 0, 150, 40);
    EXPECT_EQ(Bar()->geometry(), QRect(150 - 21, 0, 20, 40));
}

} // namespace
