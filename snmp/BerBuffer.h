#pragma once
// The codec's work buffer: every byte the engine puts on or takes off the wire passes through
// here. Every operation is bounded by the 512-byte area (output) or the received length (input)
// and reports a violation as a CSnmpException, never by reading or writing past the bytes.

#include <cstdint>
#include <cstring>
#include <string>

#include "snmp/CSnmpException.h"

constexpr int kBerBufferSize = 512;
constexpr int kMaxOidNumbers = 64;

struct BerBuffer {
    std::uint8_t data[kBerBufferSize];
    int pos = 0;
    int limit = 0;

    BerBuffer() { std::memset(data, 0, sizeof data); }
    // An input buffer over a copy of the first `length` bytes of `bytes` (clamped to 512).
    BerBuffer(const std::uint8_t* bytes, int length);

    // --- output ---
    void PutByte(std::uint8_t b) {
        if (pos >= kBerBufferSize) {
            throw CSnmpException(SNMP_ERR_ENCODE_OVERFLOW);
        }
        data[pos++] = b;
    }
    void PutBytes(const std::uint8_t* bytes, int n);
    void PutHeader(std::uint8_t tag, int length);
    void PutInteger(std::uint8_t tag, std::uint32_t value);
    void PutOctets(std::uint8_t tag, const std::uint8_t* bytes, int n);
    void PutNull() { PutHeader(0x05, 0); }
    // Throws 13 for more than 64 parts.
    void PutOid(std::uint8_t tag, const std::string& text);

    // --- input ---
    int Remaining() const { return limit - pos; }
    std::uint8_t TakeByte() {
        if (pos >= limit) {
            throw CSnmpException(SNMP_ERR_PACKET_OVERRUN);
        }
        return data[pos++];
    }
    std::uint8_t GetTag();            // tag octet, then GetLength; returns the tag
    std::uint32_t GetLength();
    std::uint8_t PeekTag() const;
    std::uint32_t PeekLength();       // runs GetTag and restores pos
    std::int32_t GetInteger();
    std::int64_t GetInteger64();
    // Skips the tag, reads the length, and returns where the content starts; `pos` moves past it.
    const std::uint8_t* GetOctets(int& length);
    void GetNull();
    // Reads an OBJECT IDENTIFIER element (tag must be 6) into dotted text.
    void GetOid(std::string& text);

    int last_length = 0; // length read by the last GetTag/GetLength

private:
    std::int64_t GetSigned(int maxOctets);
};

// Splits dotted text into at most 64 numbers; an empty or non-numeric part is 0.
// Throws 13 on a 65th part. Returns the count.
int ParseOidText(const std::string& text, std::uint32_t* numbers);
// Writes the numbers as dotted decimal text.
void FormatOidText(const std::uint32_t* numbers, int count, std::string& text);
