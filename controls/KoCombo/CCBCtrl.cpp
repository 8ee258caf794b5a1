#include "controls/KoCombo/CCBCtrl.h"

#include "controls/common/ControlFaces.h"

#include "controls/common/ControlMessages.h"
#include "controls/common/FixedText.h"
#include "platform/ui/WindowDC.h"
#include <algorithm>

namespace {
int g_registered = 0;

constexpr COLORREF kBlack = RGB(0, 0, 0);

// Five 1-pixel rows narrowing downward, and three grey strokes that shade its right side.
void drawDownTriangle(CDC& dc, int l, int t) {
    CPen black(PS_SOLID, 1, kBlack);
    CPen* old = dc.SelectObject(&black);
    for (int row = 0; row < 5; ++row) {
        dc.MoveTo(l + 2 + row, t + 2 + row);
        dc.LineTo(l + 11 - row, t + 2 + row);
    }
    CPen grey(PS_SOLID, 1, kFaceGrey);
    dc.SelectObject(&grey);
    dc.MoveTo(l + 4, t + 3);
    dc.LineTo(l + 7, t + 6);
    dc.MoveTo(l + 6, t + 3);
    dc.LineTo(l + 8, t + 5);
    dc.MoveTo(l + 8, t + 3);
    dc.LineTo(l + 9, t + 4);
    dc.SelectObject(old);
}
} // namespace

CCBCtrl::CCBCtrl() = default;

CCBCtrl::~CCBCtrl() = default;

int CCBCtrl::Register() {
    g_registered = ControlClass::Register("ComboBoxCtrlClass", &ControlClass::ClassProc<CCBCtrl>);
    return g_registered;
}

int CCBCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("ComboBoxCtrlClass", nullptr, m_style.Take(style), rect, parent, id);
}

void CCBCtrl::InitComboBox(int count, _zrkenumerate* entries) {
    m_count = entries ? std::clamp(count, 0, kMaxEntries) : 0;
    m_menu = std::make_unique<CMenu>();
    m_menu->CreatePopupMenu();
    for (int i = 0; i < m_count; ++i) {
        m_entries[i].value = entries[i].value;
        CopyFixedText(m_entries[i].text, entries[i].text);
        m_menu->AppendMenu(MF_STRING | MF_ENABLED, UINT(m_entries[i].value) + kCommandBase,
                           m_entries[i].text);
    }
    m_selected = 0;
    if (m_count > 0)
        m_menu->CheckMenuItem(UINT(m_entries[0].value) + kCommandBase, MF_BYCOMMAND | MF_CHECKED);
    GetClientRect(&m_client);
    m_font = std::make_unique<CFont>();
    m_font->CreateFont(-11, "Arial");
}

int CCBCtrl::GetSelect() {
    return m_selected;
}

void CCBCtrl::SetSelect(int index) {
    if (index < 0 || index >= m_count || index == m_selected)
        return;
    ChangeSelection(index);
    NotifyParent();
}

void CCBCtrl::RaiseComboBox() {
    if (m_arrowRaised)
        return;
    m_arrowRaised = 1;
    CClientDC dc(this);
    DrawArrow(dc, false);
}

CRect CCBCtrl::TextBox() const {
    return CRect(0, 0, m_client.right - 17, m_client.bottom);
}

CRect CCBCtrl::ArrowButton() const {
    return CRect(m_client.right - 15, m_client.bottom - 11, m_client.right, m_client.bottom);
}

void CCBCtrl::DrawTextBox(CDC& dc) {
    CRect box = TextBox();
    dc.FillSolidRect(&box, RGB(255, 255, 255));
    CPen black(PS_SOLID, 1, kBlack);
    CPen* oldPen = dc.SelectObject(&black);
    dc.MoveTo(box.left, box.bottom - 1);
    dc.LineTo(box.left, box.top);
    dc.LineTo(box.right - 1, box.top);
    dc.LineTo(box.right - 1, box.bottom - 1);
    dc.LineTo(box.left, box.bottom - 1);
    dc.SelectObject(oldPen);
    if (m_selected < 0 || m_selected >= m_count)
        return;
    CFont* oldFont = dc.SelectObject(m_font.get());
    int oldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF oldColor = dc.SetTextColor(kBlack);
    dc.TextOut(3, 3, m_entries[m_selected].text);
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);
}

