#include "dialogs/CNmListCtrl.h"

#include "dialogs/NmDlgLayoutRules.h"
#include "dialogs/NmListEditors.h"
#include "platform/ui/CImageList.h"
#include "platform/ui/DrawText.h"

IMPLEMENT_DYNAMIC(CNmListCtrl, CObject)

namespace {

constexpr UINT kEditorId = 0xFE01;
constexpr int kDropDownRows = 30;

void setAtGrow(std::vector<COLORREF>& list, int index, COLORREF color) {
    if (index < 0)
        return;
    if (list.size() <= std::size_t(index))
        list.resize(std::size_t(index) + 1, kNmDefaultColor);
    list[std::size_t(index)] = color;
}

// The dotted focus frame: every other pixel of the edge inverted.
void drawFocusFrame(CDC& dc, const CRect& r) {
    auto invert = [&dc](int x, int y) { dc.SetPixel(x, y, dc.GetPixel(x, y) ^ 0xFFFFFF); };
    for (int x = r.left; x < r.right; x += 2) {
        invert(x, r.top);
        invert(x, r.bottom - 1);
    }
    for (int y = r.top + 2; y < r.bottom - 1; y += 2) {
        invert(r.left, y);
        invert(r.right - 1, y);
    }
}

} // namespace

CNmListCtrl::CNmListCtrl()
    : m_clrText(GetSysColor(COLOR_WINDOWTEXT)), m_clrTextBk(GetSysColor(COLOR_WINDOW)),
      m_clrBkgnd(GetSysColor(COLOR_WINDOW)), m_clrHighlight(GetSysColor(COLOR_HIGHLIGHT)),
      m_clrBtnFace(GetSysColor(COLOR_BTNFACE)), m_gridPen(PS_SOLID, 1, RGB(0xC0, 0xC0, 0xC0)) {}

int CNmListCtrl::InsertColumn(int col, const char* heading, int format, int width, int subItem,
                              COLORREF color) {
    setAtGrow(m_columnColors, col, color);
    return CListCtrl::InsertColumn(col, heading, format, width, subItem);
}

int CNmListCtrl::InsertItem(UINT mask, int row, const char* text, UINT state, UINT stateMask,
                            int image, LPARAM data, COLORREF color) {
    setAtGrow(m_rowColors, row, color);
    return CListCtrl::InsertItem(mask, row, text, state, stateMask, image, data);
}

COLORREF CNmListCtrl::ColumnColor(int col) const {
    return col >= 0 && std::size_t(col) < m_columnColors.size() ? m_columnColors[std::size_t(col)]
                                                                : kNmDefaultColor;
}

void CNmListCtrl::SetColumnGreyed(int col, bool greyed) {
    if (col < 0 || IsColumnGreyed(col) == greyed)
        return;
    if (m_greyedColumns.size() <= std::size_t(col))
        m_greyedColumns.resize(std::size_t(col) + 1, false);
    m_greyedColumns[std::size_t(col)] = greyed;
    Invalidate(FALSE);
}

bool CNmListCtrl::IsColumnGreyed(int col) const {
    return col >= 0 && std::size_t(col) < m_greyedColumns.size() &&
           m_greyedColumns[std::size_t(col)];
}

COLORREF CNmListCtrl::RowColor(int row) const {
    return row >= 0 && std::size_t(row) < m_rowColors.size() ? m_rowColors[std::size_t(row)]
                                                             : kNmDefaultColor;
}

CWnd* CNmListCtrl::CallbackWnd() const {
    return m_pCallbackWnd ? m_pCallbackWnd : GetParent();
}

