#include "snmp/BerBuffer.h"

#include <algorithm>
#include <array>
#include <bit>

#include "snmp/SnmpValueType.h"

BerBuffer::BerBuffer(const std::uint8_t* bytes, int length)
    : in(bytes), limit(length < 0 ? 0 : length) {}

void BerBuffer::PutBytes(const std::uint8_t* bytes, int n) {
    if (n < 0 || n > kBerBufferSize - pos) {
        ThrowCodecError(SNMP_ERR_ENCODE_OVERFLOW);
    }
    if (n > 0) {
        std::memcpy(data + pos, bytes, static_cast<std::size_t>(n));
    }
    pos += n;
}

void BerBuffer::PutHeader(std::uint8_t tag, int length) {
    std::uint8_t header[kBerMaxHeaderSize];
    PutBytes(header, BerWriteHeader(header, tag, length));
}

void BerBuffer::PutInteger(std::uint8_t tag, std::uint32_t value) {
    std::uint8_t content[kBerMaxNumberSize];
    const int n = BerIntegerContent(content, tag, value);
    PutHeader(tag, n);
    PutBytes(content, n);
}

void BerBuffer::PutOctets(std::uint8_t tag, const std::uint8_t* bytes, int n) {
    PutHeader(tag, n);
    PutBytes(bytes, n);
}

void BerBuffer::PutOid(std::uint8_t tag, std::string_view text) {
    std::uint8_t content[kBerMaxOidContent];
    const int n = BerOidContent(content, text);
    PutHeader(tag, n);
    PutBytes(content, n);
}

namespace {
// Most sub-identifiers are below 128: their text, with the dot before it, comes from a table.
struct alignas(8) DottedNumberText { // 8 bytes, so an entry is found with one scaled index
    char text[4];
    std::uint32_t length;
};

constexpr auto kDottedNumbers = [] {
    std::array<DottedNumberText, 128> table{};
    for (unsigned v = 0; v < 128; ++v) {
        DottedNumberText& entry = table[v];
        const auto digit = [](unsigned d) { return static_cast<char>('0' + d % 10); };
        if (v >= 100) {
            entry = {{'.', digit(v / 100), digit(v / 10), digit(v)}, 4};
        } else if (v >= 10) {
            entry = {{'.', digit(v / 10), digit(v), 0}, 3};
        } else {
            entry = {{'.', digit(v), 0, 0}, 2};
        }
    }
    return table;
}();

// Decimal digits of `v`, written backwards from `end`, two at a time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233"
    "34353637383940414243444546474849505152535455565758596061626364656667"
    "6869707172737475767778798081828384858687888990919293949596979899";

char* WriteDecimal(char* out, std::uint32_t v) {
    const int digits = v < 10           ? 1
                       : v < 100        ? 2
                       : v < 1000       ? 3
                       : v < 10000      ? 4
                       : v < 100000     ? 5
                       : v < 1000000    ? 6
                       : v < 10000000   ? 7
                       : v < 100000000  ? 8
                       : v < 1000000000 ? 9
                                        : 10;
    char* p = out + digits;
    while (v >= 100) {
        p -= 2;
        std::memcpy(p, kDigitPairs + 2 * (v % 100), 2);
        v /= 100;
    }
    if (v >= 10) {
        std::memcpy(p - 2, kDigitPairs + 2 * v, 2);
    } else {
        p[-1] = static_cast<char>('0' + v);
    }
    return out + digits;
}

// Writes "." and `v` in decimal; returns the end.
inline char* WriteDottedNumber(char* out, std::uint32_t v) {
    if (v < kDottedNumbers.size()) {
        std::memcpy(out, kDottedNumbers[v].text, 4);
        return out + kDottedNumbers[v].length;
    }
    *out = '.';
    return WriteDecimal(out + 1, v);
}
} // namespace

std::uint32_t BerBuffer::PeekLength() {
    const int saved = pos;
    GetTag();
    pos = saved;
    return static_cast<std::uint32_t>(last_length);
}

std::uint64_t BerBuffer::GetUnsigned64() {
    int n = static_cast<int>(SkipTagGetLength());
    if (n == 9 && in[pos] == 0) {
        ++pos; // the zero that keeps a value of 2^63 or more positive
        --n;
    }
    if (n > 8) {
        ThrowCodecError(SNMP_ERR_VALUE_TOO_LONG);
    }
    std::uint64_t value = 0;
    for (int i = 0; i < n; ++i) {
        value = (value << 8) | in[pos++];
    }
    return value;
}

std::uint8_t BerBuffer::GetHeaderOnly() {
    const std::uint8_t tag = TakeByte();
    if ((tag & 0x1F) == 0x1F) {
        ThrowCodecError(SNMP_ERR_BAD_TAG);
    }
    last_length = static_cast<int>(GetLengthOctets() & 0x7FFFFFFF);
    return tag;
}

const std::uint8_t* BerBuffer::GetOctets(int& length) {
    length = static_cast<int>(SkipTagGetLength());
    const std::uint8_t* start = in + pos;
    pos += length;
    return start;
}

void BerBuffer::GetNull() {
    if (SkipTagGetLength() != 0) {
        ThrowCodecError(SNMP_ERR_MALFORMED_NULL);
    }
}

