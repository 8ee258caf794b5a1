#include "snmp/BerBuffer.h"

#include <array>

#include "snmp/SnmpValueType.h"

void ThrowCodecError(std::uint16_t code) {
    throw CSnmpException(code);
}

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
    PutByte(tag);
    if (length < 0x80) {
        PutByte(static_cast<std::uint8_t>(length));
    } else if (length <= 0xFF) {
        PutByte(0x81);
        PutByte(static_cast<std::uint8_t>(length));
    } else {
        PutByte(0x82);
        PutByte(static_cast<std::uint8_t>(length >> 8));
        PutByte(static_cast<std::uint8_t>(length));
    }
}

void BerBuffer::PutInteger(std::uint8_t tag, std::uint32_t value) {
    if (SnmpIsUnsignedNumber(tag)) {
        // Counter, Gauge and TimeTicks are never negative: 2^31 and above take a leading zero
        // octet rather than going out as a negative INTEGER that strict agents refuse.
        PutUnsigned64(tag, value);
        return;
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
    PutHeader(tag, n);
    for (int i = 0; i < n; ++i) {
        PutByte(static_cast<std::uint8_t>(value >> 24));
        value <<= 8;
    }
}

void BerBuffer::PutUnsigned64(std::uint8_t tag, std::uint64_t value) {
    int n = 1;
    while (n < 8 && (value >> (8 * n)) != 0) {
        ++n;
    }
    const bool leadingZero = (value >> (8 * n - 1)) & 1;
    PutHeader(tag, n + (leadingZero ? 1 : 0));
    if (leadingZero) {
        PutByte(0);
    }
    for (int i = n - 1; i >= 0; --i) {
        PutByte(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void BerBuffer::PutOctets(std::uint8_t tag, const std::uint8_t* bytes, int n) {
    PutHeader(tag, n);
    PutBytes(bytes, n);
}

void BerBuffer::PutOid(std::uint8_t tag, std::string_view text) {
    std::uint32_t numbers[kMaxOidNumbers];
    const int count = ParseOidText(text, numbers);
    std::uint8_t content[kMaxOidNumbers * 5];
    int n = 0;
    for (int i = 1; i < count; ++i) {
        std::uint32_t v = i == 1 ? numbers[0] * 40 + numbers[1] : numbers[i];
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
    PutHeader(tag, n);
    PutBytes(content, n);
}

int ParseOidText(std::string_view text, std::uint32_t* numbers) {
    // Like atoi on each part: leading digits count, anything after them is ignored, and an
    // empty or non-numeric part is 0.
    int count = 0;
    std::uint32_t value = 0;
    bool inDigits = true;
    for (const char c : text) {
        if (c == '.') {
            if (count == kMaxOidNumbers - 1) {
                ThrowCodecError(SNMP_ERR_OID_TOO_LONG);
            }
            numbers[count++] = value;
            value = 0;
            inDigits = true;
        } else if (inDigits && c >= '0' && c <= '9') {
            value = value * 10 + static_cast<std::uint32_t>(c - '0');
        } else {
            inDigits = false;
        }
    }
    numbers[count++] = value;
    return count;
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

void FormatOidText(const std::uint32_t* numbers, int count, std::string& text) {
    char buffer[kMaxOidTextSize + 1];
    char* out = buffer;
    for (int i = 0; i < count; ++i) {
        out = WriteDottedNumber(out, numbers[i]);
    }
    // Every number was written with a dot before it; the text starts after the first.
    text.assign(count > 0 ? buffer + 1 : buffer,
                count > 0 ? static_cast<std::size_t>(out - buffer - 1) : 0);
}

std::uint32_t BerBuffer::PeekLength() {
    const int saved = pos;
    GetTag();
    pos = saved;
    return static_cast<std::uint32_t>(last_length);
}

std::int64_t BerBuffer::GetSigned(int maxOctets) {
    TakeByte(); // the tag is not checked: the caller chose this reader from it
    const int n = static_cast<int>(GetLength());
    if (n > maxOctets) {
        ThrowCodecError(SNMP_ERR_VALUE_TOO_LONG);
    }
    std::uint64_t value = 0;
    if (n > 0 && (in[pos] & 0x80)) {
        value = ~std::uint64_t{0};
    }
    for (int i = 0; i < n; ++i) {
        value = (value << 8) | in[pos++];
    }
    return static_cast<std::int64_t>(value);
}

std::uint64_t BerBuffer::GetUnsigned64() {
    TakeByte();
    int n = static_cast<int>(GetLength());
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

std::int32_t BerBuffer::GetInteger() {
    return static_cast<std::int32_t>(GetSigned(4));
}

std::int64_t BerBuffer::GetInteger64() {
    return GetSigned(8);
}

const std::uint8_t* BerBuffer::GetOctets(int& length) {
    TakeByte();
    length = static_cast<int>(GetLength());
    const std::uint8_t* start = in + pos;
    pos += length;
    return start;
}

void BerBuffer::GetNull() {
    TakeByte();
    if (GetLength() != 0) {
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

int BerBuffer::GetOidText(char* text) {
    if (PeekTag() != 0x06) {
        ThrowCodecError(SNMP_ERR_VARBIND_PARSE);
    }
    GetTag();
    // Locals rather than members: the text is written through a char pointer, which may alias
    // anything, and would otherwise make every octet reload the buffer's fields.
    const std::uint8_t* p = in + pos;
    const std::uint8_t* const end = p + last_length;
    pos += last_length;
    char* out = text;
    if (p == end) {
        return 0;
    }
    std::uint32_t value = TakeSubIdentifier(p, end);
    const std::uint32_t first = value < 40 ? 0 : (value < 80 ? 1 : 2);
    *out++ = static_cast<char>('0' + first);
    out = WriteDottedNumber(out, value - first * 40);
    // The decoder's table holds 64 numbers. The first octet holds two, so an element of fewer
    // than 64 octets cannot hold more, and only longer ones need counting.
    if (end - p < kMaxOidNumbers - 1) {
        while (p < end) {
            out = WriteDottedNumber(out, TakeSubIdentifier(p, end));
        }
    } else {
        for (int count = 2; p < end; ++count) {
            value = TakeSubIdentifier(p, end);
            if (count == kMaxOidNumbers) {
                ThrowCodecError(SNMP_ERR_OID_TOO_LONG);
            }
            out = WriteDottedNumber(out, value);
        }
    }
    return static_cast<int>(out - text);
}

void BerBuffer::GetOid(std::string& text) {
    char buffer[kMaxOidTextSize];
    const int n = GetOidText(buffer);
    text.assign(buffer, static_cast<std::size_t>(n));
}
