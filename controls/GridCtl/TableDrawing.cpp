// Painting of the table control. Only rows and row numbers that can show inside the cell
// area are drawn, so a repaint costs the same however many rows the table holds.

#include "controls/GridCtl/CTableControl.h"

#include "controls/common/ControlFaces.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/WindowDC.h"

namespace {

void clipTo(CDC& dc, const CRect& r) {
    CRgn region;
    region.CreateRectRgnIndirect(r);
    dc.SelectClipRgn(&region);
}

} // namespace

void CTableControl::Redraw() {
    CClientDC dc(this);
    Paint(dc);
}

void CTableControl::Paint(CDC& dc) {
    CRect client;
    GetClientRect(&client);
    COLORREF band = GetSysColor(COLOR_ACTIVEBORDER);
    dc.SelectClipRgn(nullptr);
    dc.FillSolidRect(0, 0, client.right, 18, band);
    dc.FillSolidRect(0, 0, 32, client.bottom - client.top, band);

    CPen outline(PS_SOLID, 1, m_outlineColor);
    CPen* oldPen = dc.SelectObject(&outline);
    dc.MoveTo(client.left, client.bottom - 1);
    dc.LineTo(client.left, client.top);
    dc.LineTo(client.right - 1, client.top);
    dc.LineTo(client.right - 1, client.bottom - 1);
    dc.SelectObject(oldPen);

    int oldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF oldText = dc.SetTextColor(m_textColor);
    PaintCaptions(dc, client);
    PaintRowNumbers(dc, client);
    PaintGrid(dc, client);
    PaintCells(dc);

    clipTo(dc, CellArea());
    dc.MoveTo(32, client.bottom - 21);
    dc.LineTo(32, 18);
    dc.LineTo(client.right - 22, 18);
    dc.LineTo(client.right - 22, client.bottom - 21);
    dc.LineTo(32, client.bottom - 21);
    dc.SelectClipRgn(nullptr);
    dc.SetTextColor(oldText);
    dc.SetBkMode(oldMode);
    dc.SelectObject(static_cast<CFont*>(nullptr));
}

void CTableControl::PaintCaptions(CDC& dc, const CRect& client) {
    // Captions and row numbers stand on the band: its face's text colour.
    dc.SetTextColor(FaceTextColor(false));
    dc.SelectObject(m_smallFont.get());
    dc.TextOut(1, 1, "No.");
    dc.SelectObject(m_cellFont.get());
    for (int c = 0; c < m_columnCount; ++c) {
        int left = ColumnLeft(c);
        CRect visible(std::max(left, 32), 0, std::min(left + m_columns[c].width, client.right - 21),
                      18);
        if (visible.IsRectEmpty())
            continue;
        clipTo(dc, visible);
        dc.TextOut(left + 1, 1, m_columns[c].caption);
    }
    dc.SelectClipRgn(nullptr);
}

void CTableControl::PaintRowNumbers(CDC& dc, const CRect& client) {
    CRect numbers(0, 18, 32, client.bottom - 20);
    clipTo(dc, numbers);
    dc.SelectObject(m_smallFont.get());
    int textHeight = dc.GetTextExtent("0").cy;
    for (int n = 1; n <= m_displayRows + 50; ++n) {
        int y = 20 + 16 * (n - 1) - m_vpos;
        if (y + textHeight <= numbers.top)
            continue;
        if (y >= numbers.bottom)
            break;
        dc.TextOut(1, y, FormatText("%d", n));
    }
}

void CTableControl::PaintGrid(CDC& dc, const CRect& client) {
    CRect cells = CellArea();
    clipTo(dc, cells);
    dc.FillSolidRect(&cells, RGB(255, 255, 255));
    // The default pen: black, one pixel.
    for (int k = 1;; ++k) {
        int y = 18 - m_vpos + 16 * k;
        if (y >= client.bottom - 20)
            break;
        if (y < 18)
            continue;
        dc.MoveTo(client.left + 32, y);
        dc.LineTo(client.right - 20, y);
    }
    for (int c = 0; c + 1 < m_columnCount; ++c) {
        int x = client.left + ColumnLeft(c + 1);
        if (x >= client.right - 21)
            break;
        dc.MoveTo(x, 18);
        dc.LineTo(x, client.bottom - 20);
    }
}

void CTableControl::PaintCells(CDC& dc) {
    CRect cells = CellArea();
    if (m_rowCount == 0 || cells.IsRectEmpty())
        return;
    // Rows whose cell rectangle (y = top + 1 to top + 15) meets the cell area.
    int first = std::max(0, (m_vpos + cells.top - 18 - 15) / 16);
    int last = std::min(m_rowCount - 1, (m_vpos + cells.bottom - 18) / 16);
    COLORREF selectedFill = GetSysColor(COLOR_ACTIVEBORDER);
    dc.SelectObject(m_cellFont.get());
    for (int c = 0; c < m_columnCount; ++c) {
        int x = ColumnLeft(c) + 2;
        int width = m_columns[c].width;
        int right = c == m_columnCount - 1 ? x + width + 1000 : x + width - 3;
        if (right <= cells.left || x >= cells.right)
            continue;
        for (int r = first; r <= last; ++r) {
            int y = RowTop(r) + 1;
            CRect box;
            if (!box.IntersectRect(CRect(x, y, right, y + 14), cells))
                continue;
            clipTo(dc, box);
            bool selected = m_selectable && r == m_selected;
            dc.FillSolidRect(&box, selected ? selectedFill : RGB(255, 255, 255));
            const _DATAOBJ& cell = m_cells[c][size_t(r)];
            dc.SetTextColor(cell.attribute == 1 ? m_markColor
                            : selected          ? FaceTextColor(false)
                                                : m_textColor);
            dc.TextOut(x, y, cell.text);
        }
    }
    dc.SetTextColor(m_textColor);
}
