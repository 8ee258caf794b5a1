#include "platform/ui/DrawText.h"

#include "platform/ui/TextFit.h"

void DrawText(CDC& dc, const std::string& text, const CRect& rect, UINT format) {
    MnemonicText shown = (format & DT_NOPREFIX) ? MnemonicText{text, -1} : StripMnemonic(text);
    auto width = [&dc](const std::string& s) { return int(dc.GetTextExtent(s).cx); };
    std::string line = shown.shown;
    if (format & DT_END_ELLIPSIS)
        line = FitWithEllipsis(line, rect.Width(), width);
    CSize extent = dc.GetTextExtent(line);
    int x = rect.left;
    if (format & DT_CENTER)
        x = rect.left + (rect.Width() - int(extent.cx)) / 2;
    else if (format & DT_RIGHT)
        x = rect.right - int(extent.cx);
    int y = (format & DT_VCENTER) ? rect.top + (rect.Height() - int(extent.cy)) / 2 : rect.top;

    dc.IntersectClipRect(&rect);
    int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.TextOut(x, y, line);
    DrawMnemonicMark(dc, x, y, line, shown.underlined);
    dc.SetBkMode(oldMode);
    dc.SelectClipRgn(nullptr);
}

void DrawMnemonicMark(CDC& dc, int x, int y, const std::string& text, int index) {
    if (index < 0 || std::size_t(index) >= text.size())
        return;
    int from = x + int(dc.GetTextExtent(text.substr(0, std::size_t(index))).cx);
    int to = x + int(dc.GetTextExtent(text.substr(0, std::size_t(index) + 1)).cx);
    int under = y + int(dc.GetTextExtent(text).cy) - 2;
    COLORREF color = dc.SetTextColor(0);
    dc.SetTextColor(color);
    dc.FillSolidRect(from, under, to - from, 1, color);
}
