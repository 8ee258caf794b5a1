#pragma once
// CUDCtrl ("UpDownCtrlClass"): two stacked arrow buttons. A left-button release over the up
// half posts CTRL_CLICK_MSG with WPARAM 1 to the parent, over the down half WPARAM 2 (LPARAM:
// control id). One release, one message: there is no repeat while the button is held.

#include "controls/common/ControlClass.h"
#include "platform/ui/CWnd.h"

class CUDCtrl : public CWnd {
public:
    enum Half { kNone = 0, kUp = 1, kDown = 2 };

    CUDCtrl();
    ~CUDCtrl() override;

    // Registers "UpDownCtrlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the control window; the first call keeps the style's low word.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Both halves raised; once, after the window exists.
    void InitUpDown();
    // Raises the up half if it is pressed, otherwise the down half if that is.
    void RaiseButton();

    // The half a client point falls in: up for 0 ≤ y < H/2, down for H/2 ≤ y ≤ H (0 ≤ x ≤ W).
    Half HalfAt(CPoint point) const;
    bool IsUpRaised() const { return m_upRaised != 0; }
    bool IsDownRaised() const { return m_downRaised != 0; }
    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void DrawHalf(CDC& dc, Half half);
    void SetHalf(Half half, bool raised);
    void OnPress(CPoint point);
    void OnRelease(CPoint point);
    // Posts the click of a half, as a release over it does.
    void Click(Half half);
    void Describe(AccessibleInfo& info) const;

    ControlStyleWord m_style;
    CRect m_client;
    int m_upRaised = 1;
    int m_downRaised = 1;
};
