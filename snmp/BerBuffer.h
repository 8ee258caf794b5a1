#pragma once
// The codec's work buffer: every byte the engine puts on or takes off the wire passes through
// here. Every operation is bounded by the 512-byte area (output) or the received length (input)
// and reports a violation as a CSnmpException, never by reading or writing past the bytes.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "snmp/BerElement.h"
#include "snmp/CSnmpException.h"

constexpr int kBerBufferSize = 512;

constexpr int kMaxOidTextSize = kMaxOidNumbers * 11; // 64 numbers of up to 10 digits and dots

// The last name a decoder read: where its octets are and, for each octet offset at which one
// of its sub-identifiers ends, how long its text is there and how many numbers it holds. The
// names of one reply mostly share a long prefix (the bindings of one table row, or one
// column), which the next name then takes as text instead of decoding and formatting it again.
struct BerOidTextMemo {
    static constexpr int kBoundaries = 256; // longer names are read without the memo past this
    char text[kMaxOidTextSize];
    const std::uint8_t* octets = nullptr;
    int octetCount = 0; // 0: nothing to take from
    // Text length (low 16 bits) and numbers (high 16) at each sub-identifier's end; only the
    // entries at the ends of the last name's sub-identifiers are meaningful.
    std::uint32_t boundaries[kBoundaries];
};

struct BerBuffer {
    std::uint8_t data[kBerBufferSize];
    const std::uint8_t* in = data; // the bytes input operations read
    int pos = 0;
    int limit = 0;

    // An output buffer. Its bytes are not cleared: only the first `pos` are ever read, and a
    // message is encoded through several of them.
    BerBuffer() = default;
    // An input buffer reading the first `length` bytes of `bytes` in place; they must outlive
    // the buffer. A received image may be longer than the 512 bytes an output buffer holds.
    BerBuffer(const std::uint8_t* bytes, int length);
    BerBuffer(const BerBuffer&) = delete;
    BerBuffer& operator=(const BerBuffer&) = delete;

    // --- output ---
    void PutBytes(const std::uint8_t* bytes, int n);
    void PutHeader(std::uint8_t tag, int length);
    // Fewest two's-complement octets; for the unsigned types (Counter, Gauge, TimeTicks) the
    // fewest octets of the unsigned number, with a leading zero octet when its top bit is set.
    void PutInteger(std::uint8_t tag, std::uint32_t value);
    void PutOctets(std::uint8_t tag, const std::uint8_t* bytes, int n);
    // Throws 13 for more than 64 parts.
    void PutOid(std::uint8_t tag, std::string_view text);

    // --- input ---
    int Remaining() const { return limit - pos; }
    std::uint8_t TakeByte() {
        if (pos >= limit) {
            ThrowCodecError(SNMP_ERR_PACKET_OVERRUN);
        }
        return in[pos++];
    }
    std::uint8_t GetTag(); // tag octet, then GetLength; returns the tag
    std::uint32_t GetLength();
    std::uint8_t PeekTag() const {
        if (pos >= limit) {
            ThrowCodecError(SNMP_ERR_PACKET_OVERRUN);
        }
        return in[pos];
    }
    std::uint32_t PeekLength(); // runs GetTag and restores pos
    std::int32_t GetInteger();
    std::int64_t GetInteger64();
    // An unsigned 64-bit number (Counter64): up to 8 content octets, or 9 with a leading zero.
    std::uint64_t GetUnsigned64();
    // Reads a tag and its length octets without checking the length against the bytes left:
    // enough to read the leading fields of a datagram that was cut short. Returns the tag.
    std::uint8_t GetHeaderOnly();
    // Skips the tag, reads the length, and returns where the content starts; `pos` moves past it.
    const std::uint8_t* GetOctets(int& length);
    void GetNull();
    // Reads an OBJECT IDENTIFIER element (tag must be 6) into dotted text.
    void GetOid(std::string& text);
    // The same into the memo's text, which the result views until the memo reads the next
    // name. Whole sub-identifiers this name repeats from the memo's last one are copied as text.
    std::string_view GetOidText(BerOidTextMemo& memo);

