#include "module/graphs/windows/TimeAxis.h"

#include "module/graphs/windows/AxisLabels.h"

#include <algorithm>

int TimeAxisStep(double timeSpan, int plotWidth) {
    static constexpr int kLadder[] = {1, 5, 10, 30, 60, 300, 600, 1800, 3600, 18000, 36000};
    int divisions = std::max(plotWidth / 40, 1); // a plot narrower than one division has one
    double raw = timeSpan / divisions;
    for (int step : kLadder)
        if (step >= raw)
            return step;
    return int(raw) + 1;
}

std::vector<TimeTick> TimeAxisTicks(double timeSpan, int plotWidth) {
    std::vector<TimeTick> ticks;
    int step = TimeAxisStep(timeSpan, plotWidth);
    for (long long t = step; t <= timeSpan; t += step)
        ticks.push_back({int(t), DurationLabel(int(t))});
    ticks.push_back({0, "Now"});
    return ticks;
}