namespace {
// One base-128 sub-identifier at `p` (before `end`); moves `p` past it.
inline std::uint32_t TakeSubIdentifier(const std::uint8_t*& p, const std::uint8_t* end) {
    std::uint32_t value = *p++;
    if (value & 0x80) {
        value &= 0x7F;
        std::uint8_t octet = 0;
        do {
            // A sub-identifier whose continuation octets run past its element is cut short.
            if (p >= end) {
                ThrowCodecError(SNMP_ERR_PACKET_OVERRUN);
            }
            // One wider than 32 bits cannot be stored.
            if (value > 0x01FFFFFFu) {
                ThrowCodecError(SNMP_ERR_VALUE_TOO_LONG);
            }
            octet = *p++;
            value = (value << 7) | (octet & 0x7F);
        } while (octet & 0x80);
    }
    return value;
}
} // namespace

namespace {
// How many of the first `n` octets of `a` and `b` are equal, eight compared at a time while
// eight can be read before `aEnd`. `b` is the name before `a` in the same datagram, so its
// octets can be read as far as `a`'s.
inline int CommonPrefix(const std::uint8_t* a, const std::uint8_t* aEnd, const std::uint8_t* b,
                        int n) {
    int same = 0;
    while (same < n && aEnd - (a + same) >= 8) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, a + same, 8);
        std::memcpy(&y, b + same, 8);
        if (x != y) {
            // The first octet in memory is the lowest on a little-endian machine.
            const std::uint64_t diff = x ^ y;
            same += (std::endian::native == std::endian::little ? std::countr_zero(diff)
                                                                : std::countl_zero(diff)) /
                    8;
            return std::min(same, n);
        }
        same += 8;
    }
    same = std::min(same, n);
    while (same < n && a[same] == b[same]) {
        ++same;
    }
    return same;
}

inline std::uint32_t Boundary(int textLength, int numbers) {
    return static_cast<std::uint32_t>(textLength) | (static_cast<std::uint32_t>(numbers) << 16);
}
} // namespace

std::string_view BerBuffer::GetOidText(BerOidTextMemo& memo) {
    if (PeekTag() != 0x06) {
        ThrowCodecError(SNMP_ERR_VARBIND_PARSE);
    }
    GetTag();
    // Locals rather than members: the text is written through a char pointer, which may alias
    // anything, and would otherwise make every octet reload the buffer's fields.
    const std::uint8_t* const start = in + pos;
    const std::uint8_t* const end = start + last_length;
    pos += last_length;

    // The whole sub-identifiers this name repeats from the last one decode to the same numbers:
    // a sub-identifier ends at an octet without bit 0x80, so the repeated octets are taken back
    // to the last such octet, and the last name's text up to there is this one's too.
    int from = 0;
    if (memo.octetCount > 0) {
        const int common =
            std::min({last_length, memo.octetCount, BerOidTextMemo::kBoundaries - 1});
        from = CommonPrefix(start, in + limit, memo.octets, common);
        while (from > 0 && (start[from - 1] & 0x80)) {
            --from;
        }
    }
    memo.octets = start;
    memo.octetCount = 0; // until this name is read whole
    const std::uint8_t* p = start;
    char* out = memo.text;
    int count = 0; // numbers so far
    if (from > 0) {
        const std::uint32_t boundary = memo.boundaries[from];
        p = start + from;
        out = memo.text + (boundary & 0xFFFF);
        count = static_cast<int>(boundary >> 16);
    } else {
        if (p == end) {
            return {memo.text, 0};
        }
        const std::uint32_t value = TakeSubIdentifier(p, end);
        const std::uint32_t first = value < 40 ? 0 : (value < 80 ? 1 : 2);
        *out++ = static_cast<char>('0' + first);
        out = WriteDottedNumber(out, value - first * 40);
        count = 2;
        if (p - start < BerOidTextMemo::kBoundaries) {
            memo.boundaries[p - start] = Boundary(static_cast<int>(out - memo.text), count);
        }
    }
    // The decoder's table holds 64 numbers, the first sub-identifier two of them. Every number
    // takes an octet at least, so only names with more octets left than numbers free count.
    if (end - p <= kMaxOidNumbers - count && end - start < BerOidTextMemo::kBoundaries) {
        while (p < end) {
            out = WriteDottedNumber(out, TakeSubIdentifier(p, end));
            memo.boundaries[p - start] = Boundary(static_cast<int>(out - memo.text), ++count);
        }
    } else {
        for (; p < end; ++count) {
            const std::uint32_t value = TakeSubIdentifier(p, end);
            if (count == kMaxOidNumbers) {
                ThrowCodecError(SNMP_ERR_OID_TOO_LONG);
            }
            out = WriteDottedNumber(out, value);
            if (p - start < BerOidTextMemo::kBoundaries) {
                memo.boundaries[p - start] = Boundary(static_cast<int>(out - memo.text), count + 1);
            }
        }
    }
    memo.octetCount = last_length;
    return {memo.text, static_cast<std::size_t>(out - memo.text)};
}

void BerBuffer::GetOid(std::string& text) {
    BerOidTextMemo memo;
    text.assign(GetOidText(memo));
}
