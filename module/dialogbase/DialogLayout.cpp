#include "module/dialogbase/DialogLayout.h"

namespace {

// Room kept right of the banner, grid and log for the button column.
constexpr int kRightMargin = 106;
constexpr int kBannerHeight = 45;
constexpr int kLogFromBottom = 75;
constexpr int kGridHeightMargin = 131;
constexpr int kButtonsFromRight = 86;
constexpr int kCountersFromRight = 96;

CRect Sized(int left, int top, int width, int height) {
    return CRect(left, top, left + width, top + height);
}

} // namespace

DialogLayout LayOutTableDialog(const CRect& window, const CRect& banner, const CRect& grid,
                               const CRect& log) {
    const int W = window.right;
    const int H = window.bottom;
    const int width = W - window.left - kRightMargin;
    DialogLayout layout;
    layout.banner = Sized(banner.left, banner.top, width, kBannerHeight);
    layout.log = Sized(log.left, H - kLogFromBottom, width, log.Height());
    layout.grid = Sized(grid.left, grid.top, width, H - kGridHeightMargin);
    layout.buttonLeft = W - kButtonsFromRight;
    layout.counterLeft = W - kCountersFromRight;
    return layout;
}

bool CMinimumSize::Take(const CRect& window) {
    if (!m_first)
        return true;
    m_first = false;
    m_minWidth = window.right - window.left;
    m_minHeight = window.bottom - window.top;
    return false;
}

CSize CMinimumSize::Enlarged(const CRect& window) const {
    return CSize(std::max(window.Width(), m_minWidth), std::max(window.Height(), m_minHeight));
}

bool CMinimumSize::NeedsEnlarging(const CRect& window) const {
    return window.Width() < m_minWidth || window.Height() < m_minHeight;
}

DialogFrameRects FrameRectsOf(const CRect& r) {
    return {CRect(1, 1, r.right - 4, r.bottom - 4), CRect(2, 2, r.right - 5, r.bottom - 5),
            CRect(3, 3, r.right - 6, r.bottom - 6)};
}
