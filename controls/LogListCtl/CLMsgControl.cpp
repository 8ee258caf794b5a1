#include "controls/LogListCtl/CLMsgControl.h"

#include "controls/common/FixedText.h"
#include "controls/common/ScrollRequest.h"
#include "platform/ui/WindowDC.h"

#include <algorithm>
#include <cstring>

namespace {
int g_registered = 0;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr UINT kBarId = 7;
} // namespace

CLMsgControl::CLMsgControl() = default;

CLMsgControl::~CLMsgControl() = default;

int CLMsgControl::Register() {
    g_registered =
        ControlClass::Register("LogListCtlClass", &ControlClass::ClassProc<CLMsgControl>);
    return g_registered;
}

int CLMsgControl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("LogListCtlClass", nullptr, m_style.Take(style), rect, parent, id);
}

void CLMsgControl::InitMsg() {
    GetClientRect(&m_client);
    m_font = std::make_unique<CFont>();
    m_font->CreateFont(-9, "Terminal");
    m_lineCount = 0;
    m_lineHeight = kLineHeight;
    m_maxLines = kMaxLines;
    m_barWidth = 20;
    m_vMax = kScrollMax;
    // A second InitMsg replaces the bar instead of stacking another one on it.
    m_bar = std::make_unique<CScrollBar>();
    m_bar->Create(WS_CHILD | WS_VISIBLE | SBS_VERT,
                  CRect(m_client.right - 21, 0, m_client.right - 1, m_client.bottom), this, kBarId);
    m_bar->SetScrollRange(0, m_vMax);
    m_bar->SetScrollPos(0);
    m_offset = 0;
    m_follow = true;
}

int CLMsgControl::NewestLineOffset(int lines, int textBottom) {
    // Line i is drawn from y = 2 − offset + 12·i; the last one must end by the area's bottom.
    return std::clamp(2 + kLineHeight * lines - textBottom, 0, kScrollMax);
}

void CLMsgControl::AppendData(const char* text) {
    if (m_lineCount == m_maxLines) {
        std::memmove(m_lines[0], m_lines[1], sizeof(m_lines[0]) * size_t(m_maxLines - 1));
        --m_lineCount;
    }
    CopyFixedText(m_lines[m_lineCount], text);
    ++m_lineCount;
    if (m_follow && m_bar) {
        m_offset = NewestLineOffset(m_lineCount, TextArea().bottom);
        m_bar->SetScrollPos(m_offset);
    }
    RedrawText();
}

CRect CLMsgControl::TextArea() const {
    return CRect(2, 2, m_client.right - 22, m_client.bottom - 1);
}

void CLMsgControl::PaintText(CDC& dc) {
    CRect area = TextArea();
    dc.FillSolidRect(&area, kWhite);
    CRgn clip;
    clip.CreateRectRgnIndirect(area);
    dc.SelectClipRgn(&clip);
    CFont* oldFont = dc.SelectObject(m_font.get());
    int oldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF oldColor = dc.SetTextColor(kBlack);
    for (int i = 0; i < m_lineCount; ++i) {
        int y = 2 - m_offset + m_lineHeight * i;
        if (y + m_lineHeight > area.top && y < area.bottom)
            dc.TextOut(2, y, m_lines[i]);
    }
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);
    dc.SelectClipRgn(nullptr);
}

void CLMsgControl::Paint(CDC& dc) {
    int w = m_client.Width(), h = m_client.Height();
    CPen black(PS_SOLID, 1, kBlack), white(PS_SOLID, 1, kWhite);
    CPen* old = dc.SelectObject(&black);
    dc.MoveTo(1, h - 1);
    dc.LineTo(1, 0);
    dc.LineTo(w - 22, 0);
    dc.LineTo(w - 22, h - 1);
    dc.LineTo(1, h - 1);
    dc.SelectObject(&white);
    dc.MoveTo(0, h);
    dc.LineTo(0, 0);
    dc.MoveTo(w - 1, h);
    dc.LineTo(w - 1, 0);
    dc.SelectObject(old);
    PaintText(dc);
}

void CLMsgControl::RedrawText() {
    CClientDC dc(this);
    PaintText(dc);
}

bool CLMsgControl::OnVScroll(int request, int position) {
    const int offset =
        ScrollTarget(request, m_offset, m_lineHeight, 30, m_vMax, position).value_or(m_offset);
    if (offset == m_offset)
        return false;
    m_offset = offset;
    // Back at (or below) the newest line, the view follows new lines again.
    m_follow = m_offset >= NewestLineOffset(m_lineCount, TextArea().bottom);
    RedrawText();
    m_bar->SetScrollPos(m_offset);
    return true;
}

void CLMsgControl::OnSize() {
    GetClientRect(&m_client);
    if (m_bar)
        m_bar->MoveWindow(m_client.right - 21, 0, m_barWidth, m_client.bottom);
    Invalidate(TRUE);
}

LRESULT CLMsgControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETOBJECT: {
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = AccRole::List;
        info.self.name = "Log";
        for (int i = 0; i < m_lineCount; ++i) {
            AccItem item;
            item.role = AccRole::ListItem;
            item.name = m_lines[i];
            info.items.push_back(item);
        }
        return TRUE;
    }
    case WM_PAINT: {
        CPaintDC dc(this);
        Paint(dc);
        return 0;
    }
    case WM_VSCROLL:
        if (!m_bar || HWND(lParam) != m_bar->m_hWnd || !OnVScroll(LOWORD(wParam), HIWORD(wParam)))
            return 0;
        break;
    case WM_SIZE:
        OnSize();
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
