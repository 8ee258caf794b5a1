// The v3 envelope: what we encode is what an agent's decoder reads, the MAC's place is found
// exactly, and malformed or rule-breaking headers are refused without reading past the bytes.

#include <gtest/gtest.h>

#include "snmp/CSnmpException.h"
#include "snmp/SnmpV3Message.h"
#include "tests/snmp/usm/UsmTestBytes.h"

namespace {

SnmpV3Message SampleMessage() {
    SnmpV3Message msg;
    msg.msgId = 0x12345;
    msg.flags = kV3FlagAuth | kV3FlagReportable;
    msg.usm.engineId = FromHex("80001f8880e9630000d61ff449");
    msg.usm.engineBoots = 3;
    msg.usm.engineTime = 0x7FFFFFF0;
    msg.usm.userName = "ops";
    msg.usm.authParams.assign(12, 0);
    msg.data = EncodeScopedPdu({msg.usm.engineId, "ctx",
                                FromHex("a00b020101020100020100"
                                        "3000")});
    return msg;
}

TEST(V3Message, EncodesTheHeaderBytesAgentsExpect) {
    SnmpV3Message msg;
    msg.msgId = 1;
    msg.flags = kV3FlagReportable;
    msg.data = FromHex("301104000400a00b0201010201000201003000");
    std::size_t authOffset = 0;
    const std::vector<std::uint8_t> wire = EncodeV3Message(msg, authOffset);
    // version 3; global data: id 1, max size 65507, flags 04, model 3; empty USM parameters.
    EXPECT_EQ(ToHex(wire), "30"
                           "38"
                           "020103"
                           "300e"
                           "020101"
                           "020300ffe3"
                           "040104"
                           "020103"
                           "0410"
                           "300e"
                           "0400"
                           "020100"
                           "020100"
                           "0400"
                           "0400"
                           "0400"
                           "301104000400a00b0201010201000201003000");
}

TEST(V3Message, RoundTripsAndLocatesTheAuthenticationParameters) {
    SnmpV3Message msg = SampleMessage();
    std::size_t authOffset = 0;
    std::vector<std::uint8_t> wire = EncodeV3Message(msg, authOffset);
    for (std::size_t i = 0; i < 12; ++i) {
        wire[authOffset + i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    std::size_t decodedOffset = 0;
    const SnmpV3Message back = DecodeV3Message(wire.data(), wire.size(), decodedOffset);
    EXPECT_EQ(decodedOffset, authOffset);
    EXPECT_EQ(back.msgId, msg.msgId);
    EXPECT_EQ(back.flags, msg.flags);
    EXPECT_EQ(back.usm.engineId, msg.usm.engineId);
    EXPECT_EQ(back.usm.engineBoots, 3u);
    EXPECT_EQ(back.usm.engineTime, 0x7FFFFFF0u);
    EXPECT_EQ(back.usm.userName, "ops");
    EXPECT_EQ(ToHex(back.usm.authParams), "a0a1a2a3a4a5a6a7a8a9aaab");
    const SnmpScopedPdu scoped = DecodeScopedPdu(back.data.data(), back.data.size());
    EXPECT_EQ(scoped.contextName, "ctx");
    EXPECT_EQ(scoped.contextEngineId, msg.usm.engineId);
    EXPECT_EQ(ToHex(scoped.pdu), "a00b0201010201000201003000");
}

TEST(V3Message, EncryptedDataTravelsAsOctetsAndTrailingPaddingIsIgnored) {
    SnmpV3Message msg = SampleMessage();
    msg.flags |= kV3FlagPriv;
    msg.usm.privParams = FromHex("0102030405060708");
    msg.data = FromHex("deadbeef");
    std::size_t authOffset = 0;
    const std::vector<std::uint8_t> wire = EncodeV3Message(msg, authOffset);
    EXPECT_EQ(ToHex(std::vector<std::uint8_t>(wire.end() - 6, wire.end())), "0404deadbeef");
    std::size_t offset = 0;
    EXPECT_EQ(DecodeV3Message(wire.data(), wire.size(), offset).data, msg.data);

    std::vector<std::uint8_t> padded = EncodeScopedPdu({{}, "", FromHex("a2023000")});
    padded.insert(padded.end(), {0, 0, 0});
    EXPECT_EQ(ToHex(DecodeScopedPdu(padded.data(), padded.size()).pdu), "a2023000");
}

TEST(V3Message, RefusesHeadersThatBreakTheRules) {
    const auto decodeFails = [](SnmpV3Message msg) {
        std::size_t offset = 0;
        const std::vector<std::uint8_t> wire = EncodeV3Message(msg, offset);
        return wire;
    };
    SnmpV3Message privOnly = SampleMessage();
    privOnly.flags = kV3FlagPriv;
    EXPECT_THROW(decodeFails(privOnly), CSnmpException);
    SnmpV3Message otherModel = SampleMessage();
    otherModel.securityModel = 2;
    EXPECT_THROW(decodeFails(otherModel), CSnmpException);
    SnmpV3Message longUser = SampleMessage();
    longUser.usm.userName.assign(33, 'u');
    EXPECT_THROW(decodeFails(longUser), CSnmpException);

    std::size_t offset = 0;
    const std::vector<std::uint8_t> v2c = FromHex("300f02010104067075626c6963a0023000");
    try {
        DecodeV3Message(v2c.data(), v2c.size(), offset);
        FAIL();
    } catch (const CSnmpException& e) {
        EXPECT_EQ(e.m_wCode, SNMP_ERR_VERSION);
    }
    EXPECT_EQ(PeekSnmpVersion(v2c.data(), v2c.size()), 1);
}

TEST(V3Message, EveryTruncationIsRefusedWithinTheBytes) {
    SnmpV3Message msg = SampleMessage();
    msg.flags |= kV3FlagPriv;
    msg.usm.privParams = FromHex("0102030405060708");
    msg.data = FromHex("00112233445566778899");
    std::size_t offset = 0;
    const std::vector<std::uint8_t> wire = EncodeV3Message(msg, offset);
    for (std::size_t size = 0; size < wire.size(); ++size) {
        // A copy of exactly `size` bytes, so the sanitizer sees any read past them.
        const std::vector<std::uint8_t> cut(wire.begin(),
                                            wire.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(DecodeV3Message(cut.data(), cut.size(), offset), CSnmpException) << size;
    }
}

} // namespace
