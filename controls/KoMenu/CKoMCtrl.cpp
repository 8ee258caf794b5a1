#include "controls/KoMenu/CKoMCtrl.h"

#include "platform/ui/DrawText.h"
#include "platform/ui/KeyNavigation.h"
#include "platform/ui/WindowDC.h"

#include <cstring>
#include <string>
#include <vector>

namespace {
int g_registered = 0;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);

void line(CDC& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}
} // namespace

CKoMCtrl::CKoMCtrl() = default;

CKoMCtrl::~CKoMCtrl() = default;

int CKoMCtrl::Register() {
    g_registered = ControlClass::Register("KoMenuCtrlClass", &ControlClass::ClassProc<CKoMCtrl>);
    return g_registered;
}

int CKoMCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("KoMenuCtrlClass", nullptr, m_style.Take(style), rect, parent, id);
}

void CKoMCtrl::InitKoMenu(int count, CKoMenuObj* entries) {
    GetClientRect(&m_frame);
    m_font = std::make_unique<CFont>();
    m_font->CreateFont(-12, "Arial");
    m_count = entries ? std::max(count, 0) : 0;
    m_entries = entries;
    for (int i = 0; i < m_count; ++i) {
        m_entries[i].x = 6 + 95 * i;
        m_entries[i].y = 6;
        m_entries[i].width = 90;
        m_entries[i].height = 20;
    }
}

int CKoMCtrl::HitTest(CPoint p) const {
    for (int i = 0; i < m_count; ++i) {
        const CKoMenuObj& e = m_entries[i];
        if (e.x < p.x && p.x < e.x + e.width && e.y < p.y && p.y < e.y + e.height)
            return i;
    }
    return -1;
}

void CKoMCtrl::DrawFace(CDC& dc, int entry, bool pressed) {
    const CKoMenuObj& e = m_entries[entry];
    dc.Draw3dRect(e.x, e.y, e.width, e.height, pressed ? kGrey : kWhite, pressed ? kWhite : kGrey);
}

void CKoMCtrl::DrawFaceNow(int entry, bool pressed) {
    CClientDC dc(this);
    DrawFace(dc, entry, pressed);
}

void CKoMCtrl::PaintFrame(CDC& dc) {
    const int w = m_frame.Width(), h = m_frame.Height();
    CPen grey(PS_SOLID, 1, kGrey), white(PS_SOLID, 1, kWhite);
    CPen* old = dc.SelectObject(&grey);
    dc.MoveTo(1, 1);
    dc.LineTo(w - 1, 1);
    dc.LineTo(w - 1, h - 1);
    dc.LineTo(1, h - 1);
    dc.LineTo(1, 1);
    dc.MoveTo(5, h - 5);
    dc.LineTo(5, h - 21);
    dc.LineTo(w - 3, h - 21);
    dc.SelectObject(&white);
    dc.MoveTo(6, h - 5);
    dc.LineTo(w - 3, h - 5);
    dc.LineTo(w - 3, h - 21);
    dc.MoveTo(2, h - 2);
    dc.LineTo(w - 1, h - 2);
    dc.LineTo(w - 1, 1);
    dc.SelectObject(old);
}

std::string CKoMCtrl::Caption(int entry) const {
    const CKoMenuObj& e = m_entries[entry];
    return std::string(e.caption, strnlen(e.caption, sizeof e.caption));
}

void CKoMCtrl::Paint(CDC& dc) {
    dc.SetBkMode(TRANSPARENT);
    // The captions are in the text colour of the button face under them (black in the classic
    // scheme), grey while the switch does not answer.
    dc.SetTextColor(m_active ? GetSysColor(COLOR_BTNTEXT) : kGrey);
    dc.SelectObject(m_font.get());
    PaintFrame(dc);
    for (int i = 0; i < m_count; ++i) {
        const CKoMenuObj& e = m_entries[i];
        DrawFace(dc, i, i == m_pressed);
        std::string caption = Caption(i);
        int textWidth = dc.GetTextExtent(caption).cx;
        int textX = e.x + (e.width - textWidth - 10) / 2;
        dc.TextOut(textX, e.y + 2, caption);
        DrawMnemonicMark(dc, textX, e.y + 2, caption, GetCaptionMark(i).index);
        line(dc, e.x + 80, e.y + 8, e.x + 86, e.y + 8);
        line(dc, e.x + 81, e.y + 9, e.x + 85, e.y + 9);
        line(dc, e.x + 82, e.y + 10, e.x + 84, e.y + 10);
        line(dc, e.x + 83, e.y + 11, e.x + 83, e.y + 11);
    }
    dc.SelectObject(static_cast<CFont*>(nullptr));
}

void CKoMCtrl::OnLButtonDown(CPoint point) {
    int hit = HitTest(point);
    if (hit < 0)
        return;
    m_pressed = hit;
    DrawFaceNow(hit, true);
}

