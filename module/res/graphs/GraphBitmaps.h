#pragma once
// The button faces of the graph windows, drawn for this program in the 16-colour palette: for
// each button an up face and a down (pressed) face, registered by resource id.

#include "platform/ui/WinTypes.h"

enum : UINT {
    IDB_COLOR_DOWN = 182, // "Color": choose the plot's background (16 × 16)
    IDB_COLOR_UP = 183,
    IDB_PROBE_DOWN = 188, // "Probe": show or hide the probe line (16 × 16)
    IDB_PROBE_UP = 189,
    IDB_GRID_DOWN = 190, // "Separate": show or hide the grid lines (16 × 16)
    IDB_GRID_UP = 191,
    IDB_NARROW_DOWN = 192, // "Virticla Down" and the legend's "Menu": a down arrow (14 × 10)
    IDB_NARROW_UP = 193,
    IDB_WIDEN_DOWN = 194, // "Virticla UP": an up arrow (14 × 10)
    IDB_WIDEN_UP = 195,
};

// Makes the faces loadable with CBitmap::LoadBitmap; safe to call more than once.
void RegisterGraphBitmaps();
