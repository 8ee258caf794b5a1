#include "platform/ui/CListCtrl.h"

#include "platform/ui/CImageList.h"
#include "platform/ui/DrawText.h"
#include "platform/ui/WindowDC.h"

#include <QFontMetrics>

namespace {

constexpr int kBarThickness = 16;
constexpr UINT kVBarId = 0xFF01;
constexpr UINT kHBarId = 0xFF02;
constexpr int kDefaultColumnWidth = 100;

int textHeight(const CFont* font) {
    static const QFont fallback = MakeFont("MS Sans Serif", 11, FW_NORMAL);
    return QFontMetrics(font ? font->GetQFont() : fallback).height();
}

} // namespace

UINT ListColumnAlignment(int format) {
    switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return DT_RIGHT;
    case LVCFMT_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

CListCtrl::CListCtrl() : m_bkColor(GetSysColor(COLOR_WINDOW)) {}

CListCtrl::~CListCtrl() = default;

int CListCtrl::InsertColumn(int col, const char* heading, int format, int width, int) {
    if (col < 0)
        return -1;
    col = std::min(col, GetColumnCount());
    m_columns.insert(m_columns.begin() + col, Column{heading ? heading : "", format,
                                                     width < 0 ? kDefaultColumnWidth : width});
    for (Row& row : m_rows)
        if (std::size_t(col) <= row.cells.size() && col > 0)
            row.cells.insert(row.cells.begin() + col, Cell{});
    UpdateScrollBars();
    Invalidate(FALSE);
    return col;
}

int CListCtrl::GetColumnWidth(int col) const {
    return col >= 0 && col < GetColumnCount() ? m_columns[std::size_t(col)].width : 0;
}

BOOL CListCtrl::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= GetColumnCount())
        return FALSE;
    m_columns[std::size_t(col)].width = std::max(0, width);
    UpdateScrollBars();
    Invalidate(FALSE);
    return TRUE;
}

int CListCtrl::GetColumnFormat(int col) const {
    return col >= 0 && col < GetColumnCount() ? m_columns[std::size_t(col)].format : LVCFMT_LEFT;
}

std::string CListCtrl::GetColumnHeading(int col) const {
    return col >= 0 && col < GetColumnCount() ? m_columns[std::size_t(col)].heading : std::string();
}

int CListCtrl::InsertItem(const LVITEM* item) {
    if (!item || item->iItem < 0 || item->iSubItem != 0)
        return -1;
    int index = std::min(item->iItem, GetItemCount());
    Row row;
    row.cells.resize(std::max<std::size_t>(1, m_columns.size()));
    m_rows.insert(m_rows.begin() + index, std::move(row));
    LVITEM first = *item;
    first.iItem = index;
    SetItem(&first);
    UpdateScrollBars();
    Invalidate(FALSE);
    return index;
}

int CListCtrl::InsertItem(UINT mask, int item, const char* text, UINT state, UINT stateMask,
                          int image, LPARAM lParam) {
    LVITEM lv;
    lv.mask = mask;
    lv.iItem = item;
    lv.pszText = text;
    lv.state = state;
    lv.stateMask = stateMask;
    lv.iImage = image;
    lv.lParam = lParam;
    return InsertItem(&lv);
}

int CListCtrl::InsertItem(int item, const char* text) {
    return InsertItem(LVIF_TEXT, item, text, 0, 0, 0, 0);
}

BOOL CListCtrl::DeleteAllItems() {
    m_rows.clear();
    m_top = 0;
    UpdateScrollBars();
    Invalidate(FALSE);
    return TRUE;
}

CListCtrl::Cell* CListCtrl::CellAt(int item, int subItem) {
    if (item < 0 || item >= GetItemCount() || subItem < 0 ||
        subItem >= std::max(1, GetColumnCount()))
        return nullptr;
    Row& row = m_rows[std::size_t(item)];
    if (row.cells.size() <= std::size_t(subItem))
        row.cells.resize(std::size_t(subItem) + 1);
    return &row.cells[std::size_t(subItem)];
}

const CListCtrl::Cell* CListCtrl::CellAt(int item, int subItem) const {
    return const_cast<CListCtrl*>(this)->CellAt(item, subItem);
}

