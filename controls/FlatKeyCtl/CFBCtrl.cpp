#include "controls/FlatKeyCtl/CFBCtrl.h"

#include "controls/common/ControlFaces.h"
#include "platform/ui/DrawText.h"
#include "platform/ui/WindowDC.h"

#include <cstring>

namespace {
int g_registered = 0;
}

CFBCtrl::CFBCtrl() = default;

CFBCtrl::~CFBCtrl() = default;

int CFBCtrl::Register() {
    g_registered = ControlClass::Register("FlatBtnCtrlClass", &ControlClass::ClassProc<CFBCtrl>);
    return g_registered;
}

int CFBCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("BUTTON", nullptr, m_style.Take(style), rect, parent, id);
}

void CFBCtrl::InitFlatButton(const char* caption) {
    GetClientRect(&m_face);
    m_font = std::make_unique<CFont>();
    m_font->CreateFont(-12, "Terminal");
    size_t length = caption ? strnlen(caption, sizeof m_caption - 1) : 0;
    std::memcpy(m_caption, caption ? caption : "", length);
    m_caption[length] = '\0';
    m_raised = 1;
    m_enabled = 1;
    // The caption is the window's text too: the dialog manager finds its mnemonic there.
    SetWindowText(m_caption);
}

void CFBCtrl::RaiseButton() {
    if (m_raised)
        return;
    m_raised = 1;
    DrawFaceNow();
}

void CFBCtrl::DrawFace(CDC& dc) {
    DrawButtonFace(dc, m_face, !m_raised);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(m_font.get());
    dc.SetTextColor(m_enabled ? FaceTextColor(!m_raised) : RGB(128, 128, 128));
    int textWidth = dc.GetTextExtent(m_caption).cx;
    int x = (m_face.Width() - textWidth) / 2;
    dc.TextOut(x, 3, m_caption);
    DrawMnemonicMark(dc, x, 3, m_caption, GetCaptionMark().index);
    dc.SelectObject(static_cast<CFont*>(nullptr));
}

void CFBCtrl::DrawFaceNow() {
    CClientDC dc(this);
    DrawFace(dc);
}

void CFBCtrl::OnLButtonUp() {
    if (!m_raised) {
        m_raised = 1;
        DrawFaceNow();
    }
    if (CWnd* parent = GetParent())
        parent->PostMessage(CTRL_CLICK_MSG, 0, LPARAM(GetDlgCtrlID()));
}

LRESULT CFBCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        DrawFace(dc);
        return 0;
    }
    case WM_LBUTTONDOWN:
        m_raised = 0;
        DrawFaceNow();
        return 0;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON) {
            m_raised = 0;
            DrawFaceNow();
        }
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_BUTTON;
    case WM_GETOBJECT: {
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = AccRole::Button;
        info.self.name = m_caption;
        info.self.pressed = !m_raised;
        info.self.focusable = true;
        return TRUE;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && m_enabled)
            OnLButtonUp();
        return 0;
    case BM_CLICK:
        if (m_enabled)
            OnLButtonUp();
        return 0;
    case WM_ENABLE: {
        LRESULT result = CWnd::WindowProc(msg, wParam, lParam);
        m_enabled = wParam ? 1 : 0;
        Invalidate(TRUE);
        return result;
    }
    case WM_SIZE: {
        LRESULT result = CWnd::WindowProc(msg, wParam, lParam);
        GetClientRect(&m_face);
        return result;
    }
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
