#pragma once
// The user-based security model's cryptography: keys from passwords, localised to one agent's
// engine ID, message authentication codes, and AES-128 in CFB mode. All of it is OpenSSL's
// libcrypto; nothing here is a hand-written cipher or digest.

#include <cstdint>
#include <string_view>
#include <vector>

#include "snmp/NmSnmpApi.h"
#include "snmp/UsmSecret.h"

enum class UsmAuthProtocol { None, MD5, SHA1, SHA224, SHA256, SHA384, SHA512 };
enum class UsmPrivProtocol { None, AES128 };

// The digest's output size: the length of a localised key of the protocol.
NMSNMP_API std::size_t UsmDigestLength(UsmAuthProtocol protocol);
// Bytes of msgAuthenticationParameters: the truncated MAC (12 for MD5 and SHA-1, 16, 24, 32
// and 48 for the SHA-2 family); 0 for None.
NMSNMP_API std::size_t UsmMacLength(UsmAuthProtocol protocol);

// The key of `password`: the digest of the password repeated to 1,048,576 bytes. An empty
// password gives an empty key (it cannot be stretched).
NMSNMP_API UsmSecret UsmPasswordToKey(UsmAuthProtocol protocol, std::string_view password);
// The key bound to one engine: digest(key || engineID || key).
NMSNMP_API UsmSecret UsmLocalizeKey(UsmAuthProtocol protocol, const UsmSecret& key,
                                    const std::vector<std::uint8_t>& engineId);

// The truncated HMAC of `data` under the localised authentication key.
NMSNMP_API std::vector<std::uint8_t> UsmComputeMac(UsmAuthProtocol protocol, const UsmSecret& key,
                                                   const std::uint8_t* data, std::size_t size);

constexpr std::size_t kUsmAesKeyLength = 16;
constexpr std::size_t kUsmAesIvLength = 16;
constexpr std::size_t kUsmSaltLength = 8;

// The AES initialisation vector: engine boots and time (big-endian) then the 8-byte salt that
// travels as msgPrivacyParameters.
NMSNMP_API std::vector<std::uint8_t> UsmAesIv(std::uint32_t engineBoots, std::uint32_t engineTime,
                                              const std::uint8_t* salt);
// AES-128-CFB over `data` with the first 16 bytes of the localised privacy key; the output has
// the input's length. False when the key is too short or libcrypto fails.
NMSNMP_API bool UsmAesCfb(bool encrypt, const UsmSecret& key, const std::uint8_t* iv,
                          const std::uint8_t* data, std::size_t size,
                          std::vector<std::uint8_t>& out);