BOOL CListCtrl::SetItem(const LVITEM* item) {
    Cell* cell = item ? CellAt(item->iItem, item->iSubItem) : nullptr;
    if (!cell)
        return FALSE;
    if (item->mask & LVIF_TEXT)
        cell->text = item->pszText ? item->pszText : "";
    if (item->mask & LVIF_IMAGE)
        cell->image = item->iImage;
    if (item->mask & LVIF_STATE)
        cell->state = (cell->state & ~item->stateMask) | (item->state & item->stateMask);
    if ((item->mask & LVIF_PARAM) && item->iSubItem == 0)
        m_rows[std::size_t(item->iItem)].data = UINT_PTR(item->lParam);
    Invalidate(FALSE);
    return TRUE;
}

BOOL CListCtrl::GetItem(LVITEM* item) const {
    const Cell* cell = item ? CellAt(item->iItem, item->iSubItem) : nullptr;
    if (!cell)
        return FALSE;
    if (item->mask & LVIF_TEXT)
        item->pszText = cell->text.c_str();
    if (item->mask & LVIF_IMAGE)
        item->iImage = cell->image;
    if (item->mask & LVIF_STATE)
        item->state = cell->state & item->stateMask;
    if (item->mask & LVIF_PARAM)
        item->lParam = LPARAM(m_rows[std::size_t(item->iItem)].data);
    return TRUE;
}

BOOL CListCtrl::SetItemText(int item, int subItem, const char* text) {
    LVITEM lv;
    lv.mask = LVIF_TEXT;
    lv.iItem = item;
    lv.iSubItem = subItem;
    lv.pszText = text;
    return SetItem(&lv);
}

std::string CListCtrl::GetItemText(int item, int subItem) const {
    const Cell* cell = CellAt(item, subItem);
    return cell ? cell->text : std::string();
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    if (item == -1) {
        for (int i = 0; i < GetItemCount(); ++i)
            SetItemState(i, state, mask);
        return TRUE;
    }
    Cell* cell = CellAt(item, 0);
    if (!cell)
        return FALSE;
    // One row at most is focused (and, with LVS_SINGLESEL, selected).
    UINT exclusive = LVIS_FOCUSED | ((GetStyle() & LVS_SINGLESEL) ? LVIS_SELECTED : 0);
    UINT taken = state & mask & exclusive;
    if (taken)
        for (int i = 0; i < GetItemCount(); ++i)
            if (i != item)
                m_rows[std::size_t(i)].cells[0].state &= ~taken;
    cell->state = (cell->state & ~mask) | (state & mask);
    Invalidate(FALSE);
    return TRUE;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
    const Cell* cell = CellAt(item, 0);
    return cell ? cell->state & mask : 0;
}

BOOL CListCtrl::SetItemData(int item, UINT_PTR data) {
    if (item < 0 || item >= GetItemCount())
        return FALSE;
    m_rows[std::size_t(item)].data = data;
    return TRUE;
}

UINT_PTR CListCtrl::GetItemData(int item) const {
    return item >= 0 && item < GetItemCount() ? m_rows[std::size_t(item)].data : 0;
}

int CListCtrl::GetNextItem(int start, int flags) const {
    UINT wanted =
        ((flags & LVNI_FOCUSED) ? LVIS_FOCUSED : 0) | ((flags & LVNI_SELECTED) ? LVIS_SELECTED : 0);
    for (int i = std::max(0, start + 1); i < GetItemCount(); ++i)
        if ((GetItemState(i, wanted) & wanted) == wanted)
            return i;
    return -1;
}

int CListCtrl::GetHeaderHeight() const {
    return textHeight(GetFont()) + 7;
}

int CListCtrl::GetRowHeight() const {
    // Room for a 16-pixel image and the grid line under it.
    return std::max(textHeight(GetFont()) + 4, 17);
}

CRect CListCtrl::GetRowsRect() const {
    CRect client;
    GetClientRect(&client);
    return CRect(0, GetHeaderHeight(), client.right - (m_vbarShown ? kBarThickness : 0),
                 client.bottom - (m_hbarShown ? kBarThickness : 0));
}

int CListCtrl::TotalWidth() const {
    return ColumnLeft(GetColumnCount());
}

