#include "module/graphs/GraphDlgLayout.h"

#include <algorithm>

namespace {

constexpr int kColumnOffset = 105; // from the client's right edge
constexpr int kColumnWidth = 98;

CRect ColumnRow(int left, int top, int height) {
    return CRect(left, top, left + kColumnWidth, top + height);
}

} // namespace

GraphDlgLayout LayOutGraphDialog(int cx, int cy) {
    GraphDlgLayout l;
    l.banner = CRect(5, 5, 5 + (cx - 115), 5 + 49);
    l.graph = CRect(5, 55, 5 + (cx - 115), 55 + (cy - 60));
    const int x = cx - kColumnOffset;
    l.rate = ColumnRow(x, 5, 20);
    l.span = ColumnRow(x, 30, 20);
    l.picker = ColumnRow(x, 70, 20);
    l.average = ColumnRow(x, 93, 15);
    l.peak = ColumnRow(x, 109, 15);
    l.peakAt = ColumnRow(x, 125, 15);
    l.pause = ColumnRow(x, 160, 25);
    l.start = ColumnRow(x, 195, 25);
    l.close = ColumnRow(x, 230, 25);
    return l;
}

CSize GraphDlgEnlarged(CSize size) {
    return CSize(std::max<int>(size.cx, kGraphDlgMinWidth),
                 std::max<int>(size.cy, kGraphDlgMinHeight));
}
