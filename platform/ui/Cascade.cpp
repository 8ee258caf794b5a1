#include "platform/ui/Cascade.h"

#include <algorithm>

CPoint CascadePoint(CPoint origin, int step, CSize size, const CRect& area,
                    const std::vector<CPoint>& taken) {
    step = std::max(step, 1);
    // How many places fit on one diagonal run inside the area (at least one).
    int roomX = area.right - origin.x - size.cx, roomY = area.bottom - origin.y - size.cy;
    int perRun = std::max(1, std::min(roomX, roomY) / step + 1);
    // Every candidate differs from every other, so taken.size() + 1 candidates hold a free one.
    for (std::size_t k = 0;; ++k) {
        int run = int(k) / perRun, i = int(k) % perRun;
        CPoint p(origin.x + i * step + run * (step / 2 + 1), origin.y + i * step);
        if (std::find(taken.begin(), taken.end(), p) == taken.end())
            return p;
    }
}

CPoint ChildCascadeOrigin(const CRect& ownerFrame, CPoint onOwner, CSize size, const CRect& area,
                          int gap) {
    const int top = std::max(ownerFrame.top, area.top);
    if (ownerFrame.right + gap + size.cx <= area.right && top + size.cy <= area.bottom)
        return CPoint(ownerFrame.right + gap, top);
    const int left = std::max(ownerFrame.left, area.left);
    if (ownerFrame.bottom + gap + size.cy <= area.bottom && left + size.cx <= area.right)
        return CPoint(left, ownerFrame.bottom + gap);
    return onOwner;
}
