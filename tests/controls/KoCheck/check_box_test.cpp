#include "controls/KoCheck/CCheckBCtrl.h"
#include "tests/controls/common/ControlTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int kSide = 14;

class CheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CCheckBCtrl::Register(), 1);
        box = new CCheckBCtrl;
        ASSERT_TRUE(box->Create(WS_CHILD | WS_VISIBLE, CRect(20, 20, 20 + kSide, 20 + kSide),
                                &frame, 1700));
        box->InitCheckBox();
        PumpMessages();
    }
    void Click() {
        LeftDown(box, 6, 6);
        LeftUp(box, 6, 6);
    }
    // The check mark's first stroke runs from (2, H − 6) to (5, H − 3).
    bool MarkShown() { return DrawnPixel(box, 3, kSide - 5) == RGB(0, 0, 0); }

    TestFrame frame;
    CCheckBCtrl* box = nullptr;
};

TEST_F(CheckBoxTest, StartsUncheckedWithARaisedFace) {
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_EQ(Pixel(box, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(box, kSide - 1, 0), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(box, 0, kSide - 1), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(box, 6, 6), FaceColor());
    EXPECT_FALSE(MarkShown());
}

TEST_F(CheckBoxTest, ClickTogglesAndRedrawsAtOnce) {
    LeftDown(box, 6, 6);
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_TRUE(MarkShown());
    EXPECT_EQ(DrawnPixel(box, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(DrawnPixel(box, kSide - 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(DrawnPixel(box, 0, kSide - 1), RGB(255, 255, 255));
    LeftUp(box, 6, 6);
    EXPECT_EQ(box->GetCheck(), 1); // the release changes nothing

    Click();
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_FALSE(MarkShown());
    EXPECT_EQ(DrawnPixel(box, 0, 0), RGB(255, 255, 255));
    PumpMessages();
    EXPECT_TRUE(frame.messages.empty()); // nobody is told
}

TEST_F(CheckBoxTest, SetCheckKeepsTheValueAndAClickClearsIt) {
    box->SetCheck(5);
    EXPECT_EQ(box->GetCheck(), 5);
    EXPECT_TRUE(MarkShown());
    Click();
    EXPECT_EQ(box->GetCheck(), 0);
    box->SetCheck(0);
    EXPECT_FALSE(MarkShown());
    Click();
    EXPECT_EQ(box->GetCheck(), 1);
}

} // namespace

TEST_F(CheckBoxTest, SpaceAndTheDialogsPressToggleLikeAClick) {
    QTest::keyClick(box->GetWidget(), Qt::Key_Space);
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_TRUE(MarkShown());
    box->SendMessage(BM_CLICK);
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_FALSE(MarkShown());
}
