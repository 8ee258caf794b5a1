#include "snmp/BerStream.h"

#include "snmp/BerBuffer.h"

namespace {
std::vector<std::uint8_t> HeaderBytes(std::uint8_t tag, std::size_t length) {
    std::vector<std::uint8_t> header{tag};
    if (length < 0x80) {
        header.push_back(static_cast<std::uint8_t>(length));
        return header;
    }
    int octets = 0;
    for (std::size_t rest = length; rest != 0; rest >>= 8) {
        ++octets;
    }
    header.push_back(static_cast<std::uint8_t>(0x80 | octets));
    for (int i = octets - 1; i >= 0; --i) {
        header.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    }
    return header;
}
} // namespace

void BerWriter::End(std::uint8_t tag, std::size_t begin) {
    const std::vector<std::uint8_t> header = HeaderBytes(tag, m_bytes.size() - begin);
    m_bytes.insert(m_bytes.begin() + static_cast<std::ptrdiff_t>(begin), header.begin(),
                   header.end());
}

void BerWriter::PutInteger(std::uint8_t tag, std::int64_t value) {
    // Fewest two's-complement octets: drop a top octet while the top 9 bits are all equal.
    int n = 8;
    while (n > 1) {
        const std::int64_t top = value >> (8 * n - 9);
        if (top != 0 && top != -1) {
            break;
        }
        --n;
    }
    const std::vector<std::uint8_t> header = HeaderBytes(tag, static_cast<std::size_t>(n));
    m_bytes.insert(m_bytes.end(), header.begin(), header.end());
    for (int i = n - 1; i >= 0; --i) {
        m_bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i)));
    }
}

void BerWriter::PutOctets(std::uint8_t tag, const std::uint8_t* bytes, std::size_t size) {
    const std::vector<std::uint8_t> header = HeaderBytes(tag, size);
    m_bytes.insert(m_bytes.end(), header.begin(), header.end());
    PutRaw(bytes, size);
}

void BerWriter::PutRaw(const std::uint8_t* bytes, std::size_t size) {
    if (size > 0) {
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }
}

// The reader reads through a BerBuffer over the bytes left, so headers, lengths and integers
// follow exactly the rules of the community-based codec.
namespace {
BerBuffer Remaining(const std::uint8_t* pos, const std::uint8_t* end) {
    return BerBuffer(pos, static_cast<int>(end - pos));
}
} // namespace

std::uint8_t BerReader::PeekTag() const {
    return Remaining(m_pos, m_end).PeekTag();
}

std::size_t BerReader::Enter(std::uint8_t tag, std::uint16_t wrongTagCode) {
    if (PeekTag() != tag) {
        ThrowCodecError(wrongTagCode);
    }
    BerBuffer in = Remaining(m_pos, m_end);
    in.GetTag();
    m_pos += in.pos;
    return static_cast<std::size_t>(in.last_length);
}

BerReader BerReader::Take(std::size_t size) {
    if (size > static_cast<std::size_t>(m_end - m_pos)) {
        ThrowCodecError(SNMP_ERR_PACKET_OVERRUN);
    }
    const BerReader part(m_pos, size);
    m_pos += size;
    return part;
}

std::int64_t BerReader::GetInteger(std::uint8_t tag) {
    if (PeekTag() != tag) {
        ThrowCodecError(SNMP_ERR_UNEXPECTED_TYPE);
    }
    BerBuffer in = Remaining(m_pos, m_end);
    const std::int64_t value = in.GetInteger64();
    m_pos += in.pos;
    return value;
}

std::vector<std::uint8_t> BerReader::GetOctets(std::uint8_t tag) {
    const std::size_t n = Enter(tag, SNMP_ERR_UNEXPECTED_TYPE);
    std::vector<std::uint8_t> bytes(m_pos, m_pos + n);
    m_pos += n;
    return bytes;
}

std::vector<std::uint8_t> BerReader::GetRawElement() {
    const std::uint8_t* start = m_pos;
    BerBuffer in = Remaining(m_pos, m_end);
    in.GetTag();
    m_pos += in.pos + in.last_length;
    return std::vector<std::uint8_t>(start, m_pos);
}
