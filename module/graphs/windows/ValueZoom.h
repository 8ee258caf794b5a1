#pragma once
// The value-range zoom of the graph windows: the range moves along a ladder of round values
// (4 × 10^e × q), up to a wider range or down to a narrower one.

// "Virticla UP" (up = true) or "Virticla Down" from the value range r.
double ZoomValueRange(double r, bool up);
// "Fit to data": the narrowest range the zoom buttons reach from `range` that still holds
// `highest` (the largest value on show).
double FitValueRange(double range, double highest);
