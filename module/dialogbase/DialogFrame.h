#pragma once
// The face and the sizing of the table-like dialogs (switch information, port traffic): the
// painted frames, and the resize rule that stretches banner, grid and log and keeps the
// buttons and counter boxes at the right edge, never below the first size.

#include "module/dialogbase/DialogLayout.h"

#include <vector>

class CFlatButtonColumn;
class CWnd;

// A child's window rectangle in its parent dialog's client coordinates.
CRect ChildRect(CWnd* dialog, CWnd* child);

// Fills the dialog with the active-border colour and draws its three frames (WM_PAINT).
void PaintDialogFrame(CWnd* dialog);

class CDialogSizer {
public:
    // WM_SIZE: the first records the minimum size; later ones enlarge the dialog to it and
    // place the controls (any of them may be null).
    void OnSize(CWnd* dialog, CWnd* banner, CWnd* grid, CWnd* log, CFlatButtonColumn& buttons,
                const std::vector<CWnd*>& counters);
    const CMinimumSize& Minimum() const { return m_minimum; }

private:
    CMinimumSize m_minimum;
};
