#include "platform/ui/CDC.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <gtest/gtest.h>

TEST(Polyline, DrawsEverySegmentAndLeavesOutOnlyTheLastVertex) {
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(20, 20);
    bitmap.Image().fill(Qt::white);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&bitmap);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.MoveTo(15, 15);
    const POINT v[] = {{2, 2}, {10, 2}, {10, 8}, {4, 14}};
    ASSERT_TRUE(dc.Polyline(v, 4));
    for (POINT on : {POINT{2, 2}, POINT{9, 2}, POINT{10, 2}, POINT{10, 7}, POINT{10, 8},
                     POINT{7, 11}, POINT{5, 13}})
        EXPECT_EQ(dc.GetPixel(on.x, on.y), RGB(255, 0, 0)) << on.x << "," << on.y;
    EXPECT_EQ(dc.GetPixel(4, 14), RGB(255, 255, 255)); // the last vertex
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(15, 15));
}
