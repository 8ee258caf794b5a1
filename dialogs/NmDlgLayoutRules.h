#pragma once
// The geometry rules of the dialogs: the resize rule that keeps the first size as the minimum,
// how the list layouts move their controls when the window grows, and where the list's
// in-place editors go.

#include "platform/ui/WinTypes.h"

#include <vector>

// What a new window size means for the layout.
struct ResizeStep {
    bool snapBack = false; // the window is resized to `snapSize` and nothing else happens
    CSize snapSize;
    CSize change; // otherwise: the width and height changes since the last layout pass
};
ResizeStep DecideResize(CSize now, CSize minimum, CSize last);

// One control's move: offsets and growths, in pixels.
struct ControlMove {
    unsigned id;
    int dx = 0, dy = 0, dw = 0, dh = 0;
};
// The moves of the list layouts for a width change W and height change H (the header's right
// column moves by half of W, rounded toward zero). `numberBox`: the layout has 1006 and 1007.
std::vector<ControlMove> ListLayoutMoves(int W, int H, bool numberBox);

// An in-place editor over a list cell.
struct EditorPlacement {
    bool fits = false; // false: the column is too narrow for an editor
    int scrollX = 0;   // how far the list scrolls right first (negative: left)
    CRect rect;        // the editor, in client coordinates after that scroll
};
// `cell` and `client` in client coordinates; columns narrower than `minWidth` get no editor.
// A cell starting left of the client area or beyond its right edge is scrolled to the left
// edge; the editor spans 4 pixels after the cell's left edge to 3 before its right edge,
// clipped to the client area.
EditorPlacement PlaceCellEditor(const CRect& cell, const CRect& client, int minWidth);

// Where dialog n (from 0) of a cascade goes: 20 pixels right and 22 down per dialog from
// `origin`. With a non-empty `area` (the desktop's work area) the cascade starts again at the
// origin whenever a window of `size` would leave the area.
CPoint CascadePosition(int n, CPoint origin, CSize size, const CRect& area);
