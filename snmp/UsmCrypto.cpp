#include "snmp/UsmCrypto.h"

#include <memory>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>

namespace {

constexpr std::size_t kPasswordStretch = 1048576;

const EVP_MD* Digest(UsmAuthProtocol protocol) {
    switch (protocol) {
    case UsmAuthProtocol::MD5:
        return EVP_md5();
    case UsmAuthProtocol::SHA1:
        return EVP_sha1();
    case UsmAuthProtocol::SHA224:
        return EVP_sha224();
    case UsmAuthProtocol::SHA256:
        return EVP_sha256();
    case UsmAuthProtocol::SHA384:
        return EVP_sha384();
    case UsmAuthProtocol::SHA512:
        return EVP_sha512();
    case UsmAuthProtocol::None:
        break;
    }
    return nullptr;
}

struct DigestContextFree {
    void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

UsmSecret Finish(EVP_MD_CTX* ctx) {
    std::uint8_t out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(ctx, out, &length) != 1) {
        return {};
    }
    UsmSecret key(out, length);
    OPENSSL_cleanse(out, sizeof out);
    return key;
}

} // namespace

std::size_t UsmDigestLength(UsmAuthProtocol protocol) {
    const EVP_MD* md = Digest(protocol);
    return md ? static_cast<std::size_t>(EVP_MD_get_size(md)) : 0;
}

std::size_t UsmMacLength(UsmAuthProtocol protocol) {
    switch (protocol) {
    case UsmAuthProtocol::MD5:
    case UsmAuthProtocol::SHA1:
        return 12;
    case UsmAuthProtocol::SHA224:
        return 16;
    case UsmAuthProtocol::SHA256:
        return 24;
    case UsmAuthProtocol::SHA384:
        return 32;
    case UsmAuthProtocol::SHA512:
        return 48;
    case UsmAuthProtocol::None:
        break;
    }
    return 0;
}

UsmSecret UsmPasswordToKey(UsmAuthProtocol protocol, std::string_view password) {
    const EVP_MD* md = Digest(protocol);
    const DigestContext ctx(EVP_MD_CTX_new());
    if (!md || password.empty() || !ctx || EVP_DigestInit_ex(ctx.get(), md, nullptr) != 1) {
        return {};
    }
    // The password repeated to fill the stretch, fed in 64-byte blocks.
    std::uint8_t block[64];
    std::size_t index = 0;
    for (std::size_t done = 0; done < kPasswordStretch; done += sizeof block) {
        for (std::uint8_t& b : block) {
            b = static_cast<std::uint8_t>(password[index++ % password.size()]);
        }
        EVP_DigestUpdate(ctx.get(), block, sizeof block);
    }
    OPENSSL_cleanse(block, sizeof block);
    return Finish(ctx.get());
}

UsmSecret UsmLocalizeKey(UsmAuthProtocol protocol, const UsmSecret& key,
                         const std::vector<std::uint8_t>& engineId) {
    const EVP_MD* md = Digest(protocol);
    const DigestContext ctx(EVP_MD_CTX_new());
    if (!md || key.empty() || !ctx || EVP_DigestInit_ex(ctx.get(), md, nullptr) != 1) {
        return {};
    }
    EVP_DigestUpdate(ctx.get(), key.data(), key.size());
    EVP_DigestUpdate(ctx.get(), engineId.data(), engineId.size());
    EVP_DigestUpdate(ctx.get(), key.data(), key.size());
    return Finish(ctx.get());
}

std::vector<std::uint8_t> UsmComputeMac(UsmAuthProtocol protocol, const UsmSecret& key,
                                        const std::uint8_t* data, std::size_t size) {
    const EVP_MD* md = Digest(protocol);
    if (!md || key.empty()) {
        return {};
    }
    std::uint8_t mac[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!HMAC(md, key.data(), static_cast<int>(key.size()), data, size, mac, &length)) {
        return {};
    }
    const std::size_t kept = UsmMacLength(protocol);
    return std::vector<std::uint8_t>(mac, mac + (kept < length ? kept : length));
}

std::vector<std::uint8_t> UsmAesIv(std::uint32_t engineBoots, std::uint32_t engineTime,
                                   const std::uint8_t* salt) {
    std::vector<std::uint8_t> iv(kUsmAesIvLength);
    for (int i = 0; i < 4; ++i) {
        iv[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(engineBoots >> (24 - 8 * i));
        iv[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(engineTime >> (24 - 8 * i));
    }
    std::copy(salt, salt + kUsmSaltLength, iv.begin() + 8);
    return iv;
}

bool UsmAesCfb(bool encrypt, const UsmSecret& key, const std::uint8_t* iv, const std::uint8_t* data,
               std::size_t size, std::vector<std::uint8_t>& out) {
    out.clear();
    if (size == 0) {
        return key.size() >= kUsmAesKeyLength;
    }
    const CipherContext ctx(EVP_CIPHER_CTX_new());
    if (key.size() < kUsmAesKeyLength || !ctx ||
        EVP_CipherInit_ex(ctx.get(), EVP_aes_128_cfb128(), nullptr, key.data(), iv,
                          encrypt ? 1 : 0) != 1) {
        return false;
    }
    out.assign(size, 0);
    int written = 0;
    int tail = 0;
    if (EVP_CipherUpdate(ctx.get(), out.data(), &written, data, static_cast<int>(size)) != 1 ||
        EVP_CipherFinal_ex(ctx.get(), out.data() + written, &tail) != 1) {
        out.clear();
        return false;
    }
    return true;
}
