#include "module/config/Utf8Text.h"

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where the character after the one starting at `at` starts: past the follower bytes of a lead
// byte, at most three of them.
std::size_t NextStart(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t followers = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    std::size_t next = at + 1;
    while (followers-- > 0 && next < text.size() && IsContinuation(text[next]))
        ++next;
    return next;
}

} // namespace

std::size_t CodePointCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at = NextStart(text, at))
        ++count;
    return count;
}

std::string FirstCodePoints(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (; end < text.size() && count > 0; --count)
        end = NextStart(text, end);
    return std::string(text.substr(0, end));
}

std::string LastCodePoints(std::string_view text, std::size_t count) {
    const std::size_t total = CodePointCount(text);
    std::size_t start = 0;
    for (std::size_t skip = total > count ? total - count : 0; skip > 0; --skip)
        start = NextStart(text, start);
    return std::string(text.substr(start));
}
