#pragma once
// A report list view (class "SysListView32", LVS_REPORT): a header of columns over rows of
// cells, with vertical and horizontal scrolling, one selected and one focused row, small and
// state image lists, and item data. Each cell keeps a text, an image and a state (the row's
// selection and focus live in its first cell). With LVS_OWNERDRAWFIXED every visible row is
// drawn by the virtual DrawItem; otherwise the cells' texts are drawn plainly.
//
// Default mouse processing: a click gives the list the focus, and a click on the first column
// of a row selects and focuses that row; both then notify the parent with WM_NOTIFY (NM_CLICK,
// NM_DBLCLK carrying NMITEMACTIVATE). Up and down keys move the focused, selected row.

#include "platform/ui/CScrollBar.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/ControlStyles.h"

#include <memory>
#include <string>
#include <vector>

class CImageList;

constexpr const char* WC_LISTVIEW = "SysListView32";

// The DrawText alignment of a column format (LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER).
UINT ListColumnAlignment(int format);

class CListCtrl : public CWnd {
public:
    CListCtrl();
    ~CListCtrl() override;

    // Columns. `subItem` is accepted for the framework's signature; cells are by column.
    int InsertColumn(int col, const char* heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    int GetColumnCount() const { return int(m_columns.size()); }
    int GetColumnWidth(int col) const;
    BOOL SetColumnWidth(int col, int width);
    int GetColumnFormat(int col) const;
    std::string GetColumnHeading(int col) const;

    // Rows. InsertItem returns the new row's index, or -1.
    int InsertItem(const LVITEM* item);
    int InsertItem(UINT mask, int item, const char* text, UINT state, UINT stateMask, int image,
                   LPARAM lParam);
    int InsertItem(int item, const char* text);
    BOOL DeleteAllItems();
    int GetItemCount() const { return int(m_rows.size()); }

    // Cells: SetItem/GetItem address the cell (iItem, iSubItem); text, image and state by mask.
    BOOL SetItem(const LVITEM* item);
    BOOL GetItem(LVITEM* item) const;
    BOOL SetItemText(int item, int subItem, const char* text);
    std::string GetItemText(int item, int subItem) const;
    // The row's state (its first cell); item −1 changes every row.
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const;
    BOOL SetItemData(int item, UINT_PTR data);
    UINT_PTR GetItemData(int item) const;
    // The next row after `start` (−1: from the first) with all the LVNI_ flags' states.
    int GetNextItem(int start, int flags) const;

    // Geometry, in client coordinates.
    int GetHeaderHeight() const;
    int GetRowHeight() const;
    // The part of the client area the rows are drawn in (below the header, beside the bars).
    CRect GetRowsRect() const;
    BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
    // LVIR_BOUNDS and LVIR_LABEL: the cell; for column 0 with LVIR_BOUNDS, the whole row.
    BOOL GetSubItemRect(int item, int subItem, int area, CRect& rect) const;
    int HitTest(CPoint point, UINT* flags = nullptr) const;
    // The cell under info->pt: iItem and iSubItem, both −1 when the point is on no cell.
    int SubItemHitTest(LVHITTESTINFO* info) const;
    int GetTopIndex() const { return m_top; }
    int GetCountPerPage() const;
    BOOL EnsureVisible(int item, BOOL partialOK);
    // Scrolls by size.cx pixels and size.cy pixels (whole rows).
    BOOL Scroll(CSize size);

    CImageList* SetImageList(CImageList* list, int which);
    CImageList* GetImageList(int which) const;
    BOOL SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_bkColor; }
    // Whether the list has the keyboard focus.
    bool HasFocus() const { return m_focus; }

    // Draws one row in owner-draw mode; the default draws the cell texts.
    virtual void DrawItem(LPDRAWITEMSTRUCT draw);

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    // The default processing of a left click: focus, row selection, NM_CLICK.
    void DefaultLButtonDown(CPoint point);
    void SelectOnly(int item);
    // Sends WM_NOTIFY with the header filled in for this control; returns the parent's result.
    LRESULT NotifyParent(NMHDR& hdr);

private:
    struct Column {
        std::string heading;
        int format = LVCFMT_LEFT;
        int width = 0;
    };
    struct Cell {
        std::string text;
        int image = -1;
        UINT state = 0;
    };
    struct Row {
        std::vector<Cell> cells;
        UINT_PTR data = 0;
    };

    Cell* CellAt(int item, int subItem);
    const Cell* CellAt(int item, int subItem) const;
    int TotalWidth() const;
    int ColumnLeft(int col) const;
    void Paint();
    void PaintHeader(CDC& dc, const CRect& client);
    void UpdateScrollBars();
    void ScrollTo(int top, int x);
    bool EnsureScrollBars();

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    CImageList* m_smallImages = nullptr;
    CImageList* m_stateImages = nullptr;
    COLORREF m_bkColor;
    int m_top = 0;
    int m_scrollX = 0;
    bool m_focus = false;
    std::unique_ptr<CScrollBar> m_vbar;
    std::unique_ptr<CScrollBar> m_hbar;
    bool m_vbarShown = false;
    bool m_hbarShown = false;
};
