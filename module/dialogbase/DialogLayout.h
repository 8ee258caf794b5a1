#pragma once
// Where the controls of a table-like dialog go when the dialog is resized: banner, grid and
// log stretch with the width, the grid with the height, the log stays at the bottom, and the
// button column and counter boxes keep to the right edge. The dialog never shrinks below the
// size it had when it was first shown.

#include "platform/ui/WinTypes.h"

// The dialog's window rectangle in its own client coordinates (W = right, H = bottom).
struct DialogLayout {
    CRect banner;
    CRect grid;
    CRect log;
    int buttonLeft = 0;
    int counterLeft = 0;
};

// The rectangles for a window `window`; every control keeps its own left and top (and the log
// its height) from the current rectangles given.
DialogLayout LayOutTableDialog(const CRect& window, const CRect& banner, const CRect& grid,
                               const CRect& log);

// The first size seen is the smallest the dialog may become.
class CMinimumSize {
public:
    // False for the first size (which is only recorded); true afterwards.
    bool Take(const CRect& window);
    // The size to enlarge `window` to, at least the minimum in both directions.
    CSize Enlarged(const CRect& window) const;
    bool NeedsEnlarging(const CRect& window) const;
    int Width() const { return m_minWidth; }
    int Height() const { return m_minHeight; }

private:
    bool m_first = true;
    int m_minWidth = 0;
    int m_minHeight = 0;
};

// The three frames painted inside a dialog's rectangle, outermost first (cyan, white, the
// inverse of the active-border colour).
struct DialogFrameRects {
    CRect outer;
    CRect middle;
    CRect inner;
};
DialogFrameRects FrameRectsOf(const CRect& dialog);
