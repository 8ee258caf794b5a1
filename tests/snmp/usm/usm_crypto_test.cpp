// Keys, MACs and the cipher against published vectors: key localisation from the user-based
// security model's own examples, HMAC from the HMAC test suites, AES-CFB from NIST's modes.

#include <gtest/gtest.h>

#include <string>

#include "snmp/UsmCrypto.h"
#include "tests/snmp/usm/UsmTestBytes.h"

namespace {

const std::vector<std::uint8_t> kEngineId = FromHex("000000000000000000000002");

TEST(UsmKeys, MapleSyrupStretchedAndLocalisedForMd5AndSha1) {
    const UsmSecret md5 = UsmPasswordToKey(UsmAuthProtocol::MD5, "maplesyrup");
    EXPECT_EQ(ToHex(md5), "9faf3283884e92834ebc9847d8edd963");
    EXPECT_EQ(ToHex(UsmLocalizeKey(UsmAuthProtocol::MD5, md5, kEngineId)),
              "526f5eed9fcce26f8964c2930787d82b");

    const UsmSecret sha = UsmPasswordToKey(UsmAuthProtocol::SHA1, "maplesyrup");
    EXPECT_EQ(ToHex(sha), "9fb5cc0381497b3793528939ff788d5d79145211");
    EXPECT_EQ(ToHex(UsmLocalizeKey(UsmAuthProtocol::SHA1, sha, kEngineId)),
              "6695febc9288e36282235fc7151f128497b38f3f");
}

TEST(UsmKeys, Sha2KeysHaveTheirDigestLengthAndDependOnTheEngine) {
    for (const UsmAuthProtocol protocol : {UsmAuthProtocol::SHA224, UsmAuthProtocol::SHA256,
                                           UsmAuthProtocol::SHA384, UsmAuthProtocol::SHA512}) {
        const UsmSecret key = UsmPasswordToKey(protocol, "maplesyrup");
        ASSERT_EQ(key.size(), UsmDigestLength(protocol));
        const UsmSecret a = UsmLocalizeKey(protocol, key, kEngineId);
        const UsmSecret b = UsmLocalizeKey(protocol, key, FromHex("000000000000000000000003"));
        EXPECT_EQ(a.size(), key.size());
        EXPECT_NE(ToHex(a), ToHex(b));
    }
}

TEST(UsmKeys, EmptyPasswordGivesNoKeyRatherThanADivisionByZero) {
    EXPECT_TRUE(UsmPasswordToKey(UsmAuthProtocol::SHA256, "").empty());
    EXPECT_TRUE(UsmLocalizeKey(UsmAuthProtocol::SHA256, UsmSecret(), kEngineId).empty());
}

TEST(UsmMac, TruncatesTheHmacOfEachProtocol) {
    const std::string data = "Hi There";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
    const std::vector<std::uint8_t> key16(16, 0x0b);
    const std::vector<std::uint8_t> key20(20, 0x0b);
    EXPECT_EQ(ToHex(UsmComputeMac(UsmAuthProtocol::MD5, UsmSecret(key16.data(), 16), bytes, 8)),
              "9294727a3638bb1c13f48ef8");
    EXPECT_EQ(ToHex(UsmComputeMac(UsmAuthProtocol::SHA1, UsmSecret(key20.data(), 20), bytes, 8)),
              "b617318655057264e28bc0b6");
    EXPECT_EQ(ToHex(UsmComputeMac(UsmAuthProtocol::SHA256, UsmSecret(key20.data(), 20), bytes, 8)),
              "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da7");
    EXPECT_EQ(ToHex(UsmComputeMac(UsmAuthProtocol::SHA512, UsmSecret(key20.data(), 20), bytes, 8)),
              "87aa7cdea5ef619d4ff0b4241a1d6cb02379f4e2ce4ec2787ad0b30545e17cde"
              "daa833b7d6b8a702038b274eaea3f4e4");
    EXPECT_EQ(UsmMacLength(UsmAuthProtocol::SHA224), 16u);
    EXPECT_EQ(UsmMacLength(UsmAuthProtocol::SHA384), 32u);
}

TEST(UsmAes, CfbMatchesNistAndRoundTripsOddLengths) {
    const std::vector<std::uint8_t> key = FromHex("2b7e151628aed2a6abf7158809cf4f3c");
    const std::vector<std::uint8_t> iv = FromHex("000102030405060708090a0b0c0d0e0f");
    const std::vector<std::uint8_t> plain = FromHex("6bc1bee22e409f96e93d7e117393172a");
    std::vector<std::uint8_t> cipher;
    ASSERT_TRUE(UsmAesCfb(true, UsmSecret(key.data(), key.size()), iv.data(), plain.data(),
                          plain.size(), cipher));
    EXPECT_EQ(ToHex(cipher), "3b3fd92eb72dad20333449f8e83cfb4a");

    // A scoped PDU is rarely a whole number of blocks; CFB neither pads nor drops bytes.
    const std::vector<std::uint8_t> odd(37, 0x5a);
    std::vector<std::uint8_t> there;
    std::vector<std::uint8_t> back;
    const UsmSecret longKey(FromHex("0102030405060708090a0b0c0d0e0f101112131415").data(), 21);
    ASSERT_TRUE(UsmAesCfb(true, longKey, iv.data(), odd.data(), odd.size(), there));
    ASSERT_TRUE(UsmAesCfb(false, longKey, iv.data(), there.data(), there.size(), back));
    EXPECT_EQ(there.size(), odd.size());
    EXPECT_EQ(back, odd);

    EXPECT_FALSE(
        UsmAesCfb(true, UsmSecret(key.data(), 15), iv.data(), plain.data(), plain.size(), cipher));
}

TEST(UsmAes, IvIsBootsTimeAndSaltInNetworkOrder) {
    const std::vector<std::uint8_t> salt = FromHex("a1a2a3a4a5a6a7a8");
    EXPECT_EQ(ToHex(UsmAesIv(0x01020304, 0x0a0b0c0d, salt.data())),
              "010203040a0b0c0da1a2a3a4a5a6a7a8");
}

TEST(UsmSecretBytes, CopiesAreIndependentAndWipeEmpties) {
    UsmSecret a("password");
    UsmSecret b = a;
    a.Wipe();
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()), b.size()), "password");
    EXPECT_EQ(b.Prefix(4).size(), 4u);
    EXPECT_EQ(b.Prefix(40).size(), 8u);
    std::string text = "secret";
    WipeText(text);
    EXPECT_TRUE(text.empty());
}

} // namespace
