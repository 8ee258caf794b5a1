#pragma once
// Where the time axis under the line curve puts its ticks: one division per 40 pixels, the
// step taken from a ladder of round durations, ticks counted back from the right edge ("Now").

#include <string>
#include <vector>

// The first of 1, 5, 10, 30, 60, 300, 600, 1800, 3600, 18000, 36000 seconds not smaller than
// span / divisions; above 36000, the raw step truncated plus 1.
int TimeAxisStep(double timeSpan, int plotWidth);

struct TimeTick {
    int secondsBack; // 0: the right edge
    std::string label;
};
// Ticks at k × step for k = 1, 2, … while k × step ≤ span, then "Now" at the right edge.
std::vector<TimeTick> TimeAxisTicks(double timeSpan, int plotWidth);
