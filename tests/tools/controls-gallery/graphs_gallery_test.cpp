#include "tests/platform/ui/UiTestSupport.h"
#include "tools/controls-gallery/GraphsWindow.h"

#include <gtest/gtest.h>

TEST(GraphsGallery, FiveMinutesOfRatesWithTheWrappedCounterAndAProbedPoint) {
    CGraphsGalleryWnd gallery;
    ASSERT_TRUE(gallery.CreateGallery());
    PumpMessages();
    const CCurvePoints& points = gallery.Line().Points();
    ASSERT_EQ(points.Size(), 60u);
    for (size_t i = 0; i < points.Size(); ++i)
        EXPECT_LT(points.At(i).rates[2], 1700u) << i; // passing 2^32 makes no spike
    EXPECT_EQ(gallery.Line().CurvePlot().Curves().size(), 3u);
    ASSERT_NE(gallery.Line().ProbedPoint(), nullptr);
    EXPECT_LT(gallery.Line().ProbedPoint()->seq, 60u); // the probe was moved back
    EXPECT_EQ(gallery.Bars().Stats().GetIntervals(), 60u);
    EXPECT_TRUE(gallery.Bars().BarPlot().Group(2));
}
