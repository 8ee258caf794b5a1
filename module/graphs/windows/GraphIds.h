#pragma once
// Child ids, menu commands and messages of the graph windows and their legend items.

#include "platform/ui/WinTypes.h"

// Posted by a legend item to its owner: WPARAM the item's id, LPARAM the menu choice (0 when
// the menu was dismissed).
constexpr UINT LEGEND_PICKED = 2225;

enum : UINT {
    IDC_GRAPH_WIDEN = 2125,  // "Virticla UP"
    IDC_GRAPH_NARROW = 2126, // "Virticla Down"
    IDC_GRAPH_COLOR = 2127,  // "Color"
    IDC_GRAPH_GRID = 2128,   // "Separate"
    IDC_GRAPH_PROBE = 2129,  // "Probe" (line curve only)
    IDC_GRAPH_LEGEND = 2130, // the first of four legend items
    IDC_GRAPH_PLOT = 2134,   // the plot child window
    IDC_LEGEND_MENU = 2225,  // the legend item's "Menu" button
};

// Legend menu commands: counters are 1 to n.
enum : UINT {
    ID_LEGEND_NONE = 997,       // "No Selection"
    ID_LEGEND_LINE_COLOR = 998, // "Set Line Color"
    ID_LEGEND_WORD_COLOR = 999, // "Set Word Color"
};

// The plot's own right-click menu.
enum : UINT {
    ID_GRAPH_SAVE_PNG = 3001, // "Save As PNG..."
    ID_GRAPH_SAVE_CSV = 3002, // "Save As CSV..." (line curve only)
    ID_GRAPH_FIT = 3003,      // "Fit to data"
};

constexpr int kMaxLegendItems = 4;

// The colours the legend items start with, so every curve can be told apart from the first:
// red, blue, green and purple.
constexpr COLORREF kLegendColours[kMaxLegendItems] = {RGB(255, 0, 0), RGB(0, 0, 255),
                                                      RGB(0, 128, 0), RGB(128, 0, 128)};
