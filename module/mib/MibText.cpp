#include "module/mib/MibText.h"

#include <algorithm>

std::string SuffixFirstComponent(const std::string& suffix, std::string& rest) {
    const std::size_t start = !suffix.empty() && suffix[0] == '.' ? 1 : 0;
    const std::size_t dot = suffix.find('.', start);
    std::string component;
    if (dot == std::string::npos) {
        component = suffix.substr(start);
        rest.clear();
    } else {
        component = suffix.substr(start, dot - start);
        rest = suffix.substr(dot);
    }
    return component;
}

int SuffixComponentCount(const std::string& suffix) {
    const auto dots = std::count(suffix.begin(), suffix.end(), '.');
    const bool leadingDot = !suffix.empty() && suffix[0] == '.';
    return static_cast<int>(dots) + (leadingDot ? 0 : 1);
}

std::int32_t DecimalValue(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
    }
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

std::uint32_t HexTextValue(const std::string& text) {
    std::uint32_t value = 0;
    for (char c : text) {
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<std::uint32_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        }
        value = value * 16 + digit;
    }
    return value;
}
