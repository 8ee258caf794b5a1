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

TEST(DoubleScale, TextIsLaidOutAtTheScreensResolution) {
    // Glyphs placed at the advances of the small font but drawn twice as large leave gaps
    // after wide letters ("Softw are"). At 2x, text must come out as the same text in a font
    // of twice the size would on a plain screen.
    CWnd frame;
    ASSERT_TRUE(
        frame.Create(nullptr, "x", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 30), nullptr, 0));
    CFont small, large;
    small.CreateFont(-11, "Arial");
    large.CreateFont(-22, "Arial");
    const std::string text = "Runtime Software Version";
    {
        CClientDC dc(&frame);
        dc.FillSolidRect(0, 0, 200, 30, RGB(255, 255, 255));
        dc.SelectObject(&small);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(3, 4, text);
    }
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(400, 60);
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 400, 60, RGB(255, 255, 255));
        dc.SelectObject(&large);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(6, 8, text);
    }
    const QImage plain = bitmap.Image().copy();
    const QImage& surface = frame.GetSurface();
    ASSERT_EQ(surface.size(), QSize(400, 60));
    int differing = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 400; ++x)
            differing += (qGray(surface.pixel(x, y)) < 128) != (qGray(plain.pixel(x, y)) < 128);
    EXPECT_EQ(differing, 0);
}
