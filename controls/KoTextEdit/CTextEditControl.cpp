#include "controls/KoTextEdit/CTextEditControl.h"

#include "platform/ui/WindowDC.h"

#include <algorithm>
#include <cstring>

namespace {
int g_registered = 0;
} // namespace

CTextEditControl::CTextEditControl() = default;

// The edit's window is a child of ours and is gone by now; only its object is left.
CTextEditControl::~CTextEditControl() = default;

int CTextEditControl::Register() {
    g_registered =
        ControlClass::Register("TextEditCtrlClass", &ControlClass::ClassProc<CTextEditControl>);
    return g_registered;
}

int CTextEditControl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("TextEditCtrlClass", nullptr, m_style.Take(style), rect, parent, id);
}

void CTextEditControl::InitTextEditMsg() {
    GetClientRect(&m_client);
    m_font = std::make_unique<CFont>();
    m_font->CreateFont(-12, "MS Sans Serif", FW_BOLD);
    if (m_edit)
        m_edit->SetFont(m_font.get(), TRUE);
    m_enabled = 1;
}

void CTextEditControl::SetText(const char* text) {
    if (m_edit)
        m_edit->SetWindowText(text);
}

void CTextEditControl::GetText(char* buffer, int size) {
    if (!buffer || size <= 0)
        return;
    std::string text = m_edit ? m_edit->GetWindowText() : std::string();
    size_t n = std::min(text.size(), size_t(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

void CTextEditControl::LimitText(int chars) {
    if (m_edit)
        m_edit->LimitText(chars);
}

void CTextEditControl::OnCreate() {
    m_edit = std::make_unique<CEdit>();
    m_edit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(), this, kEditId);
}

void CTextEditControl::OnSize() {
    CRect client;
    GetClientRect(&client);
    if (m_edit)
        m_edit->MoveWindow(1, 1, client.Width() - 3, client.Height() - 3, TRUE);
    m_client = client;
}

void CTextEditControl::OnEnable(bool enabled) {
    if (enabled != (m_enabled != 0)) {
        m_enabled = enabled ? 1 : 0;
        if (m_edit)
            m_edit->EnableWindow(m_enabled);
    }
    Invalidate(TRUE);
}

LRESULT CTextEditControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: {
        LRESULT result = CWnd::WindowProc(msg, wParam, lParam);
        OnCreate();
        return result;
    }
    case WM_SIZE: {
        LRESULT result = CWnd::WindowProc(msg, wParam, lParam);
        OnSize();
        return result;
    }
    case WM_ERASEBKGND: {
        auto* dc = reinterpret_cast<CDC*>(wParam);
        CRect all;
        GetClientRect(&all);
        if (dc)
            dc->FillRect(&all, GetSysColorBrush(m_enabled ? COLOR_WINDOW : COLOR_BTNFACE));
        return 1;
    }
    case WM_PAINT: {
        // The edit covers (1, 1) – (W − 2, H − 2): what shows of this fill is the frame.
        CPaintDC dc(this);
        dc.FillSolidRect(0, 0, m_client.Width() - 1, m_client.Height() - 1, RGB(0, 0, 0));
        return 0;
    }
    case WM_SETFOCUS: {
        LRESULT result = CWnd::WindowProc(msg, wParam, lParam);
        if (m_edit) {
            m_edit->SetFocus();
            m_edit->SetSel(0, -1);
        }
        return result;
    }
    case WM_ENABLE: {
        LRESULT result = CWnd::WindowProc(msg, wParam, lParam);
        OnEnable(wParam != 0);
        return result;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_MAXTEXT && LOWORD(wParam) == kEditId) {
            if (CWnd* parent = GetParent())
                parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_MAXTEXT),
                                    LPARAM(m_hWnd));
            return 0;
        }
        break;
    case WM_SETFONT:
        if (m_edit)
            m_edit->SetFont(reinterpret_cast<CFont*>(wParam), BOOL(lParam));
        return 0;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