    int last_length = 0; // length read by the last GetTag/GetLength

private:
    std::int64_t GetSigned(int maxOctets);
    // Skips the tag octet of a value whose reader was chosen by it and reads its length.
    std::uint32_t SkipTagGetLength();
    std::uint32_t GetLengthOctets(); // the length octets alone, unchecked
};

// Length and tag reading run for every element received; inline keeps them cheap.
inline std::uint32_t BerBuffer::GetLength() {
    const std::uint32_t length = GetLengthOctets();
    if (length > static_cast<std::uint32_t>(Remaining())) {
        ThrowCodecError(SNMP_ERR_PACKET_OVERRUN);
    }
    last_length = static_cast<int>(length);
    return length;
}

inline std::uint32_t BerBuffer::GetLengthOctets() {
    const std::uint8_t b = TakeByte();
    std::uint32_t length = b;
    if (b == 0x80) {
        ThrowCodecError(SNMP_ERR_INDEFINITE_LEN);
    }
    if (b > 0x84) {
        ThrowCodecError(SNMP_ERR_LEN_TOO_LONG);
    }
    if (b > 0x80) {
        length = 0;
        for (int i = 0; i < (b & 0x7F); ++i) {
            length = (length << 8) | TakeByte();
        }
    }
    return length;
}

// Integers are read for every binding and three times per message header.
inline std::int64_t BerBuffer::GetSigned(int maxOctets) {
    // The tag is not checked: the caller chose this reader from it.
    const int n = static_cast<int>(SkipTagGetLength());
    if (n > maxOctets) {
        ThrowCodecError(SNMP_ERR_VALUE_TOO_LONG);
    }
    const std::uint8_t* p = in + pos;
    pos += n;
    if (n == 0) {
        return 0;
    }
    if (limit - (pos - n) >= 8) {
        // Eight octets at once (all within the received bytes), big-endian, then the sign
        // carried down from the first content octet by an arithmetic shift.
        std::uint64_t word = 0;
        std::memcpy(&word, p, 8);
        if constexpr (std::endian::native == std::endian::little) {
            word = __builtin_bswap64(word);
        }
        return static_cast<std::int64_t>(word) >> (64 - 8 * n);
    }
    std::uint64_t value = (p[0] & 0x80) ? ~std::uint64_t{0} : 0;
    for (int i = 0; i < n; ++i) {
        value = (value << 8) | p[i];
    }
    return static_cast<std::int64_t>(value);
}

inline std::int32_t BerBuffer::GetInteger() {
    return static_cast<std::int32_t>(GetSigned(4));
}

inline std::int64_t BerBuffer::GetInteger64() {
    return GetSigned(8);
}

inline std::uint32_t BerBuffer::SkipTagGetLength() {
    // Nearly every element has a short length: tag and length in one step.
    if (limit - pos >= 2 && in[pos + 1] < 0x80) {
        const std::uint32_t length = in[pos + 1];
        pos += 2;
        if (length > static_cast<std::uint32_t>(Remaining())) {
            ThrowCodecError(SNMP_ERR_PACKET_OVERRUN);
        }
        last_length = static_cast<int>(length);
        return length;
    }
    TakeByte();
    return GetLength();
}

inline std::uint8_t BerBuffer::GetTag() {
    if (limit - pos >= 2 && in[pos + 1] < 0x80) {
        const std::uint8_t tag = in[pos];
        if ((tag & 0x1F) == 0x1F) {
            ThrowCodecError(SNMP_ERR_BAD_TAG);
        }
        SkipTagGetLength();
        return tag;
    }
    const std::uint8_t tag = TakeByte();
    if ((tag & 0x1F) == 0x1F) {
        ThrowCodecError(SNMP_ERR_BAD_TAG);
    }
    GetLength();
    return tag;
}
