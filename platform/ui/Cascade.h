#pragma once
// Where the next child window of a cascade goes: down and right from `origin` by `step`,
// skipping every place an open child already holds, so two children never open exactly on top
// of each other. A run that would leave `area` (for a window of `size`) starts again at the
// origin's height, shifted right by half a step per run.

#include "platform/ui/WinTypes.h"

#include <vector>

CPoint CascadePoint(CPoint origin, int step, CSize size, const CRect& area,
                    const std::vector<CPoint>& taken);

// Where the cascade of an owner's children starts for a child frame of `size`: beside the
// owner's frame on the right, else below it, so the owner stays in view, when the screen
// `area` has room for the child there; otherwise `onOwner`, a point on the owner itself.
// `gap` separates the child from the owner's frame.
CPoint ChildCascadeOrigin(const CRect& ownerFrame, CPoint onOwner, CSize size, const CRect& area,
                          int gap);
