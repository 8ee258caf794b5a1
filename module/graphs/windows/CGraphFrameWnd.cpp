#include "module/graphs/windows/CGraphFrameWnd.h"

#include "module/graphs/windows/ValueZoom.h"
#include "module/res/graphs/GraphBitmaps.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/Prompt.h"
#include "platform/ui/WindowDC.h"

#include <algorithm>

namespace {
struct ButtonFace {
    const char* caption;
    UINT up, down;
};
constexpr ButtonFace kButtonFaces[5] = {
    {"Virticla UP", IDB_WIDEN_UP, IDB_WIDEN_DOWN},
    {"Virticla Down", IDB_NARROW_UP, IDB_NARROW_DOWN},
    {"Color", IDB_COLOR_UP, IDB_COLOR_DOWN},
    {"Separate", IDB_GRID_UP, IDB_GRID_DOWN},
    {"Probe", IDB_PROBE_UP, IDB_PROBE_DOWN},
};
constexpr int kStripHeight = 30;
} // namespace

CGraphFrameWnd::CGraphFrameWnd() {
    m_font.CreateFont(-9, "Arial");
    COLORREF border = GetSysColor(COLOR_ACTIVEBORDER);
    m_pen.CreatePen(PS_SOLID, 1,
                    RGB(255 - GetRValue(border), 255 - GetGValue(border), 255 - GetBValue(border)));
}

CGraphFrameWnd::~CGraphFrameWnd() = default;

