#include "module/graphs/windows/AxisLabels.h"

#include "platform/core/TextFormat.h"

std::string RateAxisLabel(double r) {
    if (r >= 1000000)
        return FormatText("%.1fM", r * 0.000001);
    if (r >= 1000)
        return FormatText("%.1fK", r * 0.001);
    return PlainAxisLabel(r);
}

std::string PlainAxisLabel(double r) {
    return FormatText("%d", int(r));
}

std::string FittingAxisLabel(const std::string& label, double r, int room,
                             const std::function<int(const std::string&)>& measure) {
    return measure(label) <= room ? label : RateAxisLabel(r);
}

std::string DurationLabel(int t) {
    int h = t / 3600, m = t % 3600 / 60, s = t % 60;
    if (h > 0)
        return m > 0 ? FormatText("%dh:%dm", h, m) : FormatText("%dh", h);
    if (m == 0)
        return FormatText("%ds", s);
    return s > 0 ? FormatText("%dm:%ds", m, s) : FormatText("%dm", m);
}
