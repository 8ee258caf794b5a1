#pragma once
// An owner-drawn button showing one bitmap when up and another while pressed. A left-button
// release over the pressed button sends WM_COMMAND (LOWORD: its control id, HIWORD BN_CLICKED,
// LPARAM: its handle) to the parent. Its caption is not drawn; it shows as the button's tip.

#include "platform/ui/CWnd.h"
#include "platform/ui/ControlStyles.h" // BN_CLICKED, the code its WM_COMMAND carries

class CBitmapButton : public CWnd {
public:
    CBitmapButton() = default;

    // Creates the button window (class "BUTTON") with the caption as its text.
    BOOL Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // The up and down faces by bitmap resource id; FALSE when the up bitmap is not known.
    BOOL LoadBitmaps(UINT upId, UINT downId);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawFace(CDC& dc);
    void SetPressed(bool pressed);

    CBitmap m_up;
    CBitmap m_down;
    bool m_pressed = false;
};
