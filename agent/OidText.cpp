#include "agent/OidText.h"

#include <charconv>

Oid ParseOid(const std::string& text) {
    Oid oid;
    const char* p = text.data();
    const char* end = p + text.size();
    if (p != end && *p == '.') {
        ++p;
    }
    while (p != end) {
        std::uint32_t value = 0;
        const auto [next, ec] = std::from_chars(p, end, value);
        if (ec != std::errc() || (next != end && *next != '.')) {
            return {};
        }
        oid.push_back(value);
        p = next;
        if (p != end && ++p == end) {
            return {}; // a trailing "." names no number
        }
    }
    return oid;
}

std::string FormatOid(const Oid& oid) {
    std::string text;
    text.reserve(oid.size() * 4);
    char buffer[12];
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i > 0) {
            text += '.';
        }
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, oid[i]);
        text.append(buffer, result.ptr);
    }
    return text;
}

Oid Concat(const Oid& base, const Oid& tail) {
    Oid out;
    out.reserve(base.size() + tail.size());
    out.insert(out.end(), base.begin(), base.end());
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

bool StartsWith(const Oid& oid, const Oid& prefix) {
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}
