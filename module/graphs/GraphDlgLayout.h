#pragma once
// Where the children of a graph dialog go for a client area of cx × cy: the banner and the
// drawing window stretch to the left, the column of boxes and buttons keeps to the right edge.
// The dialog never becomes narrower than 390 pixels, nor lower than the column's last button
// needs (255 pixels and a margin; a 240-pixel floor would cut "Close" off).

#include "platform/ui/WinTypes.h"

struct GraphDlgLayout {
    CRect banner;
    CRect graph;
    CRect rate;    // "Rate:" box
    CRect span;    // "Dur:" box
    CRect picker;  // counter picker
    CRect average; // "Avg:"
    CRect peak;    // "Peak:"
    CRect peakAt;  // "Pk at:"
    CRect pause;
    CRect start;
    CRect close;
};

constexpr int kGraphDlgMinWidth = 390;
constexpr int kGraphDlgMinHeight = 260;

GraphDlgLayout LayOutGraphDialog(int cx, int cy);
// The size a window of `size` must be enlarged to (itself when large enough).
CSize GraphDlgEnlarged(CSize size);
