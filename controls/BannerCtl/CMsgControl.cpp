#include "controls/BannerCtl/CMsgControl.h"

#include "controls/common/ControlFaces.h"
#include "controls/common/FixedText.h"
#include "platform/ui/WindowDC.h"

namespace {
int g_registered = 0;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);

void clipTo(CDC& dc, const CRect& r) {
    CRgn region;
    region.CreateRectRgnIndirect(r);
    dc.SelectClipRgn(&region);
}
} // namespace

CMsgControl::CMsgControl() = default;

CMsgControl::~CMsgControl() = default;

int CMsgControl::Register() {
    g_registered = ControlClass::Register("MsgCtrlClass", &ControlClass::ClassProc<CMsgControl>);
    return g_registered;
}

int CMsgControl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("MsgCtrlClass", nullptr, m_style.Take(style), rect, parent, id);
}

int CMsgControl::SubclassMsg(CWnd* parent, UINT id) {
    CWnd* child = parent ? parent->GetDlgItem(int(id)) : nullptr;
    return child ? SubclassWindow(child->m_hWnd) : 0;
}

void CMsgControl::InitMsg(char labels[][80], char values[][80]) {
    GetClientRect(&m_client);
    m_font = std::make_unique<CFont>();
    m_font->CreateFont(-9, "Terminal");
    for (int i = 0; i < 4; ++i) {
        CopyFixedText(m_labels[i], labels ? labels[i] : nullptr);
        CopyFixedText(m_values[i], values ? values[i] : nullptr);
    }
    LayOutCells();
}

void CMsgControl::LayOutCells() {
    int w = m_client.Width(), h = m_client.Height();
    int a = w / 4, half = h / 2;
    const int left[4] = {0, a + 1, 2 * a + 2, 3 * a + 3};
    const int right[4] = {a, 2 * a + 1, 3 * a + 2, w};
    auto cell = [&](int column, bool top) {
        return top ? CRect(left[column], 0, right[column], half)
                   : CRect(left[column], half + 1, right[column], h);
    };
    // Labels 0 and 1 share the first column, values 0 and 1 the second, and so on.
    for (int i = 0; i < 4; ++i) {
        int pair = i / 2;
        bool top = i % 2 == 0;
        m_labelCells[i] = cell(2 * pair, top);
        m_valueCells[i] = cell(2 * pair + 1, top);
    }
}

void CMsgControl::PaintLabel(CDC& dc, const CRect& cell, const char* text) {
    clipTo(dc, cell);
    int width = dc.GetTextExtent(text).cx;
    dc.TextOut(cell.left + (cell.right - width - cell.left) / 2,
               cell.top + (cell.bottom - cell.top) / 2 - 4, text);
}

void CMsgControl::PaintValue(CDC& dc, const CRect& cell, const char* text) {
    clipTo(dc, CRect(cell.left, cell.top, cell.right - 5, cell.bottom));
    int mid = cell.top + (cell.bottom - cell.top) / 2;
    dc.TextOut(cell.left + 3, mid - 4, text);
    dc.SelectClipRgn(nullptr);

    CPen grey(PS_SOLID, 1, kGrey), white(PS_SOLID, 1, kWhite);
    CPen* old = dc.SelectObject(&grey);
    dc.MoveTo(cell.left + 1, mid + 7);
    dc.LineTo(cell.left + 1, mid - 7);
    dc.LineTo(cell.right - 4, mid - 7);
    dc.SelectObject(&white);
    dc.LineTo(cell.right - 4, mid + 7);
    dc.LineTo(cell.left + 1, mid + 7);
    dc.SelectObject(old);
}

void CMsgControl::Paint(CDC& dc) {
    int w = m_client.Width(), h = m_client.Height();
    dc.FillSolidRect(&m_client, GetSysColor(COLOR_ACTIVEBORDER));
    CFont* oldFont = dc.SelectObject(m_font.get());
    int oldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF oldColor = dc.SetTextColor(FaceTextColor(false));
    for (int i = 0; i < 4; ++i) {
        PaintLabel(dc, m_labelCells[i], m_labels[i]);
        PaintValue(dc, m_valueCells[i], m_values[i]);
    }
    dc.SelectClipRgn(nullptr);
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);

    CPen white(PS_SOLID, 1, kWhite);
    CPen* old = dc.SelectObject(&white);
    dc.MoveTo(0, h - 1);
    dc.LineTo(0, 0);
    dc.LineTo(w - 1, 0);
    dc.LineTo(w - 1, h - 1);
    dc.LineTo(0, h - 1);
    dc.SelectObject(old);
}

LRESULT CMsgControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETOBJECT: {
        // Read as its four label and value pairs, "Name Mirova" and so on.
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = AccRole::Pane;
        for (int i = 0; i < 4; ++i) {
            AccItem item;
            item.role = AccRole::Label;
            item.name = m_labels[i];
            item.value = m_values[i];
            item.rect = m_valueCells[i];
            info.items.push_back(item);
            info.self.name += std::string(i ? ", " : "") + m_labels[i] + " " + m_values[i];
        }
        return TRUE;
    }
    case WM_PAINT: {
        CPaintDC dc(this);
        Paint(dc);
        return 0;
    }
    case WM_SIZE:
        GetClientRect(&m_client);
        LayOutCells();
        Invalidate(TRUE);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
