#pragma once
// A tab control (class "SysTabControl32") made of a Qt tab bar above a framed display area.
// The operator's choice of another tab reaches the parent as WM_NOTIFY with TCN_SELCHANGE, after
// the selection has changed; choosing the tab already selected tells nobody. The pages shown in
// the display area are the parent's windows: the control only draws the tabs and the frame.

#include "platform/ui/CWnd.h"
#include "platform/ui/ControlStyles.h" // WM_NOTIFY and NMHDR, what its LPARAM points at

// The notification of a changed selection (NMHDR::code).
constexpr UINT TCN_SELCHANGE = UINT(-551);

class CTabCtrl : public CWnd {
public:
    // Makes "SysTabControl32" known to the window layer (templates create it by that name).
    static void Register();

    // Inserts a tab with the text before position `item`; its position, or -1.
    int InsertItem(int item, const char* text);
    int GetItemCount() const;
    // The selected tab, or -1 when there are none.
    int GetCurSel() const;
    // Selects a tab without notifying the parent; the previous selection, or -1.
    int SetCurSel(int item);
    // FALSE: turns a window rectangle into its display area; TRUE: the reverse.
    void AdjustRect(BOOL larger, LPRECT rect) const;

    // WM_SETFONT shows the tab texts in the given font; WM_GETOBJECT names the frame after the
    // page shown.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
