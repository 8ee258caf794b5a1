#pragma once
// A scroll-bar control (class "SCROLLBAR", SBS_HORZ or SBS_VERT). The operator's actions reach
// the parent as WM_HSCROLL / WM_VSCROLL with the request code in LOWORD(wParam), the thumb
// position in HIWORD(wParam) for SB_THUMBTRACK / SB_THUMBPOSITION, and the bar's handle in
// lParam. As with the framework's bars, the position moves only when the parent sets it.

#include "platform/ui/CWnd.h"

class CScrollBar : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int* minPos, int* maxPos) const;
    // Returns the previous position.
    int SetScrollPos(int pos, BOOL redraw = TRUE);
    int GetScrollPos() const;
};
