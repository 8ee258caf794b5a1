#pragma once
// Where the parts of a graph window go for a client area of w × h: the plot, the probe handle
// above it, the buttons down the right edge and the legend items along the bottom.

#include "platform/ui/WinTypes.h"

#include <vector>

struct GraphLayout {
    CRect plot;
    CRect probeHandle;
    CRect buttons[5]; // ids 2125 to 2129 in order
    std::vector<CRect> legendItems;
};

// Legend items: min(counterCount, 4) of them.
GraphLayout ComputeGraphLayout(int w, int h, int counterCount);

// The probe handle for a probe line at window x (14 × 8, centred over the line).
CRect ProbeHandleAt(int x);
// Where a probe dragged to window x may stand: from the plot's left edge to its right edge − 1.
int ClampProbeX(int x, const CRect& plot);
