#pragma once
// How nmdialog-browser sizes a dialog to what it shows: columns widen to their longest text,
// and the window grows so that every column and row fits, up to a largest size.

#include "platform/ui/WinTypes.h"

#include <vector>

// The width a column needs: its widest text plus the padding, never less than it has.
int FittedColumnWidth(int current, const std::vector<int>& textWidths, int padding);
// The window size at which a list of `listSize` (client) shows `needed`; the window only
// grows, and stays within `largest`.
CSize GrownWindowSize(CSize window, CSize listSize, CSize needed, CSize largest);
