#include "module/monitor/ValueZoom.h"

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
