#include "module/dialogbase/DialogFrame.h"

#include "controls/common/ControlFaces.h"
#include "module/dialogbase/FlatButtonColumn.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WindowDC.h"

namespace {

// The dialog's window rectangle in its own client coordinates.
CRect OwnWindowRect(CWnd* dialog) {
    CRect r;
    dialog->GetWindowRect(&r);
    dialog->ScreenToClient(&r);
    return r;
}

void MoveKeepingSize(CWnd* dialog, CWnd* child, int left) {
    CRect r = ChildRect(dialog, child);
    child->MoveWindow(left, r.top, r.Width(), r.Height());
}

} // namespace

CRect ChildRect(CWnd* dialog, CWnd* child) {
    CRect r;
    child->GetWindowRect(&r);
    dialog->ScreenToClient(&r);
    return r;
}

void PaintDialogFrame(CWnd* dialog) {
    CPaintDC dc(dialog);
    CRect client;
    dialog->GetClientRect(&client);
    const COLORREF face = GetSysColor(COLOR_ACTIVEBORDER);
    dc.FillSolidRect(&client, face);
    const DialogFrameRects frames = FrameRectsOf(client);
    CBrush cyan(RGB(0, 255, 255));
    CBrush white(RGB(255, 255, 255));
    CBrush inverse(ComplementColor(face));
    dc.FrameRect(&frames.outer, &cyan);
    dc.FrameRect(&frames.middle, &white);
    dc.FrameRect(&frames.inner, &inverse);
}

void CDialogSizer::OnSize(CWnd* dialog, CWnd* banner, CWnd* grid, CWnd* log,
                          CFlatButtonColumn& buttons, const std::vector<CWnd*>& counters) {
    CRect window = OwnWindowRect(dialog);
    if (!m_minimum.Take(window))
        return;
    if (m_minimum.NeedsEnlarging(window)) {
        CRect screen;
        dialog->GetWindowRect(&screen);
        const CSize size = m_minimum.Enlarged(window);
        dialog->MoveWindow(screen.left, screen.top, size.cx, size.cy, FALSE);
        window = OwnWindowRect(dialog);
    }
    const CRect none;
    const DialogLayout layout = LayOutTableDialog(window, banner ? ChildRect(dialog, banner) : none,
                                                  grid ? ChildRect(dialog, grid) : none,
                                                  log ? ChildRect(dialog, log) : none);
    if (banner)
        banner->MoveWindow(&layout.banner);
    if (log)
        log->MoveWindow(&layout.log);
    if (grid)
        grid->MoveWindow(&layout.grid);
    buttons.MoveLeftTo(dialog, layout.buttonLeft);
    for (CWnd* counter : counters)
        if (counter)
            MoveKeepingSize(dialog, counter, layout.counterLeft);
    dialog->Invalidate();
}
