#include "platform/ui/CSpinButtonCtrl.h"

#include "platform/ui/ControlStyles.h"
#include "platform/ui/WindowDC.h"

#include <string>

void CSpinButtonCtrl::SetRange(int lower, int upper) {
    m_lower = std::min(lower, upper);
    m_upper = std::max(lower, upper);
    SetPos(m_pos);
}

int CSpinButtonCtrl::SetPos(int pos) {
    int old = m_pos;
    m_pos = std::clamp(pos, m_lower, m_upper);
    if (CWnd* buddy = GetBuddy(); buddy && (GetStyle() & UDS_SETBUDDYINT))
        buddy->SetWindowText(std::to_string(m_pos).c_str());
    return old;
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy) {
    CWnd* old = GetBuddy();
    m_buddy = buddy ? buddy->m_hWnd : 0;
    return old;
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
    return FromHandle(m_buddy);
}

void CSpinButtonCtrl::Step(int delta) {
    SetPos(m_pos + delta);
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, m_pos), LPARAM(m_hWnd));
}

void CSpinButtonCtrl::Paint() {
    CPaintDC dc(this);
    CRect all;
    GetClientRect(&all);
    int middle = all.Height() / 2;
    for (int half : {1, -1}) {
        CRect r =
            half > 0 ? CRect(0, 0, all.right, middle) : CRect(0, middle, all.right, all.bottom);
        bool pressed = m_pressedHalf == half;
        dc.FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
        dc.Draw3dRect(&r, GetSysColor(pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT),
                      GetSysColor(pressed ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW));
        // A small solid triangle pointing up or down.
        int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        for (int row = 0; row < 3; ++row) {
            int y = half > 0 ? cy - 1 + row : cy + 1 - row;
            dc.FillSolidRect(cx - row, y, 2 * row + 1, 1, GetSysColor(COLOR_BTNTEXT));
        }
    }
}

LRESULT CSpinButtonCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN: {
        CRect all;
        GetClientRect(&all);
        m_pressedHalf = CPoint(lParam).y < all.Height() / 2 ? 1 : -1;
        Invalidate(FALSE);
        Step(m_pressedHalf);
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
        if (msg == WM_LBUTTONUP || !(wParam & MK_LBUTTON)) {
            if (m_pressedHalf)
                Invalidate(FALSE);
            m_pressedHalf = 0;
        }
        return 0;
    case WM_KEYDOWN:
        if (GetStyle() & UDS_ARROWKEYS) {
            if (wParam == VK_UP)
                Step(1);
            else if (wParam == VK_DOWN)
                Step(-1);
        }
        return 0;
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
