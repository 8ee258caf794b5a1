#pragma once
// The pieces of a BER element (tag and length octets, the content of numbers and object
// identifiers), written to an area the caller has made room in: the message encoder knows every
// size before it writes, and BerBuffer's Put operations are made of the same pieces.

#include <cstdint>
#include <string_view>

#include "snmp/CSnmpException.h"
#include "snmp/SnmpValueType.h"

// Raises the codec failure `code`. Out of line and cold, so the readers that run for every
// received element stay small enough to inline.
[[noreturn, gnu::cold]] void ThrowCodecError(std::uint16_t code);
// The numbers an object identifier may hold.
constexpr int kMaxOidNumbers = 64;

constexpr int kBerMaxHeaderSize = 4; // tag and up to three length octets
constexpr int kBerMaxNumberSize = 9; // a 64-bit unsigned number and its leading zero
constexpr int kBerMaxOidContent = kMaxOidNumbers * 5;
inline int BerHeaderSize(int length) {
    return length < 0x80 ? 2 : (length <= 0xFF ? 3 : 4);
}
// The tag and length octets (one to three) of an element; returns their count.
inline int BerWriteHeader(std::uint8_t* out, std::uint8_t tag, int length) {
    out[0] = tag;
    if (length < 0x80) {
        out[1] = static_cast<std::uint8_t>(length);
        return 2;
    }
    if (length <= 0xFF) {
        out[1] = 0x81;
        out[2] = static_cast<std::uint8_t>(length);
        return 3;
    }
    out[1] = 0x82;
    out[2] = static_cast<std::uint8_t>(length >> 8);
    out[3] = static_cast<std::uint8_t>(length);
    return 4;
}

// Fewest octets of an unsigned number, with a leading zero octet when its top bit is set.
inline int BerUnsignedContent(std::uint8_t* out, std::uint64_t value) {
    int n = 1;
    while (n < 8 && (value >> (8 * n)) != 0) {
        ++n;
    }
    int k = 0;
    if ((value >> (8 * n - 1)) & 1) {
        out[k++] = 0; // keeps a number with its top bit set positive
    }
    for (int i = n - 1; i >= 0; --i) {
        out[k++] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return k;
}

// The content octets of a number as `tag` carries it: fewest two's-complement octets for
// INTEGER, fewest octets of the unsigned number for Counter, Gauge and TimeTicks. Returns the
// count. Inline: every message writes at least four of them.
inline int BerIntegerContent(std::uint8_t* out, std::uint8_t tag, std::uint32_t value) {
    // INTEGER, the tag of every header field, needs no look-up.
    if (tag != SNMP_TYPE_INTEGER && SnmpIsUnsignedNumber(tag)) {
        // Counter, Gauge and TimeTicks are never negative: 2^31 and above take a leading zero
        // octet rather than going out as a negative INTEGER that strict agents refuse.
        return BerUnsignedContent(out, value);
    }
    // Fewest two's-complement octets: drop a top octet while the top 9 bits are all equal.
    int n = 4;
    while (n > 1) {
        const std::uint32_t top9 = value & 0xFF800000u;
        if (top9 != 0 && top9 != 0xFF800000u) {
            break;
        }
        value <<= 8;
        --n;
    }
    for (int i = 0; i < n; ++i) {
        out[i] = static_cast<std::uint8_t>(value >> 24);
        value <<= 8;
    }
    return n;
}
// The content octets of dotted OID text (at most kBerMaxOidContent); throws 13 for more than 64
// parts.
int BerOidContent(std::uint8_t* out, std::string_view text);
