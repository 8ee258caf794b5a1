#pragma once
// CTableControl ("GridCtlClass"): a read-only grid with a caption row, a row-number column,
// up to 80 text columns whose borders the operator drags, one selected row, and its own
// scroll bars (horizontal snapped to column edges, vertical to rows of 16 pixels). It never
// notifies its parent; the owner reads GetIndex and GetItem. With the focus, the arrow keys and
// Page Up/Down scroll (and move the selection of a selectable grid); the wheel scrolls by a row. No
// data call repaints: the owner redraws the control after filling it.

#include "controls/GridCtl/GridTypes.h"
#include "controls/common/ControlClass.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CWnd.h"

#include <memory>
#include <vector>

class CTableControl : public CWnd {
public:
    static constexpr int kMaxColumns = 80;

    CTableControl();
    ~CTableControl() override;

    // Registers "GridCtlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the control window (class "GridCtlClass"); the first call keeps the style's low
    // word as the control style word.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Takes over the parent's child window with that id; 0 when there is none.
    int SubclassTable(CWnd* parent, UINT id);

    // Defines the columns (at most 80) and creates the scroll bars and fonts. Once, after the
    // window exists, before any row.
    void InitTable(int columns, _CAPTIONDATA* captions, int selectable);
    // Adds a row whose first cell is a copy of the record; the other cells start empty.
    void AppendItemString(_DATAOBJ* record);
    // Copies the record into the cell; false when row or column is out of range.
    bool SetItemString(int row, int column, _DATAOBJ* record);
    // Note the order: column first, then row.
    bool GetItem(int column, int row, _DATAOBJ& record);
    // The selected row, or -1.
    int GetIndex();
    // Removes all rows; columns, widths, offsets and scroll ranges stay.
    void ResetTbl();

    // Current state, for owners that lay out around the grid.
    int GetColumnCount() const { return m_columnCount; }
    int GetColumnWidth(int column) const;
    int GetRowCount() const { return m_rowCount; }
    int GetDisplayedRowCount() const { return m_displayRows; }
    int GetHorzOffset() const { return m_hpos; }
    int GetVertOffset() const { return m_vpos; }
    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    // Geometry.
    int ColumnStart(int column) const; // w0 + … + w(column−1)
    int ColumnLeft(int column) const { return m_noWidth - m_hpos + ColumnStart(column); }
    int RowTop(int row) const { return m_headerHeight - m_vpos + m_rowHeight * row; }
    CRect CellArea() const;
    int BorderHit(int x) const;
    int SnapToColumn(int offset) const;

    // Drawing (TableDrawing.cpp).
    void Paint(CDC& dc);
    void PaintCaptions(CDC& dc, const CRect& client);
    void PaintRowNumbers(CDC& dc, const CRect& client);
    void PaintGrid(CDC& dc, const CRect& client);
    void PaintCells(CDC& dc);
    void Redraw();

    // Input (TableInput.cpp).
    void OnMouseMove(CPoint point);
    void OnLButtonDown(CPoint point);
    void OnLButtonUp(CPoint point);
    void OnHScroll(int request, int thumb);
    void OnVScroll(int request, int thumb);
    // Arrows and Page Up/Down scroll, and move the selection where rows are selectable.
    void OnKeyDown(WPARAM key);
    void ShowRow(int row);
    void OnSize();
    // Table, cells row by row, named by their text and described by their column.
    void Describe(AccessibleInfo& info) const;

    ControlStyleWord m_style;
    std::unique_ptr<CScrollBar> m_hBar;
    std::unique_ptr<CScrollBar> m_vBar;
    int m_totalWidth = 0;
    int m_vMax = 0;
    int m_hpos = 0;
    int m_vpos = 0;
    int m_headerHeight = 18;
    int m_noWidth = 32;
    int m_barSize = 20;
    int m_rowHeight = 16;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_markColor = RGB(0, 0, 255);
    COLORREF m_outlineColor = RGB(255, 255, 255);
    std::unique_ptr<CFont> m_smallFont;
    std::unique_ptr<CFont> m_cellFont;
    _CAPTIONDATA m_columns[kMaxColumns] = {};
    int m_columnCount = 0;
    int m_displayRows = 20;
    int m_rowCount = 0;
    HCURSOR m_arrow = 0;
    HCURSOR m_sizeWE = 0;
    bool m_resizing = false;
    int m_resizeColumn = -1;
    int m_dragX = 0;
    std::vector<_DATAOBJ> m_cells[kMaxColumns];
    int m_selected = -1;
    int m_selectable = 0;
};
