#include "platform/ui/KeyNavigation.h"

#include <cstdlib>

int StepCursor(int count, int from, int step, bool wrap, const std::function<bool(int)>& usable) {
    if (count <= 0 || step == 0)
        return from >= 0 && from < count && usable(from) ? from : -1;
    const int dir = step > 0 ? 1 : -1;
    int at = from >= 0 && from < count ? from : (dir > 0 ? -1 : count);
    int last = -1; // the last usable place passed
    for (int left = std::abs(step), visited = 0; left > 0 && visited < 2 * count; ++visited) {
        at += dir;
        if (at < 0 || at >= count) {
            if (!wrap)
                break;
            at = (at + count) % count;
        }
        if (!usable(at))
            continue;
        last = at;
        --left;
    }
    if (last >= 0)
        return last;
    return from >= 0 && from < count && usable(from) ? from : -1;
}
