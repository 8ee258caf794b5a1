#pragma once
// A 300 × 200 grid with columns 60, 80 and 100 pixels wide on a test frame, so the cell
// area is (32, 18) – (279, 180) and the column borders lie at x = 92 and 172.

#include "controls/GridCtl/CTableControl.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

inline _DATAOBJ Cell(const std::string& text, int attribute = 0) {
    _DATAOBJ d{};
    std::strncpy(d.text, text.c_str(), sizeof d.text - 1);
    d.attribute = attribute;
    return d;
}

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CTableControl::Register(), 1);
        grid = new CTableControl;
        ASSERT_TRUE(grid->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &frame, 1000));
        Init(1);
    }
    void Init(int selectable, int columns = 3) {
        _CAPTIONDATA captions[3] = {{60, "Name"}, {80, "Value"}, {100, "Notes"}};
        grid->InitTable(columns, captions, selectable);
    }
    void AddRows(int count) {
        for (int r = 0; r < count; ++r) {
            _DATAOBJ first = Cell("r" + std::to_string(r));
            grid->AppendItemString(&first);
        }
    }
    COLORREF At(int x, int y) { return Pixel(grid, x, y); }
    void Repaint() { grid->RedrawWindow(); }
    CScrollBar* Bar(int id) { return dynamic_cast<CScrollBar*>(grid->GetDlgItem(id)); }
    // Sends a scroll request as the bar with that id would.
    void Scroll(int id, int request, int thumb = 0) {
        grid->SendMessage(id == 6 ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(request, thumb),
                          LPARAM(Bar(id)->m_hWnd));
    }
    // Dark pixels (text) in a rectangle of the surface.
    int CountColour(const CRect& r, COLORREF colour) {
        grid->UpdateWindow();
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == colour;
        return n;
    }

    TestFrame frame{400, 300};
    CTableControl* grid = nullptr;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBand = RGB(192, 192, 192);
constexpr COLORREF kBlue = RGB(0, 0, 255);
