#include "module/graphs/windows/CLegendItem.h"

#include "module/graphs/windows/GraphIds.h"
#include "module/graphs/windows/LegendText.h"
#include "module/res/graphs/GraphBitmaps.h"
#include "platform/ui/WindowDC.h"

#include <utility>

namespace {
constexpr int kButtonWidth = 14, kButtonHeight = 10;
constexpr int kTextLeft = 4;

std::string FindText(HMENU menu, UINT id) {
    for (const MenuItem& item : CMenu::Items(menu)) {
        if (item.flags & MF_POPUP) {
            std::string inner = FindText(item.popup, id);
            if (!inner.empty())
                return inner;
        } else if (!(item.flags & MF_SEPARATOR) && item.id == id) {
            return item.text;
        }
    }
    return "";
}
} // namespace

CLegendItem::CLegendItem() {
    m_font.CreateFont(-12, "MS Sans Serif");
}

CLegendItem::~CLegendItem() = default;

BOOL CLegendItem::Create(const RECT& rect, CWnd* owner, UINT id,
                         const std::vector<std::string>& names, bool colourMenu) {
    m_menu.CreatePopupMenu();
    if (colourMenu) {
        m_colourMenu = std::make_unique<CMenu>();
        m_colourMenu->CreatePopupMenu();
        m_colourMenu->AppendMenu(MF_STRING, ID_LEGEND_LINE_COLOR, "Set Line Color");
        m_colourMenu->AppendMenu(MF_STRING, ID_LEGEND_WORD_COLOR, "Set Word Color");
        m_menu.AppendMenu(MF_POPUP, m_colourMenu->m_hMenu, "Set Color");
    }
    m_menu.AppendMenu(MF_STRING, ID_LEGEND_NONE, "No Selection");
    m_counterCount = int(names.size());
    m_names = names;
    for (size_t i = 0; i < names.size(); ++i)
        m_menu.AppendMenu(MF_STRING, i + 1, names[i].c_str());
    m_owner = owner ? owner->m_hWnd : 0;
    if (!CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, owner, id))
        return FALSE;
    RegisterGraphBitmaps();
    if (!m_menuButton.Create("Menu", WS_CHILD | WS_VISIBLE,
                             CRect(0, 0, kButtonWidth, kButtonHeight), this, IDC_LEGEND_MENU))
        return FALSE;
    m_menuButton.LoadBitmaps(IDB_NARROW_UP, IDB_NARROW_DOWN);
    PlaceMenuButton();
    return TRUE;
}

void CLegendItem::PlaceMenuButton() {
    CRect client;
    GetClientRect(&client);
    m_menuButton.MoveWindow(client.right - kButtonWidth - 2, (client.Height() - kButtonHeight) / 2,
                            kButtonWidth, kButtonHeight);
}

int CLegendItem::GetCounter() const {
    return m_choice >= 1 && int(m_choice) <= m_counterCount ? int(m_choice) : 0;
}

void CLegendItem::SetChoice(UINT choice) {
    m_choice = choice;
    Invalidate(TRUE);
}

void CLegendItem::SetTextColor(COLORREF color) {
    m_textColor = color;
    Invalidate(TRUE);
}

void CLegendItem::SetBkColor(COLORREF color) {
    m_bkColor = color;
    Invalidate(TRUE);
}

std::string CLegendItem::ChoiceText(UINT choice) const {
    return choice ? FindText(m_menu.m_hMenu, choice) : std::string();
}

std::string CLegendItem::ShownText(CDC& dc) const {
    const int counter = GetCounter();
    if (counter == 0)
        return ChoiceText(m_choice);
    CRect client;
    GetClientRect(&client);
    const int width = client.right - kButtonWidth - 3 - kTextLeft;
    return LegendText(m_names, std::size_t(counter - 1), width,
                      [&dc](const std::string& text) { return int(dc.GetTextExtent(text).cx); });
}

void CLegendItem::OpenMenu() {
    CRect client;
    GetClientRect(&client);
    POINT under{0, client.bottom};
    ClientToScreen(&under);
    HWND self = m_hWnd;
    UINT choice = m_menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, under.x, under.y, this);
    if (IsWindow(self) && IsWindow(m_owner))
        ::PostMessage(m_owner, LEGEND_PICKED, WPARAM(GetDlgCtrlID()), LPARAM(choice));
}

void CLegendItem::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_bkColor);
    dc.SelectObject(&m_greyPen);
    dc.MoveTo(0, client.bottom - 1);
    dc.LineTo(0, 0);
    dc.LineTo(client.right, 0);
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    dc.SelectObject(&white);
    dc.MoveTo(1, client.bottom - 1);
    dc.LineTo(client.right - 1, client.bottom - 1);
    dc.LineTo(client.right - 1, 0);
    dc.SelectObject(static_cast<CPen*>(nullptr));
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_textColor);
    dc.IntersectClipRect(1, 1, client.right - kButtonWidth - 3, client.bottom - 1);
    int textTop = (client.Height() - dc.GetTextExtent("Xg").cy) / 2;
    dc.TextOut(kTextLeft, textTop, ShownText(dc));
    dc.SelectObject(static_cast<CFont*>(nullptr));
}

LRESULT CLegendItem::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        Paint(dc);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // painting covers the whole item
    case WM_LBUTTONDOWN:
        m_pressed = true;
        return 0;
    case WM_LBUTTONUP:
        // Only a click that began here: a drag that ends over the item opens nothing.
        if (std::exchange(m_pressed, false))
            OpenMenu();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_LEGEND_MENU && HIWORD(wParam) == BN_CLICKED)
            OpenMenu();
        return 0;
    case WM_SIZE: {
        LRESULT result = CWnd::WindowProc(msg, wParam, lParam);
        if (m_menuButton.m_hWnd)
            PlaceMenuButton();
        return result;
    }
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
