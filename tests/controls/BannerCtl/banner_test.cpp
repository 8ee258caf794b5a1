#include "controls/BannerCtl/CMsgControl.h"
#include "tests/controls/common/ControlTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int kW = 200, kH = 40;
constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kGrey = RGB(128, 128, 128);

class BannerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CMsgControl::Register(), 1);
        banner = new CMsgControl;
        ASSERT_TRUE(banner->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kW, kH), &frame, 1001));
        banner->InitMsg(labels, values);
        PumpMessages();
    }

    char labels[4][80] = {"Name", "Port", "Poll", "Time"};
    char values[4][80] = {"switch-1", "5", "1 s", "10:00"};
    TestFrame frame;
    CMsgControl* banner = nullptr;
};

TEST_F(BannerTest, CellsOfA200PixelBanner) {
    EXPECT_EQ(banner->LabelCell(0), CRect(0, 0, 50, 20));
    EXPECT_EQ(banner->LabelCell(1), CRect(0, 21, 50, 40));
    EXPECT_EQ(banner->ValueCell(0), CRect(51, 0, 101, 20));
    EXPECT_EQ(banner->ValueCell(1), CRect(51, 21, 101, 40));
    EXPECT_EQ(banner->LabelCell(2), CRect(102, 0, 152, 20));
    EXPECT_EQ(banner->LabelCell(3), CRect(102, 21, 152, 40));
    EXPECT_EQ(banner->ValueCell(2), CRect(153, 0, 200, 20));
    EXPECT_EQ(banner->ValueCell(3), CRect(153, 21, 200, 40));
}

TEST_F(BannerTest, ResizingLaysTheCellsOutAgain) {
    banner->MoveWindow(0, 0, 402, 61);
    EXPECT_EQ(banner->ValueCell(0), CRect(101, 0, 201, 30));
    EXPECT_EQ(banner->ValueCell(3), CRect(303, 31, 402, 61));
}

TEST_F(BannerTest, CutsUnterminatedTexts) {
    for (auto& label : labels)
        std::fill(std::begin(label), std::end(label), 'a'); // no terminating NUL at all
    banner->InitMsg(labels, values);
    EXPECT_EQ(std::string(banner->GetLabel(0)), std::string(79, 'a'));
}

TEST_F(BannerTest, PaintsFaceFrameAndSunkenValueBoxes) {
    // Value 0: cell (51, 0) – (101, 20), middle m = 10.
    EXPECT_EQ(Pixel(banner, 52, 10), kGrey);  // left side of its box
    EXPECT_EQ(Pixel(banner, 70, 3), kGrey);   // top
    EXPECT_EQ(Pixel(banner, 97, 10), kWhite); // right
    EXPECT_EQ(Pixel(banner, 70, 17), kWhite); // bottom
    EXPECT_EQ(Pixel(banner, 98, 10), FaceColor());
    // White outline on the whole control.
    EXPECT_EQ(Pixel(banner, 0, 20), kWhite);
    EXPECT_EQ(Pixel(banner, kW - 1, 20), kWhite);
    EXPECT_EQ(Pixel(banner, 100, kH - 1), kWhite);
    EXPECT_EQ(Pixel(banner, 100, 0), kWhite);
    // Texts are drawn in their cells and nowhere else.
    EXPECT_GT(CountColor(banner, banner->LabelCell(0), kBlack), 0);
    EXPECT_GT(CountColor(banner, CRect(54, 4, 96, 17), kBlack), 0);
    EXPECT_EQ(CountColor(banner, CRect(1, 1, 8, 19), kBlack), 0); // "Name" is centred
}

TEST_F(BannerTest, LongValueIsClippedBeforeItsBoxEdge) {
    char longValues[4][80] = {"WWWWWWWWWWWWWWWWWWWWWWWW", "", "", ""};
    banner->InitMsg(labels, longValues);
    banner->Invalidate();
    EXPECT_EQ(CountColor(banner, CRect(96, 0, 101, 20), kBlack), 0);
    EXPECT_GT(CountColor(banner, CRect(80, 4, 96, 17), kBlack), 0);
}

TEST(BannerPattern, SubclassMsgTakesOverAPlacedWindow) {
    auto dialog = PlaceByClassName("BUTTON", 1001, 120, 20);
    ASSERT_TRUE(dialog);
    auto* banner = new CMsgControl;
    ASSERT_TRUE(banner->SubclassMsg(dialog.get(), 1001));
    EXPECT_EQ(dialog->GetDlgItem(1001), banner);
    CMsgControl unattached; // never gets a window, so it stays the test's to delete
    EXPECT_EQ(unattached.SubclassMsg(dialog.get(), 4711), 0);
}

} // namespace
