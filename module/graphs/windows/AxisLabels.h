#pragma once
// The texts of the graph axes: value labels with their K and M forms, and the durations of the
// time axis ticks.

#include <functional>
#include <string>

// "%.1fM" of r × 0.000001 from a million, "%.1fK" of r × 0.001 from a thousand, else "%d".
std::string RateAxisLabel(double r);
// The bar graph's labels: always "%d".
std::string PlainAxisLabel(double r);
// `label` of value r when `measure` finds it no wider than `room`; otherwise its K/M form, so a
// wide number never loses its leading digits off the window's edge.
std::string FittingAxisLabel(const std::string& label, double r, int room,
                             const std::function<int(const std::string&)>& measure);
// A tick's duration of t seconds: "2h:30m", "2h", "45s", "1m:30s", "5m".
std::string DurationLabel(int t);
