#include "controls/KoSample/CSampMsgControl.h"
#include "tests/controls/common/ControlTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int kW = 60, kH = 34; // value box (0, 0) – (60, 22), caption (0, 23) – (60, 34)
constexpr COLORREF kBlack = RGB(0, 0, 0);

class SampleBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CSampMsgControl::Register(), 1);
        box = new CSampMsgControl;
        ASSERT_TRUE(box->Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 5 + kW, 5 + kH), &frame, 1010));
        char caption[] = "Samples";
        box->InitSampMsg(7, caption);
        PumpMessages();
    }
    int ValueInk() { return CountColor(box, CRect(1, 1, kW - 1, kH - 13), kBlack); }

    TestFrame frame;
    CSampMsgControl* box = nullptr;
};

TEST_F(SampleBoxTest, ShowsOneUntilTheFirstValue) {
    EXPECT_STREQ(box->GetValue(), "1");
    EXPECT_STREQ(box->GetCaption(), "Samples");
    EXPECT_GT(ValueInk(), 0);
    // "1" is centred: nothing at the box's left and right ends.
    EXPECT_EQ(CountColor(box, CRect(1, 1, 20, kH - 13), kBlack), 0);
    EXPECT_EQ(CountColor(box, CRect(40, 1, kW - 1, kH - 13), kBlack), 0);
}

TEST_F(SampleBoxTest, SunkenValueBoxAndCaptionBelow) {
    EXPECT_EQ(Pixel(box, 0, 0), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(box, kW - 1, 10), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(box, 10, kH - 13), RGB(255, 255, 255));
    EXPECT_EQ(Pixel(box, 3, 3), FaceColor());
    EXPECT_GT(CountColor(box, CRect(0, kH - 11, kW, kH), kBlack), 0);
}

TEST_F(SampleBoxTest, SetTextRedrawsTheValueAtOnce) {
    int before = ValueInk();
    box->SetText("1250");
    EXPECT_STREQ(box->GetValue(), "1250");
    EXPECT_GT(CountDrawn(box, CRect(1, 1, kW - 1, kH - 13), kBlack), before);
}

TEST_F(SampleBoxTest, NullKeepsTheValueAndLongValuesAreCut) {
    box->SetText("42");
    box->SetText(nullptr);
    EXPECT_STREQ(box->GetValue(), "42");
    box->SetText(std::string(30, '9').c_str());
    EXPECT_EQ(std::string(box->GetValue()), std::string(19, '9'));
    char caption[120];
    std::fill(std::begin(caption), std::end(caption), 'c');
    caption[119] = '\0';
    box->InitSampMsg(0, caption);
    EXPECT_EQ(std::string(box->GetCaption()), std::string(79, 'c'));
    EXPECT_STREQ(box->GetValue(), "1");
}

TEST_F(SampleBoxTest, ACaptionWiderThanTheBoxIsDrawnNarrowerNotCut) {
    char caption[] = "Poll Interval";
    box->InitSampMsg(2, caption);
    box->Invalidate(TRUE);
    PumpMessages();
    // In the monospaced caption face the text is wider than 60 pixels and would touch both
    // ends; drawn narrower, it keeps a margin.
    EXPECT_GT(CountColor(box, CRect(3, kH - 11, kW - 3, kH), kBlack), 0);
    EXPECT_EQ(CountColor(box, CRect(0, kH - 11, 1, kH), kBlack), 0);
    EXPECT_EQ(CountColor(box, CRect(kW - 1, kH - 11, kW, kH), kBlack), 0);
}

} // namespace
