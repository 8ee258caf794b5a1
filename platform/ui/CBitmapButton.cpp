#include "platform/ui/CBitmapButton.h"
#include "platform/ui/OctetText.h"

#include "platform/ui/WindowDC.h"

#include <QWidget>

BOOL CBitmapButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent,
                           UINT id) {
    if (!CWnd::Create("BUTTON", caption, style, rect, parent, id))
        return FALSE;
    if (QWidget* w = GetWidget())
        w->setToolTip(TextFromOctets(caption ? caption : ""));
    return TRUE;
}

BOOL CBitmapButton::LoadBitmaps(UINT upId, UINT downId) {
    if (!m_up.LoadBitmap(upId))
        return FALSE;
    if (!m_down.LoadBitmap(downId))
        m_down.LoadBitmap(upId);
    Invalidate(FALSE);
    return TRUE;
}

void CBitmapButton::DrawFace(CDC& dc) {
    CBitmap& face = m_pressed ? m_down : m_up;
    if (!face.IsCreated())
        return;
    CDC source;
    source.CreateCompatibleDC(&dc);
    source.SelectObject(&face);
    CSize size = face.GetSize();
    dc.BitBlt(0, 0, size.cx, size.cy, &source, 0, 0, SRCCOPY);
}

void CBitmapButton::SetPressed(bool pressed) {
    if (m_pressed == pressed)
        return;
    m_pressed = pressed;
    CClientDC dc(this);
    DrawFace(dc);
}

LRESULT CBitmapButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        DrawFace(dc);
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetPressed(true);
        return 0;
    case WM_MOUSEMOVE:
        // A press that left the button comes back up once the mouse returns without it.
        if (!(wParam & MK_LBUTTON))
            SetPressed(false);
        return 0;
    case WM_LBUTTONUP: {
        if (!m_pressed)
            return 0;
        SetPressed(false);
        HWND self = m_hWnd;
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), LPARAM(self));
        return 0;
    }
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
