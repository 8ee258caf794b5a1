#pragma once
// Where the next child window of a cascade goes: down and right from `origin` by `step`,
// skipping every place an open child already holds, so two children never open exactly on top
// of each other. A run that would leave `area` (for a window of `size`) starts again at the
// origin's height, shifted right by half a step per run.

#include "platform/ui/WinTypes.h"

#include <vector>

CPoint CascadePoint(CPoint origin, int step, CSize size, const CRect& area,
                    const std::vector<CPoint>& taken);
