#include "platform/ui/TextFit.h"

std::string FitWithEllipsis(const std::string& text, int width, const TextWidth& measure) {
    if (measure(text) <= width)
        return text;
    const std::string dots = "...";
    // Widths grow with length, so the longest fitting start is found by halving.
    std::size_t lo = 0, hi = text.size();
    while (lo < hi) {
        std::size_t mid = (lo + hi + 1) / 2;
        if (measure(text.substr(0, mid) + dots) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo > 0 || measure(dots) <= width)
        return text.substr(0, lo) + dots;
    std::string cut = dots;
    while (!cut.empty() && measure(cut) > width)
        cut.pop_back();
    return cut;
}

MnemonicText StripMnemonic(const std::string& caption) {
    MnemonicText out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && out.underlined < 0)
                out.underlined = int(out.shown.size());
        }
        out.shown += caption[i];
    }
    return out;
}
