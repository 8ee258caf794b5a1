#pragma once
// Messages, child ids and the timer of the graph dialogs and their value boxes.

#include "platform/ui/WinTypes.h"

// From the poller to its owner: the last request of a poll has its outcome (WPARAM, LPARAM 0).
constexpr UINT GRAPH_SAMPLE_READY = 2034;
// From a value box to its owner: its up/down was pressed (WPARAM the box's id).
constexpr UINT VALUE_BOX_UP = 2227;
constexpr UINT VALUE_BOX_DOWN = 2228;

enum : UINT {
    IDC_VALUE_BOX_SPIN = 2124, // a value box's up/down control
    IDC_GRAPH_BANNER = 2274,
    IDC_GRAPH_RATE = 2275, // "Rate:" (poll interval)
    IDC_GRAPH_SPAN = 2276, // "Dur:" (time span)
    IDC_GRAPH_PICKER = 2277,
    IDC_GRAPH_AVERAGE = 2278,
    IDC_GRAPH_PEAK = 2279,
    IDC_GRAPH_PEAK_AT = 2280,
    IDC_GRAPH_PAUSE = 2281,
    IDC_GRAPH_START = 2282,
    IDC_GRAPH_CLOSE = 2283,
    IDC_GRAPH_WINDOW = 2285, // the drawing window
};

// The poll timer.
constexpr UINT_PTR kGraphPollTimer = 2284;
