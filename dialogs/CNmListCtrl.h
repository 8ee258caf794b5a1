#pragma once
// The report list of the generic dialogs: rows drawn by the control itself with per-column and
// per-row text colours, grid lines, state images in cells, and in-place editing of a cell with
// an edit box or a drop-down list. It reports to a callback window (null: its parent) through
// three member functions: label changed (row, column, text), left button on a cell (row,
// column, result) and double click on a row (notification, result). A click anywhere in a row
// selects it, after the left-button callback has seen the row as it was. Without a
// double-click callback, a double click is a second click. Columns can be greyed to show that their
// cells are out of date.

#include "dialogs/NmDialogApi.h"
#include "platform/ui/CListCtrl.h"

#include <string>
#include <vector>

class CComboBox;
class CEdit;

// Style word bits of the list's own drawing.
constexpr DWORD NMLS_FULLROWSELECT = 0x0001;
constexpr DWORD NMLS_VGRID = 0x0002;
constexpr DWORD NMLS_HGRID = 0x0004;
constexpr DWORD NMLS_CELLSTATEIMAGES = 0x0020;
constexpr DWORD NMLS_NOSELECTION = 0x8000;

// The default text colour in the column and row colour lists.
constexpr COLORREF kNmDefaultColor = COLORREF(-1);

class NMDIALOG_API CNmListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CNmListCtrl)
public:
    using LabelChangedFn = void (CWnd::*)(int row, int col, const std::string& text);
    using LButtonFn = void (CWnd::*)(int row, int col, LRESULT* result);
    using DblClickFn = void (CWnd::*)(NMHDR* hdr, LRESULT* result);

    CNmListCtrl();

    CWnd* m_pCallbackWnd = nullptr;
    COLORREF m_clrText;
    COLORREF m_clrTextBk;
    COLORREF m_clrBkgnd;
    COLORREF m_clrHighlight;
    COLORREF m_clrBtnFace;
    CPen m_gridPen;
    DWORD m_dwStyle = NMLS_FULLROWSELECT | NMLS_VGRID | NMLS_HGRID;
    std::vector<COLORREF> m_columnColors;
    std::vector<COLORREF> m_rowColors;
    LabelChangedFn m_pfnLabelChanged = nullptr;
    LButtonFn m_pfnLButtonDown = nullptr;
    DblClickFn m_pfnDblClick = nullptr;

    // Records the column's (row's) colour, then inserts it.
    int InsertColumn(int col, const char* heading, int format, int width, int subItem,
                     COLORREF color);
    int InsertItem(UINT mask, int row, const char* text, UINT state, UINT stateMask, int image,
                   LPARAM data, COLORREF color);
    using CListCtrl::InsertColumn;
    using CListCtrl::InsertItem;

    // In-place editors over a cell; null when the column is too narrow (or the row missing).
    CEdit* EditSubLabel(int row, int col);
    CComboBox* ShowInPlaceList(int row, int col, const std::vector<std::string>& texts, int select);

    // A greyed column draws its cells on a dark grey ground.
    void SetColumnGreyed(int col, bool greyed);
    bool IsColumnGreyed(int col) const;

    void DrawItem(LPDRAWITEMSTRUCT draw) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    CWnd* CallbackWnd() const;
    bool PlaceEditor(int row, int col, int minWidth, CRect& rect);
    void OnEndLabelEdit(const NMLVDISPINFO& info);
    // A left button press on a cell: the callback, then the row's selection.
    void ClickCell(int row, int col);

    std::vector<bool> m_greyedColumns;
    COLORREF ColumnColor(int col) const;
    COLORREF RowColor(int row) const;
};
