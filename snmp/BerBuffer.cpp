#include "snmp/BerBuffer.h"

#include <array>
#include <charconv>

BerBuffer::BerBuffer(const std::uint8_t* bytes, int length) {
    limit = length < 0 ? 0 : (length > kBerBufferSize ? kBerBufferSize : length);
    std::memcpy(data, bytes, static_cast<std::size_t>(limit));
}

void BerBuffer::PutBytes(const std::uint8_t* bytes, int n) {
    if (n < 0 || n > kBerBufferSize - pos) {
        throw CSnmpException(SNMP_ERR_ENCODE_OVERFLOW);
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
                throw CSnmpException(SNMP_ERR_OID_TOO_LONG);
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
// Most sub-identifiers are below 128: their text comes from a table instead of to_chars.
struct SmallNumberText {
    char text[4];
    std::uint8_t length;
};

constexpr auto kSmallNumbers = [] {
    std::array<SmallNumberText, 128> table{};
    for (unsigned v = 0; v < 128; ++v) {
        SmallNumberText& entry = table[v];
        if (v >= 100) {
            entry = {{static_cast<char>('0' + v / 100), static_cast<char>('0' + v / 10 % 10),
                      static_cast<char>('0' + v % 10), 0},
                     3};
        } else if (v >= 10) {
            entry = {{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10), 0, 0}, 2};
        } else {
            entry = {{static_cast<char>('0' + v), 0, 0, 0}, 1};
        }
    }
    return table;
}();

inline char* WriteNumber(char* out, std::uint32_t v) {
    if (v < kSmallNumbers.size()) {
        std::memcpy(out, kSmallNumbers[v].text, 4);
        return out + kSmallNumbers[v].length;
    }
    return std::to_chars(out, out + 10, v).ptr;
}
} // namespace

void FormatOidText(const std::uint32_t* numbers, int count, std::string& text) {
    char buffer[kMaxOidTextSize];
    char* out = buffer;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            *out++ = '.';
        }
        out = WriteNumber(out, numbers[i]);
    }
    text.assign(buffer, static_cast<std::size_t>(out - buffer));
}

std::uint8_t BerBuffer::PeekTag() const {
    if (pos >= limit) {
        throw CSnmpException(SNMP_ERR_PACKET_OVERRUN);
    }
    return data[pos];
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
        throw CSnmpException(SNMP_ERR_VALUE_TOO_LONG);
    }
    std::uint64_t value = 0;
    if (n > 0 && (data[pos] & 0x80)) {
        value = ~std::uint64_t{0};
    }
    for (int i = 0; i < n; ++i) {
        value = (value << 8) | data[pos++];
    }
    return static_cast<std::int64_t>(value);
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
    const std::uint8_t* start = data + pos;
    pos += length;
    return start;
}

void BerBuffer::GetNull() {
    TakeByte();
    if (GetLength() != 0) {
        throw CSnmpException(SNMP_ERR_MALFORMED_NULL);
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
                throw CSnmpException(SNMP_ERR_PACKET_OVERRUN);
            }
            // One wider than 32 bits cannot be stored.
            if (value > 0x01FFFFFFu) {
                throw CSnmpException(SNMP_ERR_VALUE_TOO_LONG);
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
        throw CSnmpException(SNMP_ERR_VARBIND_PARSE);
    }
    GetTag();
    // Locals rather than members: the text is written through a char pointer, which may alias
    // anything, and would otherwise make every octet reload the buffer's fields.
    const std::uint8_t* p = data + pos;
    const std::uint8_t* const end = p + last_length;
    pos += last_length;
    char* out = text;
    if (p == end) {
        return 0;
    }
    std::uint32_t value = TakeSubIdentifier(p, end);
    const std::uint32_t first = value < 40 ? 0 : (value < 80 ? 1 : 2);
    *out++ = static_cast<char>('0' + first);
    *out++ = '.';
    out = WriteNumber(out, value - first * 40);
    // The first octets hold two numbers; the decoder's table holds 64 in all.
    for (int count = 2; p < end; ++count) {
        value = TakeSubIdentifier(p, end);
        if (count == kMaxOidNumbers) {
            throw CSnmpException(SNMP_ERR_OID_TOO_LONG);
        }
        *out++ = '.';
        out = WriteNumber(out, value);
    }
    return static_cast<int>(out - text);
}

void BerBuffer::GetOid(std::string& text) {
    char buffer[kMaxOidTextSize];
    const int n = GetOidText(buffer);
    text.assign(buffer, static_cast<std::size_t>(n));
}
