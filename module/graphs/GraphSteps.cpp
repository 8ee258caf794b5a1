#include "module/graphs/GraphSteps.h"

#include "module/graphs/windows/ValueZoom.h"
#include "platform/core/TextFormat.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kLadder[] = {5,   10,  15,  20,  30,   45,   60,   90,   120, 180,
                           300, 480, 600, 900, 1200, 1800, 2700, 3600, 7200};
constexpr int kHour = 3600;

} // namespace

int StepPollInterval(int seconds, bool up) {
    if (up)
        return seconds + 1;
    return seconds > 1 ? seconds - 1 : std::max(seconds, 1);
}

std::string PollIntervalText(int seconds) {
    return FormatText("%d sec", seconds);
}

int StepTimeSpan(int seconds, bool up) {
    if (up) {
        if (seconds >= kHour)
            return seconds + kHour;
        return *std::upper_bound(std::begin(kLadder), std::end(kLadder), seconds);
    }
    if (seconds > kHour)
        return seconds - kHour;
    const int* below = std::lower_bound(std::begin(kLadder), std::end(kLadder), seconds);
    return below == std::begin(kLadder) ? kLadder[0] : *(below - 1);
}

std::string DurationText(int seconds) {
    const int h = seconds / kHour;
    const int m = seconds % kHour / 60;
    const int s = seconds % 60;
    if (h > 0)
        return m > 0 ? FormatText("%d:%d min", h, m) : FormatText("%d hr", h);
    if (m == 0)
        return FormatText("%d sec", s);
    return s > 0 ? FormatText("%d:%d sec", m, s) : FormatText("%d min", m);
}

double WidenValueRangeToFit(double range, double rate) {
    // Each step widens by at least a quarter, so the loop ends; the bound guards a bad range.
    for (int steps = 0; range < rate * 1.1 && steps < 200; ++steps)
        range = ZoomValueRange(range, true);
    return range;
}
