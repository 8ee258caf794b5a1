#pragma once
// The agent's side of the user-based security model for tests, built from the published example
// key ("maplesyrup" localised with SHA-1 to engine 000000000000000000000002), so what it
// accepts does not depend on our own key stretching.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "snmp/UsmSession.h"
#include "tests/snmp/usm/UsmTestBytes.h"

inline const std::vector<std::uint8_t> kTestEngineId = FromHex("000000000000000000000002");
inline const std::vector<std::uint8_t> kTestLocalKey =
    FromHex("6695febc9288e36282235fc7151f128497b38f3f");

// The user "ops" with SHA-1 and AES and the example passphrase for both keys.
inline UsmUser MapleUser(UsmSecurityLevel level) {
    UsmUser user;
    user.userName = "ops";
    user.level = level;
    user.auth = UsmAuthProtocol::SHA1;
    user.priv = UsmPrivProtocol::AES128;
    user.authPassword = UsmSecret("maplesyrup");
    user.privPassword = UsmSecret("maplesyrup");
    return user;
}

// What the agent sends: `pdu` from kTestEngineId at (boots, time), with `flags`; with
// `cutOctets` the encrypted PDU loses its last octets before the MAC is made, as an agent with
// another privacy key (or a broken one) would send it.
inline std::vector<std::uint8_t> AgentMessage(std::uint8_t flags,
                                              const std::vector<std::uint8_t>& pdu,
                                              std::uint32_t boots, std::uint32_t time,
                                              std::int64_t msgId = 7, std::size_t cutOctets = 0) {
    const UsmSecret key(kTestLocalKey.data(), kTestLocalKey.size());
    SnmpV3Message msg;
    msg.msgId = msgId;
    msg.flags = flags;
    msg.usm = {kTestEngineId, boots, time, "ops", {}, {}};
    msg.data = EncodeScopedPdu({kTestEngineId, "", pdu});
    if (flags & kV3FlagAuth) {
        msg.usm.authParams.assign(12, 0);
    }
    if (flags & kV3FlagPriv) {
        msg.usm.privParams = FromHex("0000000000000009");
        std::vector<std::uint8_t> encrypted;
        UsmAesCfb(true, key, UsmAesIv(boots, time, msg.usm.privParams.data()).data(),
                  msg.data.data(), msg.data.size(), encrypted);
        encrypted.resize(encrypted.size() - std::min(cutOctets, encrypted.size()));
        msg.data = encrypted;
    }
    std::size_t authOffset = 0;
    std::vector<std::uint8_t> wire = EncodeV3Message(msg, authOffset);
    if (flags & kV3FlagAuth) {
        const auto mac = UsmComputeMac(UsmAuthProtocol::SHA1, key, wire.data(), wire.size());
        std::copy(mac.begin(), mac.end(), wire.begin() + static_cast<std::ptrdiff_t>(authOffset));
    }
    return wire;
}

// A report PDU answering `requestId` with usmStats counter `counter` (2: notInTimeWindows,
// 4: unknownEngineIDs, ...).
inline std::vector<std::uint8_t> UsmStatsReport(std::uint8_t requestId, std::uint8_t counter) {
    std::vector<std::uint8_t> pdu = FromHex("a81c020100020100020100301130"
                                            "0f060a2b060106030f01010000410101");
    pdu[4] = requestId;
    pdu[25] = counter;
    return pdu;
}
