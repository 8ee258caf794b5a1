#include "platform/ui/CBitmapButton.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <gtest/gtest.h>

namespace {
QImage Solid(QColor colour) {
    QImage image(14, 10, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
} // namespace

TEST(BitmapButton, ShowsItsDownFaceWhilePressedAndReportsTheClick) {
    RegisterBitmapResource(9001, Solid(Qt::green));
    RegisterBitmapResource(9002, Solid(Qt::red));
    TestFrame frame(100, 60);
    CBitmapButton button;
    ASSERT_TRUE(button.Create("Probe", WS_CHILD | WS_VISIBLE, CRect(10, 10, 24, 20), &frame, 77));
    EXPECT_FALSE(button.LoadBitmaps(9999, 9002)); // no such up face
    ASSERT_TRUE(button.LoadBitmaps(9001, 9002));
    EXPECT_EQ(button.GetWindowText(), "Probe");
    EXPECT_EQ(Pixel(&button, 5, 5), RGB(0, 255, 0));

    LeftDown(&button, 5, 5);
    EXPECT_EQ(Pixel(&button, 5, 5), RGB(255, 0, 0));
    EXPECT_TRUE(frame.Only(WM_COMMAND).empty());
    LeftUp(&button, 5, 5);
    EXPECT_EQ(Pixel(&button, 5, 5), RGB(0, 255, 0));
    ASSERT_EQ(frame.Only(WM_COMMAND).size(), 1u); // sent at once
    EXPECT_EQ(frame.Only(WM_COMMAND)[0],
              (RecordedMessage{WM_COMMAND, MAKEWPARAM(77, BN_CLICKED), LPARAM(button.m_hWnd)}));

    LeftUp(&button, 5, 5); // a release without a press on the button
    EXPECT_EQ(frame.Only(WM_COMMAND).size(), 1u);
}
