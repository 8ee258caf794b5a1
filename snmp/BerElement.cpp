#include "snmp/BerElement.h"

void ThrowCodecError(std::uint16_t code) {
    throw CSnmpException(code);
}

namespace {
// Appends `v` base 128, most significant group first, every octet but the last with bit 0x80.
inline void PutSubIdentifier(std::uint8_t* content, int& n, std::uint32_t v) {
    if (v < 0x80) {
        content[n++] = static_cast<std::uint8_t>(v);
        return;
    }
    std::uint8_t groups[5];
    int g = 0;
    do {
        groups[g++] = static_cast<std::uint8_t>(v & 0x7F);
        v >>= 7;
    } while (v != 0);
    while (g > 1) {
        content[n++] = static_cast<std::uint8_t>(groups[--g] | 0x80);
    }
    content[n++] = groups[0];
}
} // namespace

namespace {
// One part of dotted text from `p`, as atoi reads it: its leading digits (none: 0), anything
// after them up to the next dot ignored. `p` stops at the dot or the end.
inline std::uint32_t TakeTextNumber(const char*& p, const char* end) {
    std::uint32_t value = 0;
    while (p != end && static_cast<unsigned>(*p - '0') < 10) {
        value = value * 10 + static_cast<std::uint32_t>(*p++ - '0');
    }
    while (p != end && *p != '.') {
        ++p;
    }
    return value;
}
} // namespace

int BerOidContent(std::uint8_t* out, std::string_view text) {
    // The first two numbers make one sub-identifier; a text of one number has no content. A
    // 65th part raises code 13.
    const char* p = text.data();
    const char* const end = p + text.size();
    const std::uint32_t first = TakeTextNumber(p, end);
    if (p == end) {
        return 0;
    }
    ++p;
    int n = 0;
    PutSubIdentifier(out, n, first * 40 + TakeTextNumber(p, end));
    for (int count = 2; p != end; ++count) {
        if (count == kMaxOidNumbers) {
            ThrowCodecError(SNMP_ERR_OID_TOO_LONG);
        }
        ++p; // the dot
        PutSubIdentifier(out, n, TakeTextNumber(p, end));
    }
    return n;
}
