#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "tests/controls/common/ControlTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int kW = 180, kH = 16;
constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

class StatusLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CDlgMsgControl::Register(), 1);
        line = new CDlgMsgControl;
        ASSERT_TRUE(line->Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 5 + kW, 5 + kH), &frame, 1006));
        line->InitDlgMsg();
        PumpMessages();
    }
    // Dark pixels inside the frame, as drawn so far.
    int Ink() { return CountDrawn(line, CRect(1, 1, kW - 2, kH - 2), kBlack); }

    TestFrame frame;
    CDlgMsgControl* line = nullptr;
};

TEST_F(StatusLineTest, StartsAsAnEmptyFramedBox) {
    EXPECT_STREQ(line->GetText(), "");
    EXPECT_EQ(Pixel(line, 0, 0), kBlack);
    EXPECT_EQ(Pixel(line, kW - 2, kH - 2), kBlack);
    EXPECT_EQ(Pixel(line, 5, 5), kWhite);
    EXPECT_EQ(Ink(), 0);
}

TEST_F(StatusLineTest, SetTextShowsTheTextAtOnceCutTo255) {
    line->SetText("Response received at 10:00:00");
    EXPECT_GT(Ink(), 0);
    line->SetText(std::string(300, 'e').c_str());
    EXPECT_EQ(std::string(line->GetText()), std::string(255, 'e'));
}

TEST_F(StatusLineTest, EmptyTextStaysEmptyAfterARepaint) {
    line->SetText("Timeout.");
    line->SetText("");
    EXPECT_EQ(Ink(), 0);
    line->Invalidate();
    line->UpdateWindow();
    EXPECT_EQ(Ink(), 0);
    EXPECT_EQ(DrawnPixel(line, 0, 5), kBlack);
}

} // namespace
