#include "controls/KoCheck/CCheckBCtrl.h"

#include "controls/common/ControlFaces.h"
#include "platform/ui/WindowDC.h"

namespace {
int g_registered = 0;
} // namespace

CCheckBCtrl::CCheckBCtrl() = default;

CCheckBCtrl::~CCheckBCtrl() = default;

int CCheckBCtrl::Register() {
    g_registered =
        ControlClass::Register("CheckBoxCtrlClass", &ControlClass::ClassProc<CCheckBCtrl>);
    return g_registered;
}

int CCheckBCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("CheckBoxCtrlClass", nullptr, m_style.Take(style), rect, parent, id);
}

void CCheckBCtrl::InitCheckBox() {
    GetClientRect(&m_client);
    m_checked = 0;
}

void CCheckBCtrl::SetCheck(int state) {
    m_checked = state;
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int CCheckBCtrl::GetCheck() {
    return m_checked;
}

void CCheckBCtrl::DrawFace(CDC& dc) {
    CRect face(0, 0, m_client.Width(), m_client.Height());
    if (!m_checked) {
        DrawButtonFace(dc, face, false);
        return;
    }
    // Sunken without a fill: the face keeps the colour it had, a dark edge top/left and a
    // 2-pixel check mark; the light edge goes on last so it wins the shared corners.
    CPen mark(PS_SOLID, 2, RGB(0, 0, 0));
    CPen* old = dc.SelectObject(&mark);
    dc.MoveTo(2, face.bottom - 6);
    dc.LineTo(5, face.bottom - 3);
    dc.LineTo(face.right - 4, 3);
    dc.SelectObject(old);
    dc.Draw3dRect(&face, RGB(0, 0, 0), kFaceWhite);
}

void CCheckBCtrl::Toggle() {
    m_checked = m_checked ? 0 : 1;
    CClientDC dc(this);
    DrawFace(dc);
}

LRESULT CCheckBCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        DrawFace(dc);
        return 0;
    }
    case WM_LBUTTONDOWN:
        Toggle();
        break;
    case WM_GETDLGCODE:
        // Space and the mnemonic press the box; Return is the dialog's, for its default button,
        // as a desktop dialog's check box leaves it.
        return wParam == VK_RETURN ? 0 : DLGC_BUTTON;
    case WM_GETOBJECT: {
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = AccRole::CheckBox;
        info.self.focusable = true;
        info.self.checkable = true;
        info.self.checked = m_checked != 0;
        return TRUE;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
            Toggle();
        return 0;
    case BM_CLICK:
        Toggle();
        return 0;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
