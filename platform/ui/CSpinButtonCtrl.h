#pragma once
// An up/down control (class "msctls_updown32"): two arrow buttons that step a position within
// a range. A click on the upper half raises the position by one, on the lower half lowers it,
// never leaving the range; with UDS_SETBUDDYINT the buddy window's text shows the position.
// Each step reaches the parent as WM_VSCROLL (SB_THUMBPOSITION, position) with the control's
// handle. A window placed by a template gets this behaviour once an object subclasses it.

#include "platform/ui/CWnd.h"

constexpr const char* UPDOWN_CLASS = "msctls_updown32";

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int lower, int upper);
    // Clamped to the range; returns the previous position.
    int SetPos(int pos);
    int GetPos() const { return m_pos; }
    CWnd* SetBuddy(CWnd* buddy);
    CWnd* GetBuddy() const;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Step(int delta);
    void Paint();

    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
    HWND m_buddy = 0;
    int m_pressedHalf = 0; // 1 upper, −1 lower, 0 none
};