BOOL CGraphFrameWnd::Create(const RECT& rect, CWnd* parent, UINT id,
                            const std::vector<std::string>& names) {
    m_names = names;
    m_counterCount = int(names.size());
    return CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

bool CGraphFrameWnd::CreateChildren() {
    RegisterGraphBitmaps();
    CRect client;
    GetClientRect(&client);
    m_layout = ComputeGraphLayout(client.Width(), client.Height(), m_counterCount);
    if (!Plot().Create(m_layout.plot, this, IDC_GRAPH_PLOT))
        return false;
    Plot().onRightClick = [this](POINT p) { OnPlotRightClick(p); };
    int buttons = HasProbe() ? 5 : 4;
    for (int i = 0; i < buttons; ++i) {
        if (!m_buttons[i].Create(kButtonFaces[i].caption, WS_CHILD | WS_VISIBLE,
                                 m_layout.buttons[i], this, IDC_GRAPH_WIDEN + UINT(i)))
            return false;
        m_buttons[i].LoadBitmaps(kButtonFaces[i].up, kButtonFaces[i].down);
    }
    for (int i = 0; i < LegendCount(); ++i) {
        if (!m_legend[i].Create(m_layout.legendItems[size_t(i)], this, IDC_GRAPH_LEGEND + UINT(i),
                                m_names, HasProbe()))
            return false;
        m_legend[i].SetBkColor(kLegendColours[i]);
    }
    RecomputeScale();
    return true;
}

void CGraphFrameWnd::SetLineRate(int i, std::uint64_t perSecond) {
    if (i < 0 || i >= m_counterCount)
        return;
    m_lineRates.resize(size_t(m_counterCount));
    m_lineRates[size_t(i)] = perSecond;
    OnLineRate(i, perSecond);
}

void CGraphFrameWnd::Relayout(int w, int h) {
    m_layout = ComputeGraphLayout(w, h, m_counterCount);
    if (Plot().m_hWnd)
        Plot().MoveWindow(&m_layout.plot);
    for (CBitmapButton& b : m_buttons)
        if (b.m_hWnd)
            b.MoveWindow(&m_layout.buttons[&b - m_buttons]);
    for (int i = 0; i < LegendCount(); ++i)
        if (m_legend[i].m_hWnd)
            m_legend[i].MoveWindow(&m_layout.legendItems[size_t(i)]);
    RecomputeScale();
    OnLayout();
    Invalidate(TRUE);
}

void CGraphFrameWnd::RecomputeScale() {
    PlotScale scale = Plot().GetScale();
    scale.width = std::max(m_layout.plot.Width(), 1);
    scale.height = std::max(m_layout.plot.Height(), 1);
    m_valuePerPixel = m_valueRange / scale.height;
    scale.valuePerPixel = m_valuePerPixel;
    Plot().SetScale(scale);
}

CLegendItem* CGraphFrameWnd::GetLegendItem(int i) {
    return i >= 0 && i < LegendCount() && m_legend[i].m_hWnd ? &m_legend[i] : nullptr;
}

void CGraphFrameWnd::SetScale(double timeSpan, double valueRange) {
    if (timeSpan >= 0)
        SetTimeSpan(timeSpan);
    if (valueRange >= 0)
        m_valueRange = valueRange;
    RecomputeScale();
    CRect client;
    GetClientRect(&client);
    CRect above(0, 0, client.right, std::max(client.bottom - kStripHeight, 0));
    InvalidateRect(&above, TRUE);
    Plot().Invalidate(TRUE);
}

void CGraphFrameWnd::SetStatusText(const std::string& text) {
    if (text == m_status)
        return;
    m_status = text;
    InvalidateStrip();
}

int CGraphFrameWnd::StripTop() const {
    CRect client;
    GetClientRect(&client);
    return client.bottom - kStripHeight;
}

CRect CGraphFrameWnd::StripRect() const {
    CRect client;
    GetClientRect(&client);
    return CRect(1, client.bottom - kStripHeight, client.right - 1, client.bottom - 1);
}

void CGraphFrameWnd::InvalidateStrip() {
    CRect strip = StripRect();
    InvalidateRect(&strip, TRUE);
}

void CGraphFrameWnd::InvalidateBelowPlot() {
    CRect client;
    GetClientRect(&client);
    CRect below(1, std::min(m_layout.plot.bottom, client.bottom), client.right - 1,
                client.bottom - 1);
    InvalidateRect(&below, TRUE);
}

void CGraphFrameWnd::OnCommand(UINT id) {
    switch (id) {
    case IDC_GRAPH_WIDEN:
    case IDC_GRAPH_NARROW:
        SetScale(-1, ZoomValueRange(m_valueRange, id == IDC_GRAPH_WIDEN));
        break;
    case IDC_GRAPH_COLOR: {
        CColorDialog dialog(Plot().GetBackground(), 0, this);
        if (dialog.DoModal() == IDOK) {
            m_background = dialog.GetColor();
            Plot().SetBackground(m_background);
        }
        break;
    }
    case IDC_GRAPH_GRID:
        Plot().SetGrid(!Plot().GetGrid());
        break;
    default:
        OnButton(id);
    }
}

void CGraphFrameWnd::FitToData() {
    SetScale(-1, FitValueRange(m_valueRange, double(HighestShownValue())));
}

void CGraphFrameWnd::OnPlotRightClick(POINT screen) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_GRAPH_FIT, "Fit to data");
    menu.AppendMenu(MF_STRING, ID_GRAPH_SAVE_PNG, "Save As PNG...");
    AddSaveCommands(menu);
    UINT choice = menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, screen.x, screen.y, this);
    if (choice == ID_GRAPH_FIT)
        FitToData();
    else if (choice == ID_GRAPH_SAVE_PNG)
        SaveImage();
    else if (choice)
        OnSaveCommand(choice);
}

LRESULT CGraphFrameWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return CreateChildren() ? 0 : -1;
    case WM_SIZE:
        Relayout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers the whole window
    case WM_PAINT: {
        CPaintDC dc(this);
        Paint(dc);
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnCommand(LOWORD(wParam));
        return 0;
    case LEGEND_PICKED: {
        int item = int(wParam) - int(IDC_GRAPH_LEGEND);
        if (item >= 0 && item < LegendCount() && lParam != 0)
            OnLegendPicked(item, UINT(lParam));
        return 0;
    }
    default:
        return CWnd::WindowProc(msg, wParam, lParam);
    }
}
