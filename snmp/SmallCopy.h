#pragma once
// Copies of a few bytes, as the codec makes them for every element: a call to memcpy costs more
// than the bytes. Overlapping fixed-size moves copy up to 48 bytes without a call or a loop.

#include <cstddef>
#include <cstring>

inline void SmallCopy(void* to, const void* from, std::size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    if (n > 48) {
        std::memcpy(d, s, n);
    } else if (n >= 16) {
        std::memcpy(d, s, 16);
        if (n > 32) {
            std::memcpy(d + 16, s + 16, 16);
        }
        std::memcpy(d + n - 16, s + n - 16, 16);
    } else if (n >= 8) {
        std::memcpy(d, s, 8);
        std::memcpy(d + n - 8, s + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(d, s, 4);
        std::memcpy(d + n - 4, s + n - 4, 4);
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            d[i] = s[i];
        }
    }
}
