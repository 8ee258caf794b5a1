#include "module/graphs/windows/GraphLayout.h"

#include <algorithm>

GraphLayout ComputeGraphLayout(int w, int h, int counterCount) {
    GraphLayout g;
    g.plot = CRect(40, 20, w - 30, h - 68);
    g.probeHandle = ProbeHandleAt(w - 31);
    g.buttons[0] = CRect(w - 21, 20, w - 7, 30);
    g.buttons[1] = CRect(w - 21, 30, w - 7, 40);
    for (int i = 0; i < 3; ++i)
        g.buttons[2 + i] = CRect(w - 22, 50 + 20 * i, w - 6, 66 + 20 * i);
    int k = std::clamp(counterCount, 0, 4);
    if (k > 0) {
        int spacing = (w - 10) / k;
        for (int i = 0; i < k; ++i) {
            int x = 10 + i * spacing;
            g.legendItems.push_back(CRect(x, h - 49, x + spacing - 5, h - 32));
        }
    }
    return g;
}

CRect ProbeHandleAt(int x) {
    return CRect(x - 6, 10, x + 8, 18);
}

int ClampProbeX(int x, const CRect& plot) {
    return std::max(plot.left, std::min(x, plot.right - 1));
}