void CCBCtrl::DrawArrow(CDC& dc, bool pressed) {
    CRect arrow = ArrowButton();
    if (pressed) {
        // Sunk: inverted face, dark top/left, light bottom/right, the triangle moved one pixel.
        dc.FillSolidRect(&arrow, ComplementColor(GetSysColor(COLOR_ACTIVEBORDER)));
        dc.Draw3dRect(&arrow, kBlack, kFaceWhite);
        drawDownTriangle(dc, arrow.left + 1, arrow.top + 1);
    } else {
        DrawButtonFace(dc, arrow, false);
        drawDownTriangle(dc, arrow.left, arrow.top);
    }
}

void CCBCtrl::PressArrow() {
    m_arrowRaised = 0;
    CClientDC dc(this);
    DrawArrow(dc, true);
}

void CCBCtrl::OpenPopup(CPoint point) {
    m_arrowRaised = 1;
    {
        CClientDC dc(this);
        DrawArrow(dc, false);
    }
    if (!m_menu)
        return;
    CRect window;
    GetWindowRect(&window);
    // The popup posts the chosen command back to this control (OnChoice).
    m_menu->TrackPopupMenu(0, window.left + point.x, window.top + point.y, this);
}

void CCBCtrl::OnChoice(UINT command) {
    int chosen = -1;
    for (int i = 0; i < m_count && chosen < 0; ++i)
        if (UINT(m_entries[i].value) + kCommandBase == command)
            chosen = i; // entries sharing a value share an id: the first one wins
    if (chosen < 0)
        return;
    if (UINT(m_entries[m_selected].value) + kCommandBase != command)
        ChangeSelection(chosen);
    // A repeated choice of the selected entry is still a choice the owner may act on.
    NotifyParent();
}

void CCBCtrl::ChangeSelection(int index) {
    m_menu->CheckMenuItem(UINT(m_entries[m_selected].value) + kCommandBase,
                          MF_BYCOMMAND | MF_UNCHECKED);
    m_selected = index;
    m_menu->CheckMenuItem(UINT(m_entries[m_selected].value) + kCommandBase,
                          MF_BYCOMMAND | MF_CHECKED);
    CClientDC dc(this);
    DrawTextBox(dc);
}

void CCBCtrl::OnKey(WPARAM key, LPARAM flags) {
    if (key == VK_F4 || (key == VK_DOWN && (flags & KF_ALTDOWN))) {
        // The list opens under the box, as a click on it opens it at the mouse.
        OpenPopup(CPoint(0, m_client.Height()));
        return;
    }
    if (m_count == 0 || !m_menu)
        return;
    int next = m_selected;
    if (key == VK_UP || key == VK_LEFT)
        next = std::max(0, m_selected - 1);
    else if (key == VK_DOWN || key == VK_RIGHT)
        next = std::min(m_count - 1, m_selected + 1);
    else if (key == VK_HOME)
        next = 0;
    else if (key == VK_END)
        next = m_count - 1;
    if (next == m_selected)
        return;
    ChangeSelection(next);
    NotifyParent();
}

void CCBCtrl::NotifyParent() {
    if (CWnd* parent = GetParent())
        parent->PostMessage(COMBO_SELECT_MSG, WPARAM(GetDlgCtrlID()), 0);
}

LRESULT CCBCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        DrawArrow(dc, false);
        DrawTextBox(dc);
        return 0;
    }
    case WM_LBUTTONDOWN:
        PressArrow();
        break;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            PressArrow();
        break;
    case WM_LBUTTONUP:
        OpenPopup(CPoint(lParam));
        break;
    case WM_COMMAND:
        OnChoice(LOWORD(wParam));
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_GETOBJECT: {
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = AccRole::ComboBox;
        info.self.focusable = true;
        info.self.hasPopup = true;
        if (m_selected >= 0 && m_selected < m_count)
            info.self.value = m_entries[m_selected].text;
        return TRUE;
    }
    case WM_KEYDOWN:
        OnKey(wParam, lParam);
        return 0;
    case WM_SIZE:
        GetClientRect(&m_client);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