void CNmListCtrl::DrawItem(LPDRAWITEMSTRUCT draw) {
    CDC& dc = *draw->pDC;
    const int row = int(draw->itemID);
    if ((m_dwStyle & NMLS_NOSELECTION) && GetItemState(row, LVIS_SELECTED))
        SetItemState(row, 0, LVIS_SELECTED);
    LVITEM item;
    item.mask = LVIF_IMAGE | LVIF_STATE;
    item.iItem = row;
    item.stateMask = 0xFFFF;
    GetItem(&item);
    const bool highlighted =
        (item.state & LVIS_DROPHILITED) ||
        ((item.state & LVIS_SELECTED) && (HasFocus() || (GetStyle() & LVS_SHOWSELALWAYS)));
    const bool fullRow = (m_dwStyle & NMLS_FULLROWSELECT) != 0;
    const COLORREF background = highlighted ? m_clrHighlight : GetBkColor();
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    const int blank = int(dc.GetTextExtent(" ").cx);

    CRect bounds = draw->rcItem;
    CRect client;
    GetClientRect(&client);
    CRect first;
    GetSubItemRect(row, 0, LVIR_LABEL, first);
    if (fullRow) {
        CRect all(bounds.left, bounds.top, std::max<int>(bounds.right, client.right),
                  bounds.bottom);
        dc.FillSolidRect(&all, background);
    } else {
        dc.FillSolidRect(&first, background);
    }

    // First column: state image, image with overlay, text in the row's colour.
    int x = first.left;
    CImageList* stateList = GetImageList(LVSIL_STATE);
    CImageList* smallList = GetImageList(LVSIL_SMALL);
    int imageTop = first.top + (first.Height() - 16) / 2;
    int stateIndex = int((item.state & LVIS_STATEIMAGEMASK) >> 12);
    if (stateList && stateIndex > 0) {
        stateList->Draw(&dc, stateIndex, POINT{x, imageTop}, ILD_TRANSPARENT);
        x += stateList->GetImageSize().cx;
    }
    if (smallList) {
        UINT style = ILD_TRANSPARENT | (item.state & LVIS_OVERLAYMASK);
        if (highlighted || (item.state & LVIS_CUT))
            style |= ILD_BLEND50;
        smallList->Draw(&dc, item.iImage, POINT{x, imageTop}, style);
        x += smallList->GetImageSize().cx;
    }
    COLORREF rowColor =
        RowColor(row) == kNmDefaultColor ? GetSysColor(COLOR_BTNTEXT) : RowColor(row);
    dc.SetTextColor(highlighted ? highlightText : rowColor);
    const UINT textFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    DrawText(dc, GetItemText(row, 0),
             CRect(x + blank, first.top, first.right - blank, first.bottom),
             textFormat | ListColumnAlignment(GetColumnFormat(0)));

    for (int col = 1; col < GetColumnCount(); ++col) {
        CRect cell;
        GetSubItemRect(row, col, LVIR_LABEL, cell);
        if (IsColumnGreyed(col))
            dc.FillSolidRect(&cell, GetSysColor(COLOR_BTNSHADOW));
        else if (!fullRow)
            dc.FillSolidRect(&cell, GetBkColor());
        if (m_dwStyle & NMLS_CELLSTATEIMAGES) {
            LVITEM sub;
            sub.mask = LVIF_STATE;
            sub.iItem = row;
            sub.iSubItem = col;
            sub.stateMask = LVIS_STATEIMAGEMASK | LVIS_OVERLAYMASK;
            GetItem(&sub);
            int index = int((sub.state & LVIS_STATEIMAGEMASK) >> 12);
            CImageList* list = stateList ? stateList : smallList;
            if (list && index > 0) {
                int left = cell.left + (cell.Width() - list->GetImageSize().cx) / 2;
                list->Draw(&dc, index, POINT{left, imageTop},
                           ILD_TRANSPARENT | (sub.state & LVIS_OVERLAYMASK));
            }
        } else {
            COLORREF color = ColumnColor(col) == kNmDefaultColor ? rowColor : ColumnColor(col);
            dc.SetTextColor(highlighted && fullRow ? highlightText : color);
            DrawText(dc, GetItemText(row, col),
                     CRect(cell.left + 2 * blank, cell.top, cell.right - 2 * blank, cell.bottom),
                     textFormat | ListColumnAlignment(GetColumnFormat(col)));
        }
    }

    // Grid lines in light grey: right edge of every cell, bottom of the row.
    dc.SelectObject(&m_gridPen);
    if (m_dwStyle & NMLS_VGRID)
        for (int col = 0; col < GetColumnCount(); ++col) {
            CRect cell;
            GetSubItemRect(row, col, LVIR_LABEL, cell);
            dc.MoveTo(cell.right - 1, cell.top);
            dc.LineTo(cell.right - 1, cell.bottom);
        }
    if (m_dwStyle & NMLS_HGRID) {
        dc.MoveTo(bounds.left, bounds.bottom - 1);
        dc.LineTo(std::max<int>(bounds.right, client.right), bounds.bottom - 1);
    }
    dc.SelectObject(static_cast<CPen*>(nullptr));

    if ((item.state & LVIS_FOCUSED) && HasFocus()) {
        CRect focus = fullRow ? CRect(bounds.left, bounds.top, client.right, bounds.bottom) : first;
        drawFocusFrame(dc, focus);
    }
}

