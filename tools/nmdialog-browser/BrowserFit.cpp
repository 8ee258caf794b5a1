#include "tools/nmdialog-browser/BrowserFit.h"

#include <algorithm>

int FittedColumnWidth(int current, const std::vector<int>& textWidths, int padding) {
    int widest = 0;
    for (int w : textWidths)
        widest = std::max(widest, w);
    return std::max(current, widest + padding);
}

CSize GrownWindowSize(CSize window, CSize listSize, CSize needed, CSize largest) {
    auto grow = [](int size, int have, int want, int limit) {
        return std::max(size, std::min(limit, size + want - have));
    };
    return CSize(grow(window.cx, listSize.cx, needed.cx, largest.cx),
                 grow(window.cy, listSize.cy, needed.cy, largest.cy));
}