int CListCtrl::ColumnLeft(int col) const {
    int x = 0;
    for (int c = 0; c < col && c < GetColumnCount(); ++c)
        x += m_columns[std::size_t(c)].width;
    return x;
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const {
    if (item < 0 || item >= GetItemCount())
        return FALSE;
    int top = GetHeaderHeight() + (item - m_top) * GetRowHeight();
    int width = code == LVIR_BOUNDS ? TotalWidth() : GetColumnWidth(0);
    *rect = CRect(-m_scrollX, top, -m_scrollX + width, top + GetRowHeight());
    return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int item, int subItem, int area, CRect& rect) const {
    if (subItem < 0 || subItem >= std::max(1, GetColumnCount()))
        return FALSE;
    if (subItem == 0)
        return GetItemRect(item, &rect, area == LVIR_BOUNDS ? LVIR_BOUNDS : LVIR_LABEL);
    if (!GetItemRect(item, &rect, LVIR_BOUNDS))
        return FALSE;
    rect.left = ColumnLeft(subItem) - m_scrollX;
    rect.right = rect.left + GetColumnWidth(subItem);
    return TRUE;
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
    LVHITTESTINFO info;
    info.pt = point;
    SubItemHitTest(&info);
    CRect rows = GetRowsRect();
    int item = -1;
    if (rows.PtInRect(point)) {
        int i = m_top + (point.y - rows.top) / GetRowHeight();
        if (i < GetItemCount())
            item = i;
    }
    if (flags)
        *flags = item >= 0 && info.iSubItem == 0 ? LVHT_ONITEM : LVHT_NOWHERE;
    return item;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* info) const {
    info->iItem = info->iSubItem = -1;
    info->flags = LVHT_NOWHERE;
    CRect rows = GetRowsRect();
    if (!rows.PtInRect(info->pt))
        return -1;
    int item = m_top + (info->pt.y - rows.top) / GetRowHeight();
    int x = info->pt.x + m_scrollX;
    if (item >= GetItemCount() || x >= TotalWidth())
        return -1;
    int col = 0;
    while (col + 1 < GetColumnCount() && x >= ColumnLeft(col + 1))
        ++col;
    info->iItem = item;
    info->iSubItem = col;
    info->flags = col == 0 ? LVHT_ONITEM : LVHT_ONITEMLABEL;
    return item;
}

int CListCtrl::GetCountPerPage() const {
    return std::max(0, GetRowsRect().Height() / GetRowHeight());
}

BOOL CListCtrl::EnsureVisible(int item, BOOL partialOK) {
    if (item < 0 || item >= GetItemCount())
        return FALSE;
    int page = std::max(1, GetCountPerPage());
    int top = m_top;
    if (item < top)
        top = item;
    else if (item >= top + page) {
        bool partlyShown =
            partialOK && item == top + page && GetRowsRect().Height() % GetRowHeight() != 0;
        if (!partlyShown)
            top = item - page + 1;
    }
    ScrollTo(top, m_scrollX);
    return TRUE;
}

BOOL CListCtrl::Scroll(CSize size) {
    ScrollTo(m_top + size.cy / GetRowHeight(), m_scrollX + size.cx);
    return TRUE;
}

void CListCtrl::ScrollTo(int top, int x) {
    int maxTop = std::max(0, GetItemCount() - std::max(1, GetCountPerPage()));
    int maxX = std::max(0, TotalWidth() - GetRowsRect().Width());
    top = std::clamp(top, 0, maxTop);
    x = std::clamp(x, 0, maxX);
    if (top == m_top && x == m_scrollX)
        return;
    m_top = top;
    m_scrollX = x;
    if (m_vbar && m_vbar->m_hWnd)
        m_vbar->SetScrollPos(m_top);
    if (m_hbar && m_hbar->m_hWnd)
        m_hbar->SetScrollPos(m_scrollX);
    Invalidate(FALSE);
}

bool CListCtrl::EnsureScrollBars() {
    if (!m_hWnd)
        return false;
    if (!m_vbar) {
        m_vbar = std::make_unique<CScrollBar>();
        m_vbar->Create(WS_CHILD | SBS_VERT, CRect(), this, kVBarId);
        m_hbar = std::make_unique<CScrollBar>();
        m_hbar->Create(WS_CHILD | SBS_HORZ, CRect(), this, kHBarId);
    }
    return m_vbar->m_hWnd && m_hbar->m_hWnd;
}

void CListCtrl::UpdateScrollBars() {
    if (!EnsureScrollBars())
        return;
    CRect client;
    GetClientRect(&client);
    int rowsHeight = client.Height() - GetHeaderHeight();
    bool v = false, h = false;
    // A bar takes room from the other direction, so decide twice.
    for (int pass = 0; pass < 2; ++pass) {
        h = TotalWidth() > client.Width() - (v ? kBarThickness : 0);
        int shown = rowsHeight - (h ? kBarThickness : 0);
        v = GetItemCount() * GetRowHeight() > shown;
    }
    m_vbarShown = v, m_hbarShown = h;
    m_vbar->MoveWindow(client.right - kBarThickness, GetHeaderHeight(), kBarThickness,
                       rowsHeight - (h ? kBarThickness : 0));
    m_hbar->MoveWindow(0, client.bottom - kBarThickness, client.Width() - (v ? kBarThickness : 0),
                       kBarThickness);
    m_vbar->ShowWindow(v ? SW_SHOW : SW_HIDE);
    m_hbar->ShowWindow(h ? SW_SHOW : SW_HIDE);
    m_vbar->SetScrollRange(0, std::max(0, GetItemCount() - std::max(1, GetCountPerPage())));
    m_hbar->SetScrollRange(0, std::max(0, TotalWidth() - GetRowsRect().Width()));
    ScrollTo(m_top, m_scrollX);
}

CImageList* CListCtrl::SetImageList(CImageList* list, int which) {
    CImageList*& slot = which == LVSIL_STATE ? m_stateImages : m_smallImages;
    CImageList* old = slot;
    slot = list;
    Invalidate(FALSE);
    return old;
}

CImageList* CListCtrl::GetImageList(int which) const {
    return which == LVSIL_STATE ? m_stateImages : m_smallImages;
}

BOOL CListCtrl::SetBkColor(COLORREF color) {
    m_bkColor = color;
    Invalidate(FALSE);
    return TRUE;
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT draw) {
    CDC& dc = *draw->pDC;
    bool selected = (draw->itemState & ODS_SELECTED) != 0;
    CRect row = draw->rcItem;
    dc.FillSolidRect(&row, selected ? GetSysColor(COLOR_HIGHLIGHT) : m_bkColor);
    dc.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    for (int col = 0; col < GetColumnCount(); ++col) {
        CRect cell;
        GetSubItemRect(int(draw->itemID), col, LVIR_LABEL, cell);
        cell.left += 6, cell.right -= 6;
        DrawText(dc, GetItemText(int(draw->itemID), col), cell,
                 ListColumnAlignment(GetColumnFormat(col)) | DT_VCENTER | DT_SINGLELINE |
                     DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

void CListCtrl::PaintHeader(CDC& dc, const CRect& client) {
    int height = GetHeaderHeight();
    CRect all(0, 0, client.right, height);
    dc.FillSolidRect(&all, GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    int x = -m_scrollX;
    auto face = [&dc](const CRect& r) {
        dc.Draw3dRect(&r, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
        CRect inner(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
        dc.Draw3dRect(&inner, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW));
    };
    for (const Column& column : m_columns) {
        CRect r(x, 0, x + column.width, height);
        if (column.width > 0) {
            face(r);
            CRect text(r.left + 6, r.top + 1, r.right - 6, r.bottom - 1);
            DrawText(dc, column.heading, text,
                     ListColumnAlignment(column.format) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX |
                         DT_END_ELLIPSIS);
        }
        x += column.width;
    }
    if (x < client.right)
        face(CRect(x, 0, client.right + 2, height));
}

void CListCtrl::Paint() {
    CPaintDC dc(this);
    dc.SelectObject(GetFont());
    CRect client;
    GetClientRect(&client);
    CRect rows = GetRowsRect();
    dc.FillSolidRect(&rows, m_bkColor);
    bool ownerDraw = (GetStyle() & LVS_OWNERDRAWFIXED) != 0;
    bool showSelection = m_focus || (GetStyle() & LVS_SHOWSELALWAYS);
    for (int i = m_top; i < GetItemCount(); ++i) {
        DRAWITEMSTRUCT draw;
        draw.CtlType = ODT_LISTVIEW;
        draw.CtlID = UINT(GetDlgCtrlID());
        draw.itemID = UINT(i);
        draw.itemAction = ODA_DRAWENTIRE;
        UINT state = GetItemState(i, LVIS_SELECTED | LVIS_FOCUSED);
        if ((state & LVIS_SELECTED) && (ownerDraw || showSelection))
            draw.itemState |= ODS_SELECTED;
        if ((state & LVIS_FOCUSED) && m_focus)
            draw.itemState |= ODS_FOCUS;
        draw.hwndItem = m_hWnd;
        draw.pDC = &dc;
        GetItemRect(i, &draw.rcItem, LVIR_BOUNDS);
        draw.itemData = GetItemData(i);
        if (draw.rcItem.top >= rows.bottom)
            break;
        dc.IntersectClipRect(&rows);
        if (ownerDraw)
            DrawItem(&draw);
        else
            CListCtrl::DrawItem(&draw);
        dc.SelectClipRgn(nullptr);
    }
    PaintHeader(dc, client);
    if (m_vbarShown && m_hbarShown) {
        CRect corner(rows.right, rows.bottom, client.right, client.bottom);
        dc.FillSolidRect(&corner, GetSysColor(COLOR_BTNFACE));
    }
}

void CListCtrl::SelectOnly(int item) {
    SetItemState(-1, 0, LVIS_SELECTED);
    SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

LRESULT CListCtrl::NotifyParent(NMHDR& hdr) {
    hdr.hwndFrom = m_hWnd;
    hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    CWnd* parent = GetParent();
    return parent ? parent->SendMessage(WM_NOTIFY, hdr.idFrom, LPARAM(&hdr)) : 0;
}

void CListCtrl::DefaultLButtonDown(CPoint point) {
    SetFocus();
    UINT flags = 0;
    int item = HitTest(point, &flags);
    if (item >= 0 && (flags & LVHT_ONITEM))
        SelectOnly(item);
    NMITEMACTIVATE click;
    click.hdr.code = NM_CLICK;
    LVHITTESTINFO info;
    info.pt = point;
    SubItemHitTest(&info);
    click.iItem = info.iItem;
    click.iSubItem = info.iSubItem;
    click.ptAction = point;
    NotifyParent(click.hdr);
}

LRESULT CListCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
    case WM_SETFONT: {
        LRESULT r = CWnd::WindowProc(msg, wParam, lParam);
        UpdateScrollBars();
        Invalidate(FALSE);
        return r;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_focus = msg == WM_SETFOCUS;
        Invalidate(FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        DefaultLButtonDown(CPoint(lParam));
        return 0;
    case WM_LBUTTONDBLCLK: {
        NMITEMACTIVATE dbl;
        dbl.hdr.code = NM_DBLCLK;
        dbl.iItem = HitTest(CPoint(lParam));
        dbl.ptAction = CPoint(lParam);
        NotifyParent(dbl.hdr);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN) {
            int focused = GetNextItem(-1, LVNI_FOCUSED);
            int next = focused < 0 ? 0 : focused + (wParam == VK_UP ? -1 : 1);
            if (next >= 0 && next < GetItemCount()) {
                SelectOnly(next);
                EnsureVisible(next, FALSE);
            }
        }
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL: {
        bool vertical = msg == WM_VSCROLL;
        int pos = vertical ? m_top : m_scrollX;
        int line = vertical ? 1 : 16;
        int page = vertical ? std::max(1, GetCountPerPage()) : std::max(16, GetRowsRect().Width());
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            pos -= line;
            break;
        case SB_LINEDOWN:
            pos += line;
            break;
        case SB_PAGEUP:
            pos -= page;
            break;
        case SB_PAGEDOWN:
            pos += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = HIWORD(wParam);
            break;
        case SB_TOP:
            pos = 0;
            break;
        case SB_BOTTOM:
            pos = 1 << 20;
            break;
        default:
            return 0;
        }
        ScrollTo(vertical ? pos : m_top, vertical ? m_scrollX : pos);
        return 0;
    }
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
