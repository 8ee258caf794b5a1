// Windows on a 2x screen: surfaces hold the screen's pixels, so lines and text are drawn at its
// resolution, and bitmaps are doubled whole pixels without smoothing.
#include "platform/ui/CWnd.h"
#include "platform/ui/WindowDC.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {
// This program's one application object, on a screen scaled by two.
struct DoubleScaleApp {
    DoubleScaleApp() {
        static int argc = 1;
        static char name[] = "taurel-double-scale-tests";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_SCALE_FACTOR", "2");
        app = new QApplication(argc, argv);
    }
    QApplication* app;
};
DoubleScaleApp g_app;
} // namespace

TEST(DoubleScale, BitmapsDoubleWholePixelsAndLinesAreDrawnAtTheScreensResolution) {
    CWnd frame;
    ASSERT_TRUE(frame.Create(nullptr, "x", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 30), nullptr, 0));
    CBitmap picture;
    picture.CreateCompatibleBitmap(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            picture.Image().setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 0));
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    memory.SelectObject(&picture);
    {
        CClientDC dc(&frame);
        dc.BitBlt(10, 10, 4, 4, &memory, 0, 0, SRCCOPY);
        dc.MoveTo(0, 5);
        dc.LineTo(40, 5);
        EXPECT_EQ(dc.GetPixel(11, 10), RGB(0, 0, 0)); // read back in the window's own units
    }
    const QImage& surface = frame.GetSurface();
    ASSERT_EQ(surface.size(), QSize(80, 60));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(surface.pixel(20 + x, 20 + y), picture.Image().pixel(x / 2, y / 2))
                << "at " << x << "," << y;
    EXPECT_EQ(qGray(surface.pixel(30, 10)), 0);
    EXPECT_EQ(qGray(surface.pixel(30, 11)), 0);
    EXPECT_NE(qGray(surface.pixel(30, 9)), 0);
    EXPECT_NE(qGray(surface.pixel(30, 12)), 0);
}
