#include "module/graphs/windows/PlotGeometry.h"

#include <algorithm>

std::vector<POINT> CurveVertices(const CCurvePoints& points, int counter, const PlotScale& scale) {
    std::vector<POINT> out;
    if (points.Empty() || counter < 0 || counter >= points.CounterCount())
        return out;
    int right = scale.width - 1, bottom = scale.height - 1;
    double newest = points.Newest().time;
    out.reserve(points.Size());
    for (size_t i = points.Size(); i-- > 0;) {
        const CCurvePoint& p = points.At(i);
        double dx = (newest - p.time) / scale.secondsPerPixel;
        double dy = std::min(p.rates[size_t(counter)] / scale.valuePerPixel, 10000.0);
        POINT v;
        v.x = right - int(std::min(dx, 100000.0));
        v.y = bottom - int(dy);
        out.push_back(v);
        if (v.x < 0)
            break;
    }
    return out;
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
