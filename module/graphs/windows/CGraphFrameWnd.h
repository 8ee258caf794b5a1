#pragma once
// What the line-curve and bar-graph windows share: the frame around the plot with its value
// axis, the zoom, colour and grid buttons down the right edge, the legend items along the
// bottom, the status box, and the plot's right-click menu for saving the picture.

#include "module/graphs/windows/CGraphPlot.h"
#include "module/graphs/windows/CLegendItem.h"
#include "module/graphs/windows/CSampleRecord.h"
#include "module/graphs/windows/GraphIds.h"
#include "module/graphs/windows/GraphLayout.h"
#include "platform/ui/CBitmapButton.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CWnd.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

class CGraphFrameWnd : public CWnd {
public:
    CGraphFrameWnd();
    ~CGraphFrameWnd() override;

    // Creates the window with the counters' names; the children are made on WM_CREATE.
    BOOL Create(const RECT& rect, CWnd* parent, UINT id, const std::vector<std::string>& names);

    // False when the sample's counter count is not the window's.
    virtual bool AddSample(const CSampleRecord& sample) = 0;
    // A negative argument keeps the current value.
    void SetScale(double timeSpan, double valueRange);
    // Shown in a box near the bottom; empty: no box.
    void SetStatusText(const std::string& text);
    // The most the port's line carries of counter i (0-based) per second; 0: not known.
    void SetLineRate(int i, std::uint64_t perSecond);
    // What a saved picture shows, written across its top with the time it was saved (the
    // port and the switch, say).
    void SetExportCaption(const std::string& caption) { m_exportCaption = caption; }
    // The picture as it is saved: the window under a strip with the caption and `savedAt`.
    QImage ExportImage(std::int64_t savedAt);

    double GetValueRange() const { return m_valueRange; }
    const std::string& GetStatusText() const { return m_status; }
    const GraphLayout& Layout() const { return m_layout; }
    CLegendItem* GetLegendItem(int i);
    virtual CGraphPlot& Plot() = 0;
    // The largest value the plot shows now, which "Fit to data" brings into the value range.
    virtual std::uint32_t HighestShownValue() = 0;
    // Narrows or widens the value range along the zoom ladder to just hold what is shown.
    void FitToData();

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    // The line curve has a probe button and a colour submenu in its legend items.
    virtual bool HasProbe() const = 0;
    virtual void SetTimeSpan(double) {}
    virtual void OnLayout() {}
    virtual void OnButton(UINT) {}
    virtual void OnLegendPicked(int item, UINT choice) = 0;
    // The value axis text of a rate.
    virtual std::string ValueLabel(double rate) const = 0;
    // Everything below the plot: the time axis or bar names, and the label strip.
    virtual void PaintBelowPlot(CDC& dc) = 0;
    // The plot's right-click menu beyond "Save As PNG...", and its commands.
    virtual void AddSaveCommands(CMenu&) {}
    virtual void OnSaveCommand(UINT) {}
    // A line rate changed (SetLineRate); the window's own rate statistics take it.
    virtual void OnLineRate(int, std::uint64_t) {}

    int LegendCount() const { return int(m_layout.legendItems.size()); }
    // The two rows of the label strip at the bottom of the window.
    int StripTop() const;
    CRect StripRect() const;
    void InvalidateStrip();
    // From the plot's bottom edge down: the time axis or bar names, and the label strip.
    void InvalidateBelowPlot();
    // Asks for a file name and writes `data` there; false when cancelled or not written.
    bool SaveFile(const char* title, const char* suggested, const char* filter,
                  const std::string& data);
    void SaveImage();

    CFont m_font; // 7 points
    CPen m_pen;   // the inverse of the active-border colour
    std::vector<std::string> m_names;
    int m_counterCount = 0;
    GraphLayout m_layout;
    double m_valueRange = 1000;
    double m_valuePerPixel = 1;
    COLORREF m_background = RGB(255, 255, 255);
    std::vector<std::uint64_t> m_lineRates; // by counter, as SetLineRate gave them

private:
    bool CreateChildren();
    void Relayout(int w, int h);
    void RecomputeScale();
    void OnCommand(UINT id);
    void OnPlotRightClick(POINT screen);
    void Paint(CDC& dc);
    void PaintValueAxis(CDC& dc);
    void PaintStatus(CDC& dc);

    std::string m_status;
    std::string m_exportCaption;
    CBitmapButton m_buttons[5];
    CLegendItem m_legend[kMaxLegendItems];
};
