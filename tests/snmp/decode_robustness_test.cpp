#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>

#include "SnmpTestBytes.h"

namespace {

const std::set<int> kDecodeCodes{1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 15};

// Decodes and returns -1 on success or the code raised; anything else escaping fails the test.
int Decode(const Bytes& bytes) {
    std::unique_ptr<CSnmpMsg> msg(Received(bytes));
    try {
        msg->SnmpDecode();
        return -1;
    } catch (const CSnmpException& e) {
        return e.m_wCode;
    }
}

Bytes ValidReply() {
    return Response(Cat({
        VarBind(SysNameOid(), Bytes{0x04, 0x05, 's', 'w', 'i', 't', 'c'}),
        VarBind(Bytes{0x06, 0x03, 0x2B, 0x86, 0x01}, Bytes{0x41, 0x03, 0x01, 0x02, 0x03}),
        VarBind(SysNameOid(), Bytes{0x06, 0x03, 0x2B, 0x06, 0x01}),
        VarBind(SysNameOid(), Bytes{0x40, 0x04, 127, 0, 0, 1}),
        VarBind(SysNameOid(), Bytes{0x05, 0x00}),
    }));
}

} // namespace

TEST(DecodeRobustnessTest, EveryTruncatedPrefixEndsInAListedCode) {
    const Bytes reply = ValidReply();
    ASSERT_EQ(Decode(reply), -1);
    for (std::size_t n = 0; n < reply.size(); ++n) {
        const int code = Decode(Bytes(reply.begin(), reply.begin() + static_cast<long>(n)));
        EXPECT_TRUE(kDecodeCodes.count(code)) << "prefix " << n << " gave " << code;
    }
}

TEST(DecodeRobustnessTest, EverySingleByteCorruptionDecodesOrEndsInAListedCode) {
    const Bytes reply = ValidReply();
    for (std::size_t i = 0; i < reply.size(); ++i) {
        for (int v = 0; v < 256; ++v) {
            Bytes bad = reply;
            bad[i] = static_cast<std::uint8_t>(v);
            const int code = Decode(bad);
            EXPECT_TRUE(code == -1 || kDecodeCodes.count(code))
                << i << "=" << v << " gave " << code;
        }
    }
}

TEST(DecodeRobustnessTest, HugeLengthFieldsAreRejected) {
    for (const Bytes& length : {Bytes{0x84, 0xFF, 0xFF, 0xFF, 0xFF}, Bytes{0x84, 0x80, 0, 0, 0},
                                Bytes{0x82, 0xFF, 0xFF}, Bytes{0x81, 0xFF}}) {
        EXPECT_EQ(Decode(Cat({Bytes{0x30}, length, Bytes{0x02, 0x01, 0x00}})), 15);
        EXPECT_EQ(Decode(Response(Cat({Bytes{0x30}, length}))), 15);
        EXPECT_EQ(Decode(Response(VarBind(SysNameOid(), Cat({Bytes{0x04}, length})))), 15);
    }
}

TEST(DecodeRobustnessTest, RandomDatagramsNeverEscapeTheListedCodes) {
    std::mt19937 rng(20261208);
    const Bytes reply = ValidReply();
    for (int round = 0; round < 20000; ++round) {
        Bytes bytes;
        if (round % 2 == 0) {
            bytes.resize(rng() % 513);
            for (auto& b : bytes) {
                b = static_cast<std::uint8_t>(rng());
            }
        } else {
            bytes = reply;
            for (int k = 0; k < 4; ++k) {
                bytes[rng() % bytes.size()] = static_cast<std::uint8_t>(rng());
            }
            bytes.resize(rng() % (bytes.size() + 1));
        }
        const int code = Decode(bytes);
        ASSERT_TRUE(code == -1 || kDecodeCodes.count(code)) << round << " gave " << code;
    }
}

TEST(DecodeRobustnessTest, LengthBeyondTheBufferIsClamped) {
    std::unique_ptr<CSnmpMsg> msg(Received(ValidReply()));
    msg->m_nLen = 100000; // a caller's bad length never lets the decoder read past m_buf
    try {
        msg->SnmpDecode();
    } catch (const CSnmpException& e) {
        EXPECT_TRUE(kDecodeCodes.count(e.m_wCode));
    }
    msg->m_nLen = -3;
    try {
        msg->SnmpDecode();
        FAIL() << "a negative length decoded";
    } catch (const CSnmpException& e) {
        EXPECT_EQ(e.m_wCode, 15);
    }
}
