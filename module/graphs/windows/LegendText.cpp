#include "module/graphs/windows/LegendText.h"

#include <algorithm>

namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6"; // "…"

// Cuts fall between characters, never inside one of UTF-8's multi-byte sequences.
bool IsCharacterStart(const std::string& text, std::size_t at) {
    return at == 0 || at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
}

bool Matches(const std::string& name, const std::string& head, const std::string& tail) {
    return name.size() >= head.size() + tail.size() && name.compare(0, head.size(), head) == 0 &&
           name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

bool NamesOnlyOne(const std::vector<std::string>& names, std::size_t index, const std::string& head,
                  const std::string& tail) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (i != index && Matches(names[i], head, tail))
            return false;
    return true;
}

} // namespace

std::string LegendText(const std::vector<std::string>& names, std::size_t index, int width,
                       const std::function<int(const std::string&)>& measure) {
    if (index >= names.size())
        return std::string();
    const std::string& name = names[index];
    if (measure(name) <= width)
        return name;
    // The longest start that fits with the ellipsis; a kept end a few characters longer may
    // still fit where its characters are narrower.
    std::size_t fits = name.size() - 1;
    while (fits > 0 && measure(name.substr(0, fits) + kEllipsis) > width)
        --fits;
    std::string fallback;
    // Longer kept text first; for each length, the shortest kept end, ends that begin a word
    // ("…65-127 Bytes") before ends that cut one ("…7 Bytes").
    for (std::size_t kept = std::min(name.size() - 1, fits + 4) + 1; kept-- > 0;) {
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t tailSize = 0; tailSize <= kept; ++tailSize) {
                const std::size_t headSize = kept - tailSize;
                const std::size_t tailStart = name.size() - tailSize;
                const bool wordStart = tailSize == 0 || name[tailStart - 1] == ' ';
                if (wordStart != (pass == 0) || !IsCharacterStart(name, headSize) ||
                    !IsCharacterStart(name, tailStart))
                    continue;
                const std::string head = name.substr(0, headSize);
                const std::string tail = name.substr(tailStart);
                const std::string text = head + kEllipsis + tail;
                if (measure(text) > width)
                    continue;
                if (tailSize == 0 && fallback.empty())
                    fallback = text;
                if (NamesOnlyOne(names, index, head, tail))
                    return text;
            }
        }
    }
    return fallback.empty() ? std::string(kEllipsis) : fallback;
}
