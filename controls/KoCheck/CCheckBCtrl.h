#pragma once
// CCheckBCtrl ("CheckBoxCtrlClass"): a square that toggles on each left click between a
// raised empty face (unchecked) and a sunken face with a check mark (checked); Space toggles it
// too; Return is left to the dialog's default button. It tells nobody; the owner reads
// GetCheck.

#include "controls/common/ControlClass.h"
#include "platform/ui/CWnd.h"

class CCheckBCtrl : public CWnd {
public:
    CCheckBCtrl();
    ~CCheckBCtrl() override;

    // Registers "CheckBoxCtrlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the control window; the first call keeps the style's low word.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Unchecks; once, after the window exists; does not repaint.
    void InitCheckBox();
    // Any non-zero state shows checked and is kept as given; repaints at once.
    void SetCheck(int state);
    int GetCheck();

    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void DrawFace(CDC& dc);
    void Toggle();

    ControlStyleWord m_style;
    CRect m_client;
    int m_checked = 0;
};
