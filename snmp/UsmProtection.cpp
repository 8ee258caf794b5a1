#include "snmp/UsmProtection.h"

#include <openssl/crypto.h>

bool UsmEncryptScopedPdu(const UsmSecret& privKey, std::uint64_t& saltCounter, SnmpV3Message& msg) {
    if (privKey.size() < kUsmAesKeyLength) {
        return false;
    }
    ++saltCounter;
    std::uint8_t salt[kUsmSaltLength];
    for (std::size_t i = 0; i < kUsmSaltLength; ++i) {
        salt[i] = static_cast<std::uint8_t>(saltCounter >> (56 - 8 * i));
    }
    const std::vector<std::uint8_t> iv = UsmAesIv(msg.usm.engineBoots, msg.usm.engineTime, salt);
    std::vector<std::uint8_t> encrypted;
    if (!UsmAesCfb(true, privKey, iv.data(), msg.data.data(), msg.data.size(), encrypted)) {
        return false;
    }
    OPENSSL_cleanse(msg.data.data(), msg.data.size());
    msg.data = std::move(encrypted);
    msg.usm.privParams.assign(salt, salt + kUsmSaltLength);
    msg.flags |= kV3FlagPriv;
    return true;
}

std::vector<std::uint8_t> UsmSealMessage(SnmpV3Message msg, UsmAuthProtocol protocol,
                                         const UsmSecret& authKey) {
    const bool authenticated = (msg.flags & kV3FlagAuth) != 0;
    if (authenticated) {
        if (authKey.empty()) {
            return {};
        }
        msg.usm.authParams.assign(UsmMacLength(protocol), 0);
    }
    std::size_t authOffset = 0;
    std::vector<std::uint8_t> wire = EncodeV3Message(msg, authOffset);
    if (authenticated) {
        const std::vector<std::uint8_t> mac =
            UsmComputeMac(protocol, authKey, wire.data(), wire.size());
        std::copy(mac.begin(), mac.end(), wire.begin() + static_cast<std::ptrdiff_t>(authOffset));
    }
    return wire;
}

bool UsmMacMatches(UsmAuthProtocol protocol, const UsmSecret& authKey, const std::uint8_t* bytes,
                   std::size_t size, std::size_t authOffset,
                   const std::vector<std::uint8_t>& authParams) {
    if (authParams.size() != UsmMacLength(protocol) || authOffset + authParams.size() > size) {
        return false;
    }
    std::vector<std::uint8_t> zeroed(bytes, bytes + size);
    std::fill_n(zeroed.begin() + static_cast<std::ptrdiff_t>(authOffset), authParams.size(), 0);
    const std::vector<std::uint8_t> mac =
        UsmComputeMac(protocol, authKey, zeroed.data(), zeroed.size());
    return mac.size() == authParams.size() &&
           CRYPTO_memcmp(mac.data(), authParams.data(), mac.size()) == 0;
}

bool UsmDecryptScopedPdu(const UsmSecret& privKey, const SnmpV3Message& msg,
                         std::vector<std::uint8_t>& clear) {
    if (msg.usm.privParams.size() != kUsmSaltLength) {
        return false;
    }
    const std::vector<std::uint8_t> iv =
        UsmAesIv(msg.usm.engineBoots, msg.usm.engineTime, msg.usm.privParams.data());
    return UsmAesCfb(false, privKey, iv.data(), msg.data.data(), msg.data.size(), clear);
}
