#include "dialogs/NmDlgLayoutRules.h"

#include "dialogs/NmDlgResources.h"

#include <algorithm>

ResizeStep DecideResize(CSize now, CSize minimum, CSize last) {
    ResizeStep step;
    if (now.cx < minimum.cx) {
        step.snapBack = true;
        step.snapSize = CSize(minimum.cx, now.cy);
    } else if (now.cy < minimum.cy) {
        step.snapBack = true;
        step.snapSize = CSize(now.cx, minimum.cy);
    } else {
        step.change = CSize(now.cx - last.cx, now.cy - last.cy);
    }
    return step;
}

std::vector<ControlMove> ListLayoutMoves(int W, int H, bool numberBox) {
    const int G = W / 2; // C++ division rounds toward zero
    std::vector<ControlMove> moves;
    if (numberBox) {
        moves.push_back({IDC_NMDLG_NUMBER, W, 0, 0, 0});
        moves.push_back({IDC_NMDLG_SPIN, W, 0, 0, 0});
    }
    for (unsigned i = 0; i < 5; ++i)
        moves.push_back({IDC_NMDLG_BUTTON1 + i, W, 0, 0, 0});
    moves.push_back({IDC_NMDLG_HEADER_GROUP, 0, 0, W, 0});
    moves.push_back({1013, G, 0, 0, 0});
    moves.push_back({1017, G, 0, 0, 0});
    moves.push_back({1014, G, 0, G, 0});
    moves.push_back({1018, G, 0, G, 0});
    moves.push_back({1012, 0, 0, G, 0});
    moves.push_back({1016, 0, 0, G, 0});
    moves.push_back({IDC_NMDLG_LIST_GROUP, 0, 0, W, H});
    moves.push_back({IDC_NMDLG_STATUS, 0, H, W, 0});
    moves.push_back({IDC_NMDLG_LIST, 0, 0, W, H});
    return moves;
}

EditorPlacement PlaceCellEditor(const CRect& cell, const CRect& client, int minWidth) {
    EditorPlacement out;
    if (cell.Width() < minWidth)
        return out;
    out.fits = true;
    CRect r = cell;
    if (r.left < client.left || r.left > client.right) {
        out.scrollX = r.left - client.left;
        r.OffsetRect(-out.scrollX, 0);
    }
    out.rect = CRect(r.left + 4, r.top, r.right - 3, r.bottom);
    out.rect.right = std::min(out.rect.right, client.right);
    out.rect.left = std::max(out.rect.left, client.left);
    return out;
}

CPoint CascadePosition(int n, CPoint origin, CSize size, const CRect& area) {
    constexpr int kStepX = 20, kStepY = 22;
    if (!area.IsRectEmpty()) {
        const int fitX = (area.right - origin.x - size.cx) / kStepX;
        const int fitY = (area.bottom - origin.y - size.cy) / kStepY;
        n %= std::max(0, std::min(fitX, fitY)) + 1;
    }
    return CPoint(origin.x + kStepX * n, origin.y + kStepY * n);
}
