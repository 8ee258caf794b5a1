#include "controls/KoDlgMsg/CDlgMsgControl.h"

#include "controls/common/FixedText.h"
#include "platform/ui/WindowDC.h"

namespace {
int g_registered = 0;
} // namespace

CDlgMsgControl::CDlgMsgControl() = default;

CDlgMsgControl::~CDlgMsgControl() = default;

int CDlgMsgControl::Register() {
    g_registered =
        ControlClass::Register("DlgMsgCtrlClass", &ControlClass::ClassProc<CDlgMsgControl>);
    return g_registered;
}

int CDlgMsgControl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("DlgMsgCtrlClass", nullptr, m_style.Take(style), rect, parent, id);
}

void CDlgMsgControl::InitDlgMsg() {
    GetClientRect(&m_client);
    m_frameBrush = std::make_unique<CBrush>(RGB(0, 0, 0));
    m_font = std::make_unique<CFont>();
    m_font->CreateFont(-11, "Arial");
    m_text[0] = '\0';
}

void CDlgMsgControl::SetText(const char* text) {
    CopyFixedText(m_text, text);
    CClientDC dc(this);
    Draw(dc);
}

bool CDlgMsgControl::Fits(const std::string& text) const {
    CDC dc;
    CFont* oldFont = dc.SelectObject(m_font.get());
    // The text starts one pixel in and the frame takes the last one.
    const bool fits = dc.GetTextExtent(text).cx <= m_client.Width() - 3;
    dc.SelectObject(oldFont);
    return fits;
}

void CDlgMsgControl::Draw(CDC& dc) {
    CRect box(0, 0, m_client.Width() - 1, m_client.Height() - 1);
    dc.FillSolidRect(&box, RGB(255, 255, 255));
    if (m_frameBrush)
        dc.FrameRect(&box, m_frameBrush.get());
    CFont* oldFont = dc.SelectObject(m_font.get());
    if (m_text[0]) {
        COLORREF oldColor = dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut(1, 1, m_text);
        dc.SetTextColor(oldColor);
    }
    dc.SelectObject(oldFont);
}

LRESULT CDlgMsgControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETOBJECT: {
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = AccRole::StatusBar;
        info.self.name = "Status";
        info.self.value = m_text;
        return TRUE;
    }
    case WM_PAINT: {
        CPaintDC dc(this);
        Draw(dc);
        return 0;
    }
    case WM_SIZE:
        GetClientRect(&m_client);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
