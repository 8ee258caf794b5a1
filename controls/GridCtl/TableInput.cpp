// Mouse and scrolling of the table control: dragging column borders, selecting rows, and the
// two scroll bars (horizontal snapped to column edges, vertical to rows).

#include "controls/GridCtl/CTableControl.h"
#include "controls/common/ScrollRequest.h"

#include <algorithm>

#include "platform/ui/Cursor.h"
#include "platform/ui/WindowDC.h"

void CTableControl::OnMouseMove(CPoint point) {
    if (!m_resizing) {
        SetCursor(BorderHit(point.x) >= 0 ? m_sizeWE : m_arrow);
        return;
    }
    SetCursor(m_sizeWE);
    CRect client;
    GetClientRect(&client);
    CClientDC dc(this);
    dc.SetROP2(R2_NOT);
    dc.MoveTo(m_dragX, 18);
    dc.LineTo(m_dragX, client.bottom - 20);
    dc.MoveTo(point.x, 18);
    dc.LineTo(point.x, client.bottom - 20);
    m_dragX = point.x;
}

void CTableControl::OnLButtonDown(CPoint point) {
    int border = BorderHit(point.x);
    if (border >= 0) {
        SetCursor(m_sizeWE);
        m_resizing = true;
        m_resizeColumn = border;
        m_dragX = ColumnLeft(border + 1);
        return;
    }
    SetCursor(m_arrow);
    if (!m_selectable)
        return;
    m_selected = -1;
    for (int r = 0; r < m_rowCount; ++r) {
        int top = RowTop(r);
        if (top <= point.y && point.y <= top + 16) {
            m_selected = r;
            break;
        }
    }
    Redraw();
}

void CTableControl::OnLButtonUp(CPoint point) {
    if (m_resizing) {
        SetCursor(m_arrow);
        int c = m_resizeColumn;
        int width = m_columns[c].width + (point.x + m_hpos - 32 - ColumnStart(c + 1));
        // Released left of the column's own left edge: the column shrinks to nothing, never
        // to a negative width that would fold the later columns back over it.
        m_columns[c].width = std::max(0, width);
        Redraw();
    }
    m_resizing = false;
}

void CTableControl::OnHScroll(int request, int thumb) {
    if (m_columnCount == 0)
        return;
    int p = m_hBar->GetScrollPos();
    int c = m_columnCount - 1;
    for (int i = 0; i + 1 < m_columnCount; ++i)
        if (ColumnStart(i + 1) > p) {
            c = i;
            break;
        }
    int prev = c > 0 ? ColumnStart(c - 1) : 0;
    int here = ColumnStart(c);
    int next = c < m_columnCount - 1 ? ColumnStart(c + 1) : here;

    int offset = m_hpos;
    switch (request) {
    case SB_LINELEFT:
    case SB_PAGELEFT:
        offset = prev <= 0 ? 0 : prev;
        break;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
        offset = std::min(next, m_totalWidth);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        offset = thumb;
        break;
    case SB_LEFT:
        offset = 0;
        break;
    case SB_RIGHT:
        offset = m_totalWidth;
        break;
    default:
        break;
    }
    m_hBar->SetScrollPos(offset);
    offset = SnapToColumn(offset);
    if (offset == m_hpos)
        return;
    m_hpos = offset;
    Redraw();
}

void CTableControl::OnVScroll(int request, int thumb) {
    int p = m_vBar->GetScrollPos();
    p -= p % 16;
    // Line and page steps start from the bar's position snapped to a row.
    int offset = ScrollTarget(request, p, 16, 80, m_vMax, thumb).value_or(m_vpos);
    m_vBar->SetScrollPos(offset);
    offset -= offset % 16;
    if (offset == m_vpos)
        return;
    m_vpos = offset;
    Redraw();
}

void CTableControl::ShowRow(int row) {
    CRect cells = CellArea();
    int top = row * m_rowHeight, visible = std::max(m_rowHeight, cells.Height());
    if (top < m_vpos)
        OnVScroll(SB_THUMBPOSITION, top);
    else if (top + m_rowHeight > m_vpos + visible)
        OnVScroll(SB_THUMBPOSITION,
                  std::min(m_vMax, top + m_rowHeight - visible + m_rowHeight - 1));
}

void CTableControl::OnKeyDown(WPARAM key) {
    if (!m_vBar || !m_hBar)
        return;
    if (key == VK_LEFT || key == VK_RIGHT) {
        OnHScroll(key == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT, 0);
        return;
    }
    const int page = std::max(1, CellArea().Height() / m_rowHeight);
    int step = 0;
    switch (key) {
    case VK_UP:
        step = -1;
        break;
    case VK_DOWN:
        step = 1;
        break;
    case VK_PRIOR:
        step = -page;
        break;
    case VK_NEXT:
        step = page;
        break;
    case VK_HOME:
    case VK_END:
        // To the first or last row: a step longer than the table stops at its end.
        step = (key == VK_HOME ? -1 : 1) * std::max({m_rowCount, m_displayRows, 1});
        if (!m_selectable || m_rowCount == 0) {
            OnVScroll(key == VK_HOME ? SB_TOP : SB_BOTTOM, 0);
            return;
        }
        break;
    default:
        return;
    }
    if (!m_selectable || m_rowCount == 0) {
        OnVScroll(step < 0 ? (step == -1 ? SB_LINEUP : SB_PAGEUP)
                           : (step == 1 ? SB_LINEDOWN : SB_PAGEDOWN),
                  0);
        return;
    }
    int from = m_selected < 0 ? (step < 0 ? m_rowCount : -1) : m_selected;
    m_selected = std::clamp(from + step, 0, m_rowCount - 1);
    ShowRow(m_selected);
    Redraw();
}

void CTableControl::OnSize() {
    CRect r;
    GetClientRect(&r);
    // Before InitTable there are no bars to place.
    if (m_hBar && m_vBar) {
        m_hBar->MoveWindow(r.left + 32, r.bottom - 20, r.right - r.left - 53, 20);
        m_vBar->MoveWindow(r.right - 21, r.top + 18, 20, r.bottom - r.top - 18);
    }
    Invalidate(TRUE);
}
