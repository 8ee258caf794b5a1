#pragma once
// The steps of the user-based security model that both sides of a v3 exchange take the same
// way: sealing an outgoing message (encryption of the scoped PDU, then the MAC over the whole
// datagram) and opening a received one (the MAC check, then decryption). Which keys and clock
// go in is the caller's business: a requester uses the agent's engine, an authoritative engine
// its own.

#include <cstdint>
#include <vector>

#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpV3Message.h"
#include "snmp/UsmCrypto.h"

// Encrypts `msg.data` (the clear scoped PDU) in place with AES under `privKey`, taking the next
// salt of `saltCounter` and setting kV3FlagPriv and msgPrivacyParameters. The IV uses the boots
// and time already in `msg.usm`. False when the key is too short or libcrypto fails.
NMSNMP_API bool UsmEncryptScopedPdu(const UsmSecret& privKey, std::uint64_t& saltCounter,
                                    SnmpV3Message& msg);
// Encodes `msg`; with kV3FlagAuth set, reserves msgAuthenticationParameters for `protocol`'s MAC
// and writes the MAC computed under `authKey` over the finished datagram. Empty when
// authentication is asked for without a key.
NMSNMP_API std::vector<std::uint8_t> UsmSealMessage(SnmpV3Message msg, UsmAuthProtocol protocol,
                                                    const UsmSecret& authKey);
// Whether the MAC in a received datagram (msgAuthenticationParameters at `authOffset`) is the
// one `authKey` makes over the datagram with those bytes zeroed. Compared in constant time.
NMSNMP_API bool UsmMacMatches(UsmAuthProtocol protocol, const UsmSecret& authKey,
                              const std::uint8_t* bytes, std::size_t size, std::size_t authOffset,
                              const std::vector<std::uint8_t>& authParams);
// Decrypts a received message's scoped PDU into `clear`. False when msgPrivacyParameters is not
// an 8-byte salt or decryption fails.
NMSNMP_API bool UsmDecryptScopedPdu(const UsmSecret& privKey, const SnmpV3Message& msg,
                                    std::vector<std::uint8_t>& clear);
