#pragma once
// The bar graph's plot: for each legend group that shows a counter, three bars side by side,
// the current rate, the average rate and the peak rate, each kind in its own colour.

#include "module/graphs/windows/CGraphPlot.h"
#include "module/graphs/windows/GraphIds.h"

#include <array>
#include <cstdint>
#include <optional>

class CBarPlot : public CGraphPlot {
public:
    // The three kinds' colours: current rate, average rate, peak rate.
    static constexpr COLORREF kBarColours[3] = {RGB(0, 0, 255), RGB(0, 128, 0), RGB(255, 0, 0)};

    CBarPlot();
    // Group g shows these values (rate, average, peak), or nothing.
    void SetGroup(int g, std::optional<std::array<std::uint32_t, 3>> values);
    const std::optional<std::array<std::uint32_t, 3>>& Group(int g) const { return m_groups[g]; }

protected:
    void PaintContent(CDC& dc) override;

private:
    std::optional<std::array<std::uint32_t, 3>> m_groups[kMaxLegendItems];
    CBrush m_brushes[3];
};
