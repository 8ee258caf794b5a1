#pragma once
// Plot coordinates of the curves and bars. The plot's right edge is "now"; time runs left at
// secondsPerPixel, rates rise from the bottom at valuePerPixel.

#include "module/graphs/windows/CurvePoints.h"
#include "platform/ui/WinTypes.h"

#include <cstdint>
#include <vector>

struct PlotScale {
    int width = 1;
    int height = 1;
    double secondsPerPixel = 1;
    double valuePerPixel = 1;
};

// The curve of `counter` as runs of joined vertices, one vertex per point with a rate, from the
// newest point back, stopping after the first point that lies left of the plot; a point
// without a rate (see IsDrawn) ends a run, so the curve shows a gap there. The y offset is kept
// within ±10000 pixels.
std::vector<std::vector<POINT>> CurveRuns(const CCurvePoints& points, int counter,
                                          const PlotScale& scale);

// The three bars of legend group g (rate, average, peak), each rising from the bottom by its
// value / valuePerPixel, at most to the top.
struct BarGroup {
    CRect bars[3];
};
BarGroup BarGroupRects(int group, const std::uint32_t values[3], const PlotScale& scale);
