#include "controls/KoSpin/CUDCtrl.h"

#include "controls/common/ControlFaces.h"
#include "controls/common/ControlMessages.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/WindowDC.h"

#include <algorithm>
#include <cstdlib>

namespace {
int g_registered = 0;

void line(CDC& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

// Rows from the base (a, b) narrowing upward (dir −1) or downward (dir +1).
void drawTriangle(CDC& dc, int a, int b, int dir) {
    for (int row = 0; row < 5; ++row)
        line(dc, a + row, b + dir * row, a + 9 - row, b + dir * row);
}
} // namespace

CUDCtrl::CUDCtrl() = default;

CUDCtrl::~CUDCtrl() = default;

int CUDCtrl::Register() {
    g_registered = ControlClass::Register("UpDownCtrlClass", &ControlClass::ClassProc<CUDCtrl>);
    return g_registered;
}

int CUDCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("UpDownCtrlClass", nullptr, m_style.Take(style), rect, parent, id);
}

void CUDCtrl::InitUpDown() {
    GetClientRect(&m_client);
    m_upRaised = 1;
    m_downRaised = 1;
}

void CUDCtrl::RaiseButton() {
    if (!m_upRaised)
        SetHalf(kUp, true);
    else if (!m_downRaised)
        SetHalf(kDown, true);
}

CUDCtrl::Half CUDCtrl::HalfAt(CPoint p) const {
    int w = m_client.Width(), h = m_client.Height(), mid = h / 2;
    if (p.x < 0 || p.x > w || p.y < 0 || p.y > h)
        return kNone;
    return p.y < mid ? kUp : kDown;
}

void CUDCtrl::DrawHalf(CDC& dc, Half half) {
    int w = m_client.Width(), h = m_client.Height(), mid = h / 2;
    bool up = half == kUp;
    bool pressed = up ? !m_upRaised : !m_downRaised;
    CRect face = up ? CRect(0, 0, w, mid) : CRect(0, mid, w, h);
    DrawButtonFace(dc, face, pressed);

    int a = pressed ? 3 : 2;
    int b = up ? (pressed ? 7 : 6) : mid + (pressed ? 3 : 2);
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* old = dc.SelectObject(&black);
    drawTriangle(dc, a, b, up ? -1 : 1);
    CPen grey(PS_SOLID, 1, kFaceGrey);
    dc.SelectObject(&grey);
    if (up) {
        line(dc, a + 4, b - 3, a + 1, b);
        line(dc, a + 5, b - 2, a + 3, b);
        line(dc, a + 6, b - 1, a + 5, b);
    } else {
        line(dc, a + 2, b + 1, a + 5, b + 4);
        line(dc, a + 4, b + 1, a + 6, b + 3);
        line(dc, a + 6, b + 1, a + 7, b + 2);
    }
    dc.SelectObject(old);
}

void CUDCtrl::SetHalf(Half half, bool raised) {
    (half == kUp ? m_upRaised : m_downRaised) = raised ? 1 : 0;
    CClientDC dc(this);
    DrawHalf(dc, half);
}

void CUDCtrl::OnPress(CPoint point) {
    if (Half half = HalfAt(point))
        SetHalf(half, false);
}

void CUDCtrl::OnRelease(CPoint point) {
    Half half = HalfAt(point);
    if (!half)
        return;
    SetHalf(half, true);
    Click(half);
}

void CUDCtrl::Click(Half half) {
    if (CWnd* parent = GetParent())
        parent->PostMessage(CTRL_CLICK_MSG, WPARAM(half), LPARAM(GetDlgCtrlID()));
}

void CUDCtrl::Describe(AccessibleInfo& info) const {
    info.self.role = AccRole::SpinBox;
    info.self.focusable = true;
    // The value it changes is shown by its buddy: the window made just before it, or else the
    // window it sits in. It reads the buddy's caption as its name and the buddy's value.
    CWnd* buddy = GetNextWindow(GW_HWNDPREV);
    if (!buddy)
        buddy = GetParent();
    AccessibleInfo shown;
    if (buddy && buddy->SendMessage(WM_GETOBJECT, 0, LPARAM(&shown))) {
        info.self.name = shown.self.name;
        info.self.value = shown.self.value;
    }
}

LRESULT CUDCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        DrawHalf(dc, kUp);
        DrawHalf(dc, kDown);
        return 0;
    }
    case WM_LBUTTONDOWN:
        OnPress(CPoint(lParam));
        break;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            OnPress(CPoint(lParam));
        break;
    case WM_LBUTTONUP:
        OnRelease(CPoint(lParam));
        break;
    case WM_CREATE:
        // Reachable by Tab wherever it is placed, so its value can be changed from the keys.
        ModifyStyle(0, WS_TABSTOP);
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        // The arrow keys click the half they point to.
        if (wParam == VK_UP || wParam == VK_DOWN)
            Click(wParam == VK_UP ? kUp : kDown);
        return 0;
    case WM_MOUSEWHEEL: {
        // One click of its step per notch: up away from the operator, down toward.
        const int delta = short(HIWORD(wParam));
        for (int n = std::max(1, std::abs(delta) / WHEEL_DELTA); n > 0; --n)
            Click(delta > 0 ? kUp : kDown);
        return 0;
    }
    case WM_GETOBJECT:
        Describe(*reinterpret_cast<AccessibleInfo*>(lParam));
        return TRUE;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
