#pragma once
// Bytes that hold a password or a key. They are wiped when they go away, so no copy of a secret
// outlives the session that used it, even in freed heap memory.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "snmp/NmSnmpApi.h"

class NMSNMP_API UsmSecret {
public:
    UsmSecret() = default;
    explicit UsmSecret(std::string_view text);
    UsmSecret(const std::uint8_t* bytes, std::size_t size);
    UsmSecret(const UsmSecret& other);
    UsmSecret& operator=(const UsmSecret& other);
    ~UsmSecret();

    const std::uint8_t* data() const { return m_bytes.data(); }
    std::size_t size() const { return m_bytes.size(); }
    bool empty() const { return m_bytes.empty(); }
    // The first `n` bytes (all of them when shorter).
    UsmSecret Prefix(std::size_t n) const;
    // Overwrites the bytes with zeros and empties the secret.
    void Wipe();

private:
    std::vector<std::uint8_t> m_bytes;
};

// Overwrites a password given on the command line or typed into a field, once it is kept as a
// UsmSecret.
NMSNMP_API void WipeText(std::string& text);
