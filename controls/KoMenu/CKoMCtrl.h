#pragma once
// CKoMCtrl ("KoMenuCtrlClass"): a row of drop-down buttons. Pressing and releasing the left
// button on a button opens its popup menu at the mouse; the choice reaches the control's parent
// as an ordinary menu command (WM_COMMAND with the item's id). The control itself sends nothing.
// From the keyboard it is a menu bar: with the focus, Left/Right move between the buttons and
// Space, Return or Down open the focused one's popup under it; F10 and Alt+letter reach it
// through the dialog manager. In an open popup Left and Right go on to the neighbouring popup.

#include "controls/KoMenu/CKoMenuObj.h"
#include "controls/common/ControlClass.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CKoMCtrl : public CWnd {
public:
    CKoMCtrl();
    ~CKoMCtrl() override;

    // Registers "KoMenuCtrlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Lays the buttons out in one row: x = 6 + 95·i, y = 6, 90 × 20.
    void InitKoMenu(int count, CKoMenuObj* entries);

    // The entry under a point (edges excluded), or -1.
    int HitTest(CPoint point) const;
    // The entry drawn pressed, or -1.
    int GetPressedEntry() const { return m_pressed; }
    // The entry the keyboard is on (marked while the control has the focus).
    int GetFocusEntry() const { return m_focus; }
    // Opens the popup of `entry` under its button, then its neighbours' as the operator steps
    // on with Left and Right, until one is chosen from or closed.
    void OpenMenuFromKeyboard(int entry);
    WORD GetControlStyle() const { return m_style.Get(); }
    // While inactive (the switch does not answer) the captions are drawn grey; the popups
    // still open. The owner redraws the control after a change.
    void SetActive(bool active) { m_active = active; }
    bool IsActive() const { return m_active; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void Paint(CDC& dc);
    void PaintFrame(CDC& dc);
    void DrawFace(CDC& dc, int entry, bool pressed);
    void DrawFaceNow(int entry, bool pressed);
    void OnLButtonDown(CPoint point);
    void OnMouseMove(WPARAM keys, CPoint point);
    void OnLButtonUp(CPoint point);
    void OnKeyDown(WPARAM key);
    void SetFocusEntry(int entry);
    // Tracks the entry's popup at a screen point; the neighbour to open next, or -1.
    int TrackEntry(int entry, CPoint screen, bool fromKeyboard);
    void Describe(AccessibleInfo& info) const;
    std::string Caption(int entry) const;

    ControlStyleWord m_style;
    CRect m_frame;
    std::unique_ptr<CFont> m_font;
    int m_count = 0;
    CKoMenuObj* m_entries = nullptr;
    int m_pressed = -1;
    int m_focus = 0;
    bool m_active = true;
};
