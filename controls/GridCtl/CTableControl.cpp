#include "controls/GridCtl/CTableControl.h"

#include "platform/ui/Cursor.h"
#include "platform/ui/WindowDC.h"

#include <cstring>

namespace {
int g_registered = 0;

// Copies at most N − 1 characters and never reads past them, so a source filled to its last
// byte without a terminating NUL is cut instead of overrun.
template <size_t N> void copyText(char (&dest)[N], const char* src) {
    size_t length = strnlen(src, N - 1);
    std::memcpy(dest, src, length);
    dest[length] = '\0';
}

_DATAOBJ copyRecord(const _DATAOBJ& src) {
    _DATAOBJ out{};
    copyText(out.text, src.text);
    out.attribute = src.attribute;
    return out;
}
} // namespace

CTableControl::CTableControl() = default;

CTableControl::~CTableControl() = default;

int CTableControl::Register() {
    g_registered = ControlClass::Register("GridCtlClass", &ControlClass::ClassProc<CTableControl>);
    return g_registered;
}

int CTableControl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("GridCtlClass", nullptr, m_style.Take(style), rect, parent, id);
}

int CTableControl::SubclassTable(CWnd* parent, UINT id) {
    HWND child = parent ? ::GetDlgItem(parent->m_hWnd, int(id)) : 0;
    return child ? SubclassWindow(child) : 0;
}

void CTableControl::InitTable(int columns, _CAPTIONDATA* captions, int selectable) {
    m_selectable = selectable;
    m_headerHeight = 18, m_noWidth = 32, m_barSize = 20, m_rowHeight = 16;
    m_displayRows = 20, m_rowCount = 0, m_selected = 0;
    m_arrow = LoadCursor(0, IDC_ARROW);
    m_sizeWE = LoadCursor(0, IDC_SIZEWE);
    m_resizing = false;

    m_columnCount = std::clamp(columns, 0, kMaxColumns);
    m_totalWidth = 0;
    for (int i = 0; i < m_columnCount; ++i) {
        m_columns[i].width = captions[i].width;
        copyText(m_columns[i].caption, captions[i].caption);
        m_cells[i].clear();
        m_totalWidth += m_columns[i].width;
    }

    CRect r;
    GetClientRect(&r);
    // A second InitTable replaces the bars instead of stacking new ones on the old.
    m_hBar = std::make_unique<CScrollBar>();
    m_hBar->Create(WS_CHILD | WS_VISIBLE | SBS_HORZ,
                   CRect(r.left + 32, r.bottom - 20, r.right - 21, r.bottom), this, 6);
    m_hBar->SetScrollRange(0, m_totalWidth);
    m_hBar->SetScrollPos(0);
    m_hpos = 0;
    m_vBar = std::make_unique<CScrollBar>();
    m_vBar->Create(WS_CHILD | WS_VISIBLE | SBS_VERT,
                   CRect(r.right - 21, r.top + 18, r.right - 1, r.bottom), this, 7);
    m_vMax = m_rowHeight * m_displayRows;
    m_vBar->SetScrollRange(0, m_vMax);
    m_vBar->SetScrollPos(0);
    m_vpos = 0;

    m_textColor = RGB(0, 0, 0), m_markColor = RGB(0, 0, 255), m_outlineColor = RGB(255, 255, 255);
    m_smallFont = std::make_unique<CFont>();
    m_smallFont->CreateFont(-9, "Terminal");
    m_cellFont = std::make_unique<CFont>();
    m_cellFont->CreateFont(-11, "Arial");
}

void CTableControl::AppendItemString(_DATAOBJ* record) {
    for (int c = 0; c < m_columnCount; ++c)
        m_cells[c].resize(size_t(m_rowCount) + 1, _DATAOBJ{});
    if (m_columnCount > 0 && record)
        m_cells[0][size_t(m_rowCount)] = copyRecord(*record);
    ++m_rowCount;
    m_displayRows = std::max(m_displayRows, m_rowCount);
}

bool CTableControl::SetItemString(int row, int column, _DATAOBJ* record) {
    if (!record || row < 0 || row >= m_rowCount || column < 0 || column >= m_columnCount)
        return false;
    m_cells[column][size_t(row)] = copyRecord(*record);
    return true;
}

bool CTableControl::GetItem(int column, int row, _DATAOBJ& record) {
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columnCount)
        return false;
    record = m_cells[column][size_t(row)];
    return true;
}

int CTableControl::GetIndex() {
    return m_selected;
}

void CTableControl::ResetTbl() {
    for (auto& column : m_cells)
        std::vector<_DATAOBJ>().swap(column);
    m_rowCount = 0;
    m_displayRows = 20;
    m_selected = -1;
}

void CTableControl::Describe(AccessibleInfo& info) const {
    info.self.role = AccRole::Table;
    info.self.focusable = true;
    info.rows = m_rowCount;
    info.columns = m_columnCount;
    for (int c = 0; c < m_columnCount; ++c) {
        info.columnHeaders.push_back(m_columns[c].caption);
        info.self.name += std::string(c ? ", " : "") + m_columns[c].caption;
    }
    for (int r = 0; r < m_rowCount; ++r)
        for (int c = 0; c < m_columnCount; ++c) {
            AccItem cell;
            cell.role = AccRole::Cell;
            cell.name = m_cells[c][size_t(r)].text;
            cell.description = m_columns[c].caption;
            int left = ColumnLeft(c), top = RowTop(r);
            cell.rect = CRect(left, top, left + m_columns[c].width, top + m_rowHeight);
            cell.selectable = m_selectable != 0;
            cell.selected = m_selectable && r == m_selected;
            info.items.push_back(cell);
        }
}

int CTableControl::GetColumnWidth(int column) const {
    return column >= 0 && column < m_columnCount ? m_columns[column].width : 0;
}

int CTableControl::ColumnStart(int column) const {
    int x = 0;
    for (int c = 0; c < column && c < m_columnCount; ++c)
        x += m_columns[c].width;
    return x;
}

CRect CTableControl::CellArea() const {
    CRect r;
    GetClientRect(&r);
    return CRect(32, 18, r.right - 21, r.bottom - 20);
}

int CTableControl::BorderHit(int x) const {
    // The borders of columns dragged to no width lie on one line: right of it the last of them
    // is caught, so a hidden column can be dragged open again; on or left of it, the first.
    int first = -1, last = -1;
    for (int c = 0; c + 1 < m_columnCount; ++c)
        if (std::abs(x - ColumnLeft(c + 1)) <= 1) {
            if (first < 0)
                first = c;
            last = c;
        }
    return first >= 0 && x > ColumnLeft(first + 1) ? last : first;
}

int CTableControl::SnapToColumn(int offset) const {
    int edge = 0;
    for (int c = 1; c < m_columnCount; ++c) {
        int start = ColumnStart(c);
        if (start > offset)
            break;
        edge = start;
    }
    return edge;
}

LRESULT CTableControl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        CPaintDC dc(this);
        Paint(dc);
        return 0;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(CPoint(lParam));
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(CPoint(lParam));
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(CPoint(lParam));
        break;
    case WM_HSCROLL:
        if (m_hBar && HWND(lParam) == m_hBar->m_hWnd)
            OnHScroll(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_VSCROLL:
        if (m_vBar && HWND(lParam) == m_vBar->m_hWnd)
            OnVScroll(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_CREATE:
        // A grid takes the focus in its dialog's tab order, wherever its template placed it.
        ModifyStyle(0, WS_TABSTOP);
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_GETOBJECT:
        Describe(*reinterpret_cast<AccessibleInfo*>(lParam));
        return TRUE;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    default:
        break;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
