#pragma once
// BER for the SNMPv3 envelope, which is not bound to the 512-byte message area: a writer that
// grows as it goes and a reader over received bytes that never reads past them. Failures are
// CSnmpExceptions with the codec's codes.

#include <cstdint>
#include <vector>

#include "snmp/NmSnmpApi.h"

class NMSNMP_API BerWriter {
public:
    // Elements are written inside out: Begin marks where a constructed element's content
    // starts, End puts its header in front of everything written since.
    std::size_t Begin() const { return m_bytes.size(); }
    void End(std::uint8_t tag, std::size_t begin);
    void PutInteger(std::uint8_t tag, std::int64_t value);
    void PutOctets(std::uint8_t tag, const std::uint8_t* bytes, std::size_t size);
    void PutOctets(std::uint8_t tag, const std::vector<std::uint8_t>& bytes) {
        PutOctets(tag, bytes.data(), bytes.size());
    }
    // Copies an already encoded element.
    void PutRaw(const std::uint8_t* bytes, std::size_t size);

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    std::vector<std::uint8_t>& Bytes() { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

class NMSNMP_API BerReader {
public:
    BerReader(const std::uint8_t* bytes, std::size_t size) : m_pos(bytes), m_end(bytes + size) {}

    bool AtEnd() const { return m_pos == m_end; }
    const std::uint8_t* Position() const { return m_pos; }
    std::uint8_t PeekTag() const;
    // Reads a header with tag `tag` (else throws `wrongTagCode`) and returns its content length.
    std::size_t Enter(std::uint8_t tag, std::uint16_t wrongTagCode);
    // A reader over the next `size` bytes (a length Enter returned); this one moves past them.
    BerReader Take(std::size_t size);
    // A whole INTEGER element of at most 8 content octets.
    std::int64_t GetInteger(std::uint8_t tag = 0x02);
    // A whole OCTET STRING (or other primitive) element with tag `tag`.
    std::vector<std::uint8_t> GetOctets(std::uint8_t tag = 0x04);
    // The whole next element, header included, without interpreting it.
    std::vector<std::uint8_t> GetRawElement();

private:
    const std::uint8_t* m_pos;
    const std::uint8_t* m_end;
};
