#include "module/graphs/windows/ValueZoom.h"

#include <algorithm>
#include <cmath>

double ZoomValueRange(double r, bool up) {
    if (!(r >= 1))
        r = 1; // the ladder starts at 1; nothing below (or a NaN) has a logarithm to use
    int e = std::max(int(std::log10(r)) - 1, 0);
    double power = 1;
    for (int i = 0; i < e; ++i)
        power *= 10;
    int m = int(r / power);
    int q = up ? int(0.99 + 0.3125 * m) : int(0.2 * m);
    if (q == 0)
        q = 1;
    if (q == 19)
        q = 20;
    else if (q == 24)
        q = 25;
    return power * q * 4;
}

double FitValueRange(double range, double highest) {
    // Each widening step grows the range by at least a quarter and each narrowing step shrinks
    // it until the ladder's foot, so both loops end; the bound guards a bad range.
    constexpr int kMaxSteps = 400;
    for (int steps = 0; range < highest && steps < kMaxSteps; ++steps)
        range = ZoomValueRange(range, true);
    for (int steps = 0; steps < kMaxSteps; ++steps) {
        const double narrower = ZoomValueRange(range, false);
        if (!(narrower < range) || narrower < highest)
            break;
        range = narrower;
    }
    return range;
}
