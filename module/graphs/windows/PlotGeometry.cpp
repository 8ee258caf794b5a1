#include "module/graphs/windows/PlotGeometry.h"

#include <algorithm>

std::vector<std::vector<POINT>> CurveRuns(const CCurvePoints& points, int counter,
                                          const PlotScale& scale) {
    std::vector<std::vector<POINT>> runs;
    if (points.Empty() || counter < 0 || counter >= points.CounterCount())
        return runs;
    int right = scale.width - 1, bottom = scale.height - 1;
    double newest = points.Newest().time;
    bool gap = true;
    for (size_t i = points.Size(); i-- > 0;) {
        const CCurvePoint& p = points.At(i);
        double dx = (newest - p.time) / scale.secondsPerPixel;
        int x = right - int(std::min(dx, 100000.0));
        if (!IsDrawn(p, counter)) {
            gap = true;
        } else {
            if (gap)
                runs.emplace_back();
            gap = false;
            double dy = std::min(p.rates[size_t(counter)] / scale.valuePerPixel, 10000.0);
            runs.back().push_back(POINT{x, bottom - int(dy)});
        }
        if (x < 0)
            break;
    }
    return runs;
}

BarGroup BarGroupRects(int group, const std::uint32_t values[3], const PlotScale& scale) {
    BarGroup g;
    int quarter = scale.width / 4, unit = std::max(quarter / 10, 1);
    int left = group * quarter + 4;
    for (int k = 0; k < 3; ++k) {
        int rise = int(std::min(values[k] / scale.valuePerPixel, double(scale.height)));
        int x = left + k * 3 * unit;
        g.bars[k] = CRect(x, scale.height - rise, x + 3 * unit - 1, scale.height);
    }
    return g;
}
