#pragma once
// CFBCtrl ("FlatBtnCtrlClass"): a push button with a filled face, a 1-pixel 3-D edge and a
// centred caption. It shows pressed while the left button is down on it and posts
// CTRL_CLICK_MSG (WPARAM 0, LPARAM its control id) to its parent on every left-button release
// over it. The owner calls RaiseButton after handling the click. Space, or the dialog pressing it
// (Enter, Alt+letter), posts the same click.

#include "controls/common/ControlClass.h"
#include "controls/common/ControlMessages.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CFBCtrl : public CWnd {
public:
    CFBCtrl();
    ~CFBCtrl() override;

    // Registers "FlatBtnCtrlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the button as a window of the system button class, painted by this object.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Sets the caption (at most 79 characters), raised and enabled; does not repaint.
    void InitFlatButton(const char* caption);
    // Brings a pressed button back up and redraws it; a raised button is left alone.
    void RaiseButton();

    bool IsRaised() const { return m_raised != 0; }
    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void DrawFace(CDC& dc);
    void DrawFaceNow();
    void OnLButtonUp();

    ControlStyleWord m_style;
    CRect m_face;
    std::unique_ptr<CFont> m_font;
    char m_caption[80] = {};
    int m_raised = 1;
    int m_enabled = 1;
};
