#include "snmp/SnmpValueText.h"

#include <limits>

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::uint8_t HexGroupValue(const std::string& group) {
    unsigned value = 0;
    for (char c : group) {
        const int digit = HexDigitValue(c);
        value = value * 16 + static_cast<unsigned>(digit < 0 ? 0 : digit);
    }
    return static_cast<std::uint8_t>(value);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::int64_t SnmpDecimalText(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::uint64_t kLimit = std::uint64_t{std::numeric_limits<std::int64_t>::max()} + 1;
    std::uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (magnitude >= kLimit) {
            return negative ? std::numeric_limits<std::int64_t>::min()
                            : std::numeric_limits<std::int64_t>::max();
        }
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

std::string SnmpHexTextToBytes(const std::string& text) {
    std::string bytes((text.size() + 1) / 2, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(HexGroupValue(text.substr(2 * i, 2)));
    }
    return bytes;
}

std::array<std::uint8_t, 4> SnmpIpTextToBytes(const std::string& text) {
    std::array<std::uint8_t, 4> bytes{};
    std::size_t stored = 0;
    std::string part;
    for (char c : text) {
        if (c == '.') {
            bytes[stored++] = static_cast<std::uint8_t>(SnmpDecimalText(part) & 0xFF);
            part.clear();
            if (stored == bytes.size()) {
                return bytes; // a fifth part is never read
            }
            continue;
        }
        part += c;
        if (part.size() == 4) {
            return bytes; // no part of an address has four characters
        }
    }
    if (stored < bytes.size()) {
        bytes[stored] = static_cast<std::uint8_t>(SnmpDecimalText(part) & 0xFF);
    }
    return bytes;
}

bool SnmpMacTextToBytes(const std::string& text, std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kMacBytes = 6;
    std::vector<std::uint8_t> result;
    std::string group;
    bool afterSeparator = false;
    for (char c : text) {
        if (afterSeparator && HexDigitValue(c) < 0) {
            continue;
        }
        afterSeparator = false;
        if (c == ' ' || c == ':') {
            if (result.size() == kMacBytes) {
                return false;
            }
            result.push_back(HexGroupValue(group));
            group.clear();
            afterSeparator = true;
            continue;
        }
        group += c;
        if (group.size() > 2) {
            return false;
        }
    }
    if (result.size() == kMacBytes) {
        return false;
    }
    result.push_back(HexGroupValue(group));
    bytes = std::move(result);
    return true;
}
