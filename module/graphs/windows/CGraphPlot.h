#pragma once
// The plot area of a graph window, a child window over the plot rectangle: its background,
// the optional grid lines at the quarter heights, and what the window draws on it. A right
// click is handed to the owner (its picture and data can be saved from there).

#include "module/graphs/windows/PlotGeometry.h"
#include "platform/ui/CWnd.h"

#include <functional>

class CGraphPlot : public CWnd {
public:
    CGraphPlot();

    BOOL Create(const RECT& rect, CWnd* parent, UINT id);

    COLORREF GetBackground() const { return m_background; }
    // The grid lines take the inverse of the background.
    void SetBackground(COLORREF color);
    bool GetGrid() const { return m_grid != 0; }
    void SetGrid(bool on);
    void SetScale(const PlotScale& scale) { m_scale = scale; }
    const PlotScale& GetScale() const { return m_scale; }

    // Called with the screen point of a right-button release over the plot.
    std::function<void(POINT)> onRightClick;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    // Draws what lies over the background and grid.
    virtual void PaintContent(CDC& dc) = 0;
    const CPen& GridPen() const { return m_gridPen; }

    PlotScale m_scale;

private:
    COLORREF m_background = RGB(255, 255, 255);
    CPen m_gridPen;
    CBrush m_brush;
    int m_grid = 1;
};
