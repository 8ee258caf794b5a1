#pragma once
// Hex text to bytes and back, for comparing with the published test vectors.

#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> FromHex(const std::string& text) {
    std::vector<std::uint8_t> bytes;
    std::string digits;
    for (const char c : text) {
        if (c != ' ') {
            digits += c;
        }
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

template <typename Bytes> std::string ToHex(const Bytes& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += digits[bytes.data()[i] >> 4];
        text += digits[bytes.data()[i] & 15];
    }
    return text;
}
