#include "controls/KoSpin/CUDCtrl.h"
#include "controls/common/ControlMessages.h"
#include "tests/controls/common/ControlTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr UINT kId = 1800;
constexpr int kW = 15, kH = 17; // H/2 = 8

class UpDownTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CUDCtrl::Register(), 1);
        spin = new CUDCtrl;
        ASSERT_TRUE(
            spin->Create(WS_CHILD | WS_VISIBLE, CRect(30, 30, 30 + kW, 30 + kH), &frame, kId));
        spin->InitUpDown();
        PumpMessages();
    }
    std::vector<RecordedMessage> Clicks() {
        PumpMessages();
        return frame.Only(CTRL_CLICK_MSG);
    }

    TestFrame frame;
    CUDCtrl* spin = nullptr;
};

const RecordedMessage kUp{CTRL_CLICK_MSG, 1, kId};
const RecordedMessage kDown{CTRL_CLICK_MSG, 2, kId};

TEST_F(UpDownTest, HalvesSplitAtHalfTheHeight) {
    EXPECT_EQ(spin->HalfAt(CPoint(0, 0)), CUDCtrl::kUp);
    EXPECT_EQ(spin->HalfAt(CPoint(kW, 7)), CUDCtrl::kUp);
    EXPECT_EQ(spin->HalfAt(CPoint(5, 8)), CUDCtrl::kDown);
    EXPECT_EQ(spin->HalfAt(CPoint(5, 17)), CUDCtrl::kDown);
    EXPECT_EQ(spin->HalfAt(CPoint(5, 18)), CUDCtrl::kNone);
    EXPECT_EQ(spin->HalfAt(CPoint(kW + 1, 5)), CUDCtrl::kNone);
    EXPECT_EQ(spin->HalfAt(CPoint(-1, 5)), CUDCtrl::kNone);
    EXPECT_EQ(spin->HalfAt(CPoint(5, -1)), CUDCtrl::kNone);
}

TEST_F(UpDownTest, ReleaseOverAHalfPostsItsNumber) {
    LeftDown(spin, 5, 7);
    LeftUp(spin, 5, 7);
    LeftDown(spin, 5, 8);
    LeftUp(spin, 5, 8);
    EXPECT_EQ(Clicks(), (std::vector<RecordedMessage>{kUp, kDown}));
    // The bottom edge itself still counts as the down half.
    spin->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 17));
    EXPECT_EQ(Clicks().size(), 3u);
    EXPECT_EQ(Clicks().back(), kDown);
}

TEST_F(UpDownTest, ReleaseOutsideBothHalvesPostsNothing) {
    spin->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(kW + 1, 5));
    spin->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, -1));
    // Pressed inside, released outside the control: the half stays pressed.
    LeftDown(spin, 5, 3);
    LeftUp(spin, 5, 40);
    EXPECT_TRUE(Clicks().empty());
    EXPECT_FALSE(spin->IsUpRaised());
    spin->RaiseButton();
    EXPECT_TRUE(spin->IsUpRaised());
}

TEST_F(UpDownTest, PressDrawsTheHalfSunkenAtOnce) {
    EXPECT_EQ(Pixel(spin, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(spin, 2, 6), RGB(0, 0, 0));       // raised up arrow base row
    EXPECT_EQ(Pixel(spin, 11, 6), FaceColor());       // rows exclude their end point
    EXPECT_EQ(Pixel(spin, 2, 10), RGB(0, 0, 0));      // down arrow base (2, H/2 + 2)
    EXPECT_EQ(Pixel(spin, 0, 8), RGB(255, 255, 255)); // down half's own top edge

    LeftDown(spin, 5, 3);
    EXPECT_FALSE(spin->IsUpRaised());
    EXPECT_TRUE(spin->IsDownRaised());
    EXPECT_EQ(DrawnPixel(spin, 0, 0), RGB(128, 128, 128));
    EXPECT_EQ(DrawnPixel(spin, 12, 3), PressedFaceColor());
    EXPECT_EQ(DrawnPixel(spin, 3, 7), RGB(0, 0, 0)); // arrow moved to (3, 7)
    EXPECT_EQ(DrawnPixel(spin, 0, 8), RGB(255, 255, 255));

    LeftUp(spin, 5, 3);
    EXPECT_TRUE(spin->IsUpRaised());
    EXPECT_EQ(DrawnPixel(spin, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(DrawnPixel(spin, 12, 3), FaceColor());
}

TEST_F(UpDownTest, HeldMovePressesTheHalfUnderTheMouse) {
    LeftDown(spin, 5, 3);
    DragTo(spin, 5, 12);
    EXPECT_FALSE(spin->IsUpRaised());
    EXPECT_FALSE(spin->IsDownRaised());
    EXPECT_EQ(DrawnPixel(spin, 3, 11), RGB(0, 0, 0)); // pressed down arrow base (3, H/2 + 3)
    Hover(spin, 5, 3);                                // no button: nothing changes
    // One half per call, the up half first.
    spin->RaiseButton();
    EXPECT_TRUE(spin->IsUpRaised());
    EXPECT_FALSE(spin->IsDownRaised());
    spin->RaiseButton();
    EXPECT_TRUE(spin->IsDownRaised());
    EXPECT_TRUE(Clicks().empty()); // no repeat while held, no message without a release
}

TEST(UpDownPattern, PlainChildWindowWorksLikeTheRegisteredClass) {
    TestFrame frame;
    auto* spin = new CUDCtrl;
    ASSERT_TRUE(spin->CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, kW, kH),
                                   &frame, 9));
    spin->InitUpDown();
    LeftDown(spin, 5, 12);
    LeftUp(spin, 5, 12);
    PumpMessages();
    EXPECT_EQ(frame.Only(CTRL_CLICK_MSG), (std::vector<RecordedMessage>{{CTRL_CLICK_MSG, 2, 9}}));
}

} // namespace

TEST_F(UpDownTest, ArrowKeysClickTheHalfTheyPointTo) {
    QTest::keyClick(spin->GetWidget(), Qt::Key_Up);
    QTest::keyClick(spin->GetWidget(), Qt::Key_Down);
    QTest::keyClick(spin->GetWidget(), Qt::Key_Left); // not an up/down key
    EXPECT_EQ(Clicks(), (std::vector<RecordedMessage>{kUp, kDown}));
}