bool CNmListCtrl::PlaceEditor(int row, int col, int minWidth, CRect& rect) {
    if (row < 0 || row >= GetItemCount() || col < 0 || col >= GetColumnCount())
        return false;
    EnsureVisible(row, TRUE);
    CRect cell, rows = GetRowsRect();
    GetSubItemRect(row, col, LVIR_LABEL, cell);
    EditorPlacement place = PlaceCellEditor(cell, rows, minWidth);
    if (!place.fits)
        return false;
    if (place.scrollX) {
        Scroll(CSize(place.scrollX, 0));
        GetSubItemRect(row, col, LVIR_LABEL, cell);
        place = PlaceCellEditor(cell, rows, minWidth);
    }
    rect = place.rect;
    return true;
}

CEdit* CNmListCtrl::EditSubLabel(int row, int col) {
    CRect rect;
    if (!PlaceEditor(row, col, 5, rect))
        return nullptr;
    DWORD align = (GetColumnFormat(col) & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT    ? ES_RIGHT
                  : (GetColumnFormat(col) & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER ? ES_CENTER
                                                                                 : ES_LEFT;
    auto* edit = new CNmListEdit(m_hWnd, row, col);
    if (!edit->Create(WS_BORDER | WS_VISIBLE | ES_AUTOHSCROLL | align, rect, this, kEditorId)) {
        delete edit;
        return nullptr;
    }
    edit->SetFont(GetFont());
    edit->SetWindowText(GetItemText(row, col).c_str());
    edit->SetSel(0, -1);
    edit->SetFocus();
    return edit;
}

CComboBox* CNmListCtrl::ShowInPlaceList(int row, int col, const std::vector<std::string>& texts,
                                        int select) {
    CRect rect;
    if (!PlaceEditor(row, col, 10, rect))
        return nullptr;
    auto* combo = new CNmListCombo(m_hWnd, row, col);
    if (!combo->Create(WS_BORDER | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, rect, this,
                       kEditorId)) {
        delete combo;
        return nullptr;
    }
    combo->SetFont(GetFont());
    for (const std::string& text : texts)
        combo->AddString(text.c_str());
    combo->SetItemHeight(GetRowHeight());
    combo->SetMinVisibleItems(kDropDownRows);
    combo->SetHorizontalExtent(GetColumnWidth(col));
    combo->SetCurSel(select);
    combo->SetFocus();
    return combo;
}

void CNmListCtrl::OnEndLabelEdit(const NMLVDISPINFO& info) {
    if (!info.item.pszText)
        return;
    std::string text = info.item.pszText;
    SetItemText(info.item.iItem, info.item.iSubItem, text.c_str());
    if (CWnd* target = CallbackWnd(); target && m_pfnLabelChanged)
        (target->*m_pfnLabelChanged)(info.item.iItem, info.item.iSubItem, text);
}

void CNmListCtrl::ClickCell(int row, int col) {
    LRESULT result = 0;
    if (CWnd* target = CallbackWnd(); target && m_pfnLButtonDown)
        (target->*m_pfnLButtonDown)(row, col, &result);
    if (!(m_dwStyle & NMLS_NOSELECTION))
        SelectOnly(row);
}

LRESULT CNmListCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN: {
        CPoint point(lParam);
        LVHITTESTINFO info;
        info.pt = point;
        SubItemHitTest(&info);
        if (info.iItem < 0 || info.iSubItem < 0) {
            DefaultLButtonDown(point);
            int row = HitTest(point);
            if (row >= 0)
                SelectOnly(row);
            return 0;
        }
        // The row is selected after the callback, not before as the list's own processing
        // would: the set dialog edits only on a click into the row that was already focused.
        SetFocus();
        ClickCell(info.iItem, info.iSubItem);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        if (!m_pfnDblClick) {
            LVHITTESTINFO info;
            info.pt = CPoint(lParam);
            SubItemHitTest(&info);
            if (info.iItem >= 0 && info.iSubItem >= 0)
                ClickCell(info.iItem, info.iSubItem);
            return 0;
        }
        LRESULT r = CListCtrl::WindowProc(msg, wParam, lParam);
        NMITEMACTIVATE dbl;
        dbl.hdr.hwndFrom = m_hWnd;
        dbl.hdr.idFrom = UINT_PTR(GetDlgCtrlID());
        dbl.hdr.code = NM_DBLCLK;
        dbl.iItem = HitTest(CPoint(lParam));
        dbl.ptAction = CPoint(lParam);
        LRESULT result = 0;
        if (CWnd* target = CallbackWnd(); target && m_pfnDblClick && dbl.iItem >= 0)
            (target->*m_pfnDblClick)(&dbl.hdr, &result);
        return r;
    }
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (hdr && hdr->code == LVN_ENDLABELEDIT)
            OnEndLabelEdit(*reinterpret_cast<NMLVDISPINFO*>(lParam));
        return 0;
    }
    default:
        return CListCtrl::WindowProc(msg, wParam, lParam);
    }
}
