#include "snmp/BerBuffer.h"

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

void BerBuffer::PutOid(std::uint8_t tag, const std::string& text) {
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

int ParseOidText(const std::string& text, std::uint32_t* numbers) {
    int count = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (true) {
        const char* dot = static_cast<const char*>(std::memchr(p, '.', static_cast<std::size_t>(end - p)));
        const char* partEnd = dot ? dot : end;
        if (count == kMaxOidNumbers) {
            throw CSnmpException(SNMP_ERR_OID_TOO_LONG);
        }
        // Like atoi: leading digits count, anything else makes the rest of the part ignored.
        std::uint32_t value = 0;
        std::from_chars(p, partEnd, value);
        numbers[count++] = value;
        if (!dot) {
            break;
        }
        p = dot + 1;
    }
    return count;
}

void FormatOidText(const std::uint32_t* numbers, int count, std::string& text) {
    char buffer[kMaxOidNumbers * 11];
    char* out = buffer;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            *out++ = '.';
        }
        out = std::to_chars(out, buffer + sizeof buffer, numbers[i]).ptr;
    }
    text.assign(buffer, static_cast<std::size_t>(out - buffer));
}

std::uint32_t BerBuffer::GetLength() {
    const std::uint8_t b = TakeByte();
    std::uint32_t length = b;
    if (b == 0x80) {
        throw CSnmpException(SNMP_ERR_INDEFINITE_LEN);
    }
    if (b > 0x84) {
        throw CSnmpException(SNMP_ERR_LEN_TOO_LONG);
    }
    if (b > 0x80) {
        length = 0;
        for (int i = 0; i < (b & 0x7F); ++i) {
            length = (length << 8) | TakeByte();
        }
    }
    if (length > static_cast<std::uint32_t>(Remaining())) {
        throw CSnmpException(SNMP_ERR_PACKET_OVERRUN);
    }
    last_length = static_cast<int>(length);
    return length;
}

std::uint8_t BerBuffer::GetTag() {
    const std::uint8_t tag = TakeByte();
    if ((tag & 0x1F) == 0x1F) {
        throw CSnmpException(SNMP_ERR_BAD_TAG);
    }
    GetLength();
    return tag;
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

std::int32_t BerBuffer::GetInteger() { return static_cast<std::int32_t>(GetSigned(4)); }

std::int64_t BerBuffer::GetInteger64() { return GetSigned(8); }

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

void BerBuffer::GetOid(std::string& text) {
    if (PeekTag() != 0x06) {
        throw CSnmpException(SNMP_ERR_VARBIND_PARSE);
    }
    GetTag();
    const int end = pos + last_length;
    std::uint32_t numbers[kMaxOidNumbers];
    int count = 0;
    while (pos < end) {
        std::uint32_t value = 0;
        std::uint8_t octet = 0;
        do {
            // A sub-identifier whose continuation octets run past its element is cut short.
            if (pos >= end) {
                throw CSnmpException(SNMP_ERR_PACKET_OVERRUN);
            }
            // One wider than 32 bits cannot be stored.
            if (value > 0x01FFFFFFu) {
                throw CSnmpException(SNMP_ERR_VALUE_TOO_LONG);
            }
            octet = data[pos++];
            value = (value << 7) | (octet & 0x7F);
        } while (octet & 0x80);
        if (count == 0) {
            const std::uint32_t first = value < 40 ? 0 : (value < 80 ? 1 : 2);
            numbers[count++] = first;
            value -= first * 40;
        }
        // More numbers than the decoder's table holds.
        if (count == kMaxOidNumbers) {
            throw CSnmpException(SNMP_ERR_OID_TOO_LONG);
        }
        numbers[count++] = value;
    }
    FormatOidText(numbers, count, text);
}
