#include "platform/ui/WindowDC.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);

class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        CClientDC dc(&frame);
        dc.FillSolidRect(0, 0, 200, 100, kWhite);
    }
    COLORREF At(int x, int y) { return Pixel(&frame, x, y); }
    TestFrame frame{200, 100};
};

} // namespace

TEST_F(Drawing, LinesExcludeTheirEndPoint) {
    {
        CClientDC dc(&frame);
        dc.MoveTo(10, 10);
        dc.LineTo(20, 10); // right
        dc.MoveTo(20, 12);
        dc.LineTo(10, 12); // left
        dc.MoveTo(30, 10);
        dc.LineTo(30, 20); // down
        dc.MoveTo(40, 40);
        dc.LineTo(45, 45); // diagonal
        dc.MoveTo(60, 60);
        dc.LineTo(60, 60); // nothing at all
    }
    EXPECT_EQ(At(10, 10), kBlack);
    EXPECT_EQ(At(19, 10), kBlack);
    EXPECT_EQ(At(20, 10), kWhite);
    EXPECT_EQ(At(20, 12), kBlack);
    EXPECT_EQ(At(11, 12), kBlack);
    EXPECT_EQ(At(10, 12), kWhite);
    EXPECT_EQ(At(30, 19), kBlack);
    EXPECT_EQ(At(30, 20), kWhite);
    EXPECT_EQ(At(44, 44), kBlack);
    EXPECT_EQ(At(45, 45), kWhite);
    EXPECT_EQ(At(60, 60), kWhite);
}

TEST_F(Drawing, PenColourAndWidthApply) {
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    {
        CClientDC dc(&frame);
        CPen* old = dc.SelectObject(&red);
        EXPECT_EQ(old, nullptr);
        dc.MoveTo(5, 50);
        dc.LineTo(15, 50);
    }
    EXPECT_EQ(At(5, 50), RGB(255, 0, 0));
    EXPECT_EQ(At(5, 51), kWhite);
}

TEST_F(Drawing, ThreeDRectangleHasTopLeftAndBottomRightEdges) {
    {
        CClientDC dc(&frame);
        CRect r(10, 10, 30, 20);
        dc.Draw3dRect(&r, RGB(255, 0, 0), kGrey);
    }
    const COLORREF light = RGB(255, 0, 0);
    EXPECT_EQ(At(10, 10), light);
    EXPECT_EQ(At(28, 10), light); // top edge stops before the right edge
    EXPECT_EQ(At(29, 10), kGrey); // the right edge owns the top-right corner
    EXPECT_EQ(At(10, 18), light);
    EXPECT_EQ(At(10, 19), kGrey); // the bottom edge owns the bottom-left corner
    EXPECT_EQ(At(29, 19), kGrey);
    EXPECT_EQ(At(15, 15), kWhite); // not filled
    EXPECT_EQ(At(30, 15), kWhite);
}

TEST_F(Drawing, FillsExcludeRightAndBottomAndRespectTheClip) {
    {
        CClientDC dc(&frame);
        CRect r(0, 0, 10, 10);
        dc.FillSolidRect(&r, kGrey);
        dc.IntersectClipRect(50, 50, 60, 60);
        dc.FillSolidRect(40, 40, 40, 40, kBlack);
        dc.SelectClipRgn(nullptr);
        CBrush blue(RGB(0, 0, 255));
        CRect framed(100, 10, 110, 20);
        dc.FrameRect(&framed, &blue);
    }
    EXPECT_EQ(At(9, 9), kGrey);
    EXPECT_EQ(At(10, 9), kWhite);
    EXPECT_EQ(At(9, 10), kWhite);
    EXPECT_EQ(At(50, 50), kBlack);
    EXPECT_EQ(At(59, 59), kBlack);
    EXPECT_EQ(At(49, 49), kWhite);
    EXPECT_EQ(At(60, 55), kWhite);
    EXPECT_EQ(At(100, 10), RGB(0, 0, 255));
    EXPECT_EQ(At(109, 19), RGB(0, 0, 255));
    EXPECT_EQ(At(105, 15), kWhite);
}

TEST_F(Drawing, InvertingRasterOperationUndoesItself) {
    {
        CClientDC dc(&frame);
        dc.FillSolidRect(0, 0, 20, 20, RGB(192, 192, 192));
        dc.SetROP2(R2_NOT);
        dc.MoveTo(5, 0);
        dc.LineTo(5, 20);
    }
    EXPECT_EQ(At(5, 10), RGB(63, 63, 63));
    {
        CClientDC dc(&frame);
        dc.SetROP2(R2_NOT);
        dc.MoveTo(5, 0);
        dc.LineTo(5, 20);
    }
    EXPECT_EQ(At(5, 10), RGB(192, 192, 192));
}

TEST_F(Drawing, TransparentTextStaysInsideItsExtent) {
    CFont font;
    font.CreateFont(-11, "Arial");
    CSize extent;
    {
        CClientDC dc(&frame);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        extent = dc.GetTextExtent("Refresh");
        dc.TextOut(20, 30, "Refresh");
    }
    EXPECT_GT(extent.cx, 20);
    EXPECT_GE(extent.cy, 11);
    int inside = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            bool dark = At(x, y) == kBlack;
            bool in = x >= 20 && x < 20 + extent.cx && y >= 30 && y < 30 + extent.cy;
            (in ? inside : outside) += dark;
        }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
}

TEST_F(Drawing, BlitCopiesABitmapThroughAMemoryContext) {
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(4, 3);
    {
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        memory.SelectObject(&bitmap);
        memory.FillSolidRect(0, 0, 4, 3, RGB(0, 200, 0));
        memory.SetPixel(3, 2, RGB(200, 0, 0));
        CClientDC dc(&frame);
        EXPECT_TRUE(dc.BitBlt(50, 60, 4, 3, &memory, 0, 0, SRCCOPY));
    }
    EXPECT_EQ(At(50, 60), RGB(0, 200, 0));
    EXPECT_EQ(At(53, 62), RGB(200, 0, 0));
    EXPECT_EQ(At(54, 62), kWhite);
}

TEST(Fonts, ClassicFacesMapToShippedFonts) {
    EXPECT_EQ(MapFontFace("Arial"), "Liberation Sans");
    EXPECT_EQ(MapFontFace("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(MapFontFace("Terminal"), "DejaVu Sans Mono");
    CFont font;
    font.CreateFont(-9, "Terminal");
    EXPECT_EQ(font.GetQFont().pixelSize(), 9);
}

TEST(Painting, InvalidatedWindowRepaintsThroughItsPaintHandler) {
    class Painter : public TestFrame {
    public:
        Painter() : TestFrame(40, 40) {}
        int paints = 0;
        COLORREF colour = RGB(255, 0, 0);
        LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
            if (msg != WM_PAINT)
                return TestFrame::WindowProc(msg, w, l);
            ++paints;
            CPaintDC dc(this);
            dc.FillSolidRect(0, 0, 40, 40, colour);
            return 0;
        }
    } wnd;
    EXPECT_EQ(Pixel(&wnd, 5, 5), RGB(255, 0, 0));
    int before = wnd.paints;
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.paints, before); // nothing invalid, nothing painted
    wnd.colour = RGB(0, 0, 255);
    CRect part(0, 0, 10, 10);
    wnd.InvalidateRect(&part, FALSE);
    EXPECT_EQ(Pixel(&wnd, 5, 5), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(&wnd, 20, 20), RGB(255, 0, 0)); // outside the invalid part
}
