#include "controls/KoSample/CSampMsgControl.h"

#include "controls/common/ControlFaces.h"
#include "controls/common/FixedText.h"
#include "platform/ui/WindowDC.h"

namespace {
int g_registered = 0;

// Centred text, black on whatever is there, clipped to the box.
void drawCentred(CDC& dc, const CRect& box, CFont* font, const char* text, int y) {
    CRgn clip;
    clip.CreateRectRgnIndirect(box);
    dc.SelectClipRgn(&clip);
    CFont* oldFont = dc.SelectObject(font);
    int oldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF oldColor = dc.SetTextColor(FaceTextColor(false));
    dc.TextOut((box.Width() - dc.GetTextExtent(text).cx) / 2, y, text);
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);
    dc.SelectClipRgn(nullptr);
}
} // namespace

CSampMsgControl::CSampMsgControl() = default;

CSampMsgControl::~CSampMsgControl() = default;

int CSampMsgControl::Register() {
    g_registered =
        ControlClass::Register("SampMsgCtrlClass", &ControlClass::ClassProc<CSampMsgControl>);
    return g_registered;
}

int CSampMsgControl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("SampMsgCtrlClass", nullptr, m_style.Take(style), rect, parent, id);
}

void CSampMsgControl::InitSampMsg(int, char* caption) {
    CopyFixedText(m_caption, caption);
    CopyFixedText(m_value, "1");
    GetClientRect(&m_client);
    m_captionFont = std::make_unique<CFont>();
    m_captionFont->CreateFont(-9, "Terminal");
    m_valueFont = std::make_unique<CFont>();
    m_valueFont->CreateFont(-11, "Arial");
    m_narrowCaptionFont = std::make_unique<CFont>();
    m_narrowCaptionFont->CreateFont(-9, "Arial");
}

void CSampMsgControl::SetText(const char* text) {
    if (text)
        CopyFixedText(m_value, text);
    CClientDC dc(this);
    PaintValueBox(dc);
}

void CSampMsgControl::PaintValueBox(CDC& dc) {
    CRect box(0, 0, m_client.Width(), m_client.Height() - 12);
    dc.FillSolidRect(&box, GetSysColor(COLOR_ACTIVEBORDER));
    dc.Draw3dRect(&box, RGB(128, 128, 128), RGB(255, 255, 255));
    drawCentred(dc, box, m_valueFont.get(), m_value, (m_client.Height() - 12) / 2 - 5);
}

void CSampMsgControl::PaintCaption(CDC& dc) {
    int h = m_client.Height();
    CRect box(0, h - 11, m_client.Width(), h);
    CFont* font = m_captionFont.get();
    CFont* oldFont = dc.SelectObject(font);
    if (dc.GetTextExtent(m_caption).cx > box.Width())
        font = m_narrowCaptionFont.get();
    dc.SelectObject(oldFont);
    drawCentred(dc, box, font, m_caption, (h - 11) + 11 / 2 - 5);
}

LRESULT CSampMsgControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETOBJECT: {
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = AccRole::Label;
        info.self.name = m_caption;
        info.self.value = m_value;
        return TRUE;
    }
    case WM_PAINT: {
        CPaintDC dc(this);
        PaintValueBox(dc);
        PaintCaption(dc);
        return 0;
    }
    case WM_SIZE:
        GetClientRect(&m_client);
        Invalidate(TRUE);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
