#include "module/graphs/windows/LegendText.h"

#include <algorithm>

namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6"; // "…"

struct ShortWord {
    const char* word;
    const char* shortWord; // empty: left out
};
constexpr ShortWord kShortWords[] = {
    {"Received", "Rx"},     {"Transmitted", "Tx"}, {"Frames", "Frm"},
    {"Frame", "Frm"},       {"Bytes", "B"},        {"Broadcast", "Bcast"},
    {"Multicast", "Mcast"}, {"lengths", "len"},    {"between", ""},
};

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

// The "start…end" of names[index] that fits and that names it alone, else the plain cut.
std::string CutToFit(const std::vector<std::string>& names, std::size_t index, int width,
                     const std::function<int(const std::string&)>& measure) {
    const std::string& name = names[index];
    if (name.empty())
        return std::string(kEllipsis);
    // The longest start that fits with the ellipsis; a kept end a few characters longer may
    // still fit where its characters are narrower.
    std::size_t fits = name.size() - 1;
    while (fits > 0 && measure(name.substr(0, fits) + kEllipsis) > width)
        --fits;
    std::string fallback;
    // Ends that begin a word ("…65-127 B") before ends that cut one ("…7 B"); then longer kept
    // text first, and for each length the shortest kept end.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t kept = std::min(name.size() - 1, fits + 4) + 1; kept-- > 0;) {
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

} // namespace

std::string ShortCounterName(const std::string& name) {
    std::string out;
    std::size_t at = 0;
    while (at < name.size()) {
        const std::size_t end = std::min(name.find(' ', at), name.size());
        std::string word = name.substr(at, end - at);
        for (const ShortWord& w : kShortWords)
            if (word == w.word)
                word = w.shortWord;
        if (!word.empty())
            out += (out.empty() ? "" : " ") + word;
        at = end + 1;
    }
    return out;
}

std::string LegendText(const std::vector<std::string>& names, std::size_t index, int width,
                       const std::function<int(const std::string&)>& measure) {
    if (index >= names.size())
        return std::string();
    if (measure(names[index]) <= width)
        return names[index];
    std::vector<std::string> shortNames;
    for (const std::string& n : names)
        shortNames.push_back(ShortCounterName(n));
    const std::string& shortName = shortNames[index];
    if (measure(shortName) <= width &&
        std::count(shortNames.begin(), shortNames.end(), shortName) == 1)
        return shortName;
    return CutToFit(shortNames, index, width, measure);
}
