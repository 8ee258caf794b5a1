#pragma once
// Where a vertical scroll request moves a control's view from `current`: the framework's line,
// page, thumb and top/bottom requests, kept within 0..max. Empty for any other request.

#include <algorithm>
#include <optional>

#include "platform/ui/WinMessages.h"

inline std::optional<int> ScrollTarget(int request, int current, int line, int page, int max,
                                       int thumb) {
    switch (request) {
    case SB_LINEUP:
        return std::max(current - line, 0);
    case SB_LINEDOWN:
        return std::min(current + line, max);
    case SB_PAGEUP:
        return std::max(current - page, 0);
    case SB_PAGEDOWN:
        return std::min(current + page, max);
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        return thumb;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return max;
    default:
        return std::nullopt;
    }
}
