#include "snmp/UsmSecret.h"

#include <openssl/crypto.h>

UsmSecret::UsmSecret(std::string_view text)
    : m_bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
              reinterpret_cast<const std::uint8_t*>(text.data()) + text.size()) {}

UsmSecret::UsmSecret(const std::uint8_t* bytes, std::size_t size) : m_bytes(bytes, bytes + size) {}

UsmSecret::UsmSecret(const UsmSecret& other) : m_bytes(other.m_bytes) {}

UsmSecret& UsmSecret::operator=(const UsmSecret& other) {
    if (this != &other) {
        // Wiped before the vector may reallocate and free the old bytes.
        Wipe();
        m_bytes = other.m_bytes;
    }
    return *this;
}

UsmSecret::~UsmSecret() {
    Wipe();
}

UsmSecret UsmSecret::Prefix(std::size_t n) const {
    return UsmSecret(m_bytes.data(), n < m_bytes.size() ? n : m_bytes.size());
}

void UsmSecret::Wipe() {
    if (!m_bytes.empty()) {
        OPENSSL_cleanse(m_bytes.data(), m_bytes.size());
    }
    m_bytes.clear();
}

void WipeText(std::string& text) {
    if (!text.empty()) {
        OPENSSL_cleanse(text.data(), text.size());
    }
    text.clear();
}