void CKoMCtrl::OnMouseMove(WPARAM keys, CPoint point) {
    if (!(keys & MK_LBUTTON))
        return;
    int hit = HitTest(point);
    if (hit < 0 && m_pressed >= 0) {
        DrawFaceNow(m_pressed, false);
        m_pressed = -1;
    } else if (hit >= 0 && m_pressed < 0) {
        m_pressed = hit;
        DrawFaceNow(hit, true);
    }
}

void CKoMCtrl::OnLButtonUp(CPoint point) {
    if (m_pressed < 0 || HitTest(point) != m_pressed)
        return;
    int entry = std::exchange(m_pressed, -1);
    DrawFaceNow(entry, false);
    CMenu& menu = m_entries[entry].menu;
    CWnd* owner = GetParent();
    if (!menu.GetSafeHmenu() || !owner)
        return;
    CRect window;
    GetWindowRect(&window);
    // A click opens the popup where it was released; stepping on from it opens the
    // neighbours under their buttons, as the keyboard does.
    int next = TrackEntry(entry, CPoint(window.left + point.x, window.top + point.y), false);
    if (next >= 0)
        OpenMenuFromKeyboard(next);
}

int CKoMCtrl::TrackEntry(int entry, CPoint screen, bool fromKeyboard) {
    CMenu& menu = m_entries[entry].menu;
    CWnd* owner = GetParent();
    if (!menu.GetSafeHmenu() || !owner)
        return -1;
    int step = 0;
    menu.TrackBarPopup(screen.x, screen.y, owner, fromKeyboard, &step);
    if (!step || !m_hWnd)
        return -1;
    return StepCursor(m_count, entry, step, true,
                      [this](int i) { return m_entries[i].menu.GetSafeHmenu() != 0; });
}

void CKoMCtrl::OpenMenuFromKeyboard(int entry) {
    while (entry >= 0 && entry < m_count && m_hWnd) {
        SetFocusEntry(entry);
        CRect window;
        GetWindowRect(&window);
        const CKoMenuObj& e = m_entries[entry];
        // Under its button, left edges aligned, as a menu bar's menu opens.
        entry = TrackEntry(entry, CPoint(window.left + e.x, window.top + e.y + e.height), true);
    }
}

void CKoMCtrl::SetFocusEntry(int entry) {
    if (entry < 0 || entry >= m_count)
        return;
    m_focus = entry;
    const CKoMenuObj& e = m_entries[entry];
    CRect part(e.x, e.y, e.x + e.width, e.y + e.height);
    SetFocusPart(&part);
    NotifyAccessible(AccEvent::Focus, entry);
}

void CKoMCtrl::OnKeyDown(WPARAM key) {
    if (m_count <= 0)
        return;
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
        SetFocusEntry(
            StepCursor(m_count, m_focus, key == VK_LEFT ? -1 : 1, true, [](int) { return true; }));
        break;
    case VK_SPACE:
    case VK_RETURN:
    case VK_DOWN:
        OpenMenuFromKeyboard(m_focus);
        break;
    default:
        break;
    }
}

void CKoMCtrl::Describe(AccessibleInfo& info) const {
    info.self.role = AccRole::MenuBar;
    info.self.name = "Button menu";
    for (int i = 0; i < m_count; ++i) {
        const CKoMenuObj& e = m_entries[i];
        AccItem item;
        item.role = AccRole::MenuButton;
        item.name = Caption(i);
        item.rect = CRect(e.x, e.y, e.x + e.width, e.y + e.height);
        item.focusable = true;
        item.focused = i == m_focus && HasFocus();
        item.pressed = i == m_pressed;
        item.hasPopup = e.menu.GetSafeHmenu() != 0;
        item.unavailable = !m_active;
        info.items.push_back(item);
    }
}

LRESULT CKoMCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        Paint(dc);
        return 0;
    }
    case WM_LBUTTONDOWN:
        OnLButtonDown(CPoint(lParam));
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, CPoint(lParam));
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(CPoint(lParam));
        break;
    case WM_SIZE:
        GetClientRect(&m_frame);
        Invalidate(TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_MENUBAR | (wParam == VK_RETURN ? DLGC_WANTALLKEYS : 0);
    case WM_GETCAPTIONS: {
        auto* captions = reinterpret_cast<std::vector<std::string>*>(lParam);
        for (int i = 0; i < m_count; ++i)
            captions->push_back(Caption(i));
        return TRUE;
    }
    case WM_CAPTIONKEY:
        SetFocus();
        OpenMenuFromKeyboard(int(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_SETFOCUS:
        SetFocusEntry(m_focus);
        break;
    case WM_GETOBJECT:
        Describe(*reinterpret_cast<AccessibleInfo*>(lParam));
        return TRUE;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
