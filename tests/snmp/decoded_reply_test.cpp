// A request takes over the reply decoded for it: it must end up exactly as decoding the same
// datagram into the request would leave it, whatever the reply carries.

#include <gtest/gtest.h>

#include <memory>

#include "SnmpTestBytes.h"
#include "snmp/SnmpDecodedReply.h"

namespace {

// A request as a requester leaves it after sending: a name, a type with a high byte, fields
// that a reply must replace (or, for a trap, keep).
std::unique_ptr<CSnmpMsg> SentRequest(int version) {
    auto msg = std::make_unique<CSnmpMsg>(nullptr, "127.0.0.1", "tessla", 0x05A1);
    msg->m_nVersion = version;
    msg->m_pPdu->AddOid("1.3.6.1.2.1.1.5.0");
    msg->m_pPdu->AddOid("1.3.6.1.2.1.1.6.0", std::uint32_t{9}, SNMP_TYPE_COUNTER);
    msg->m_pPdu->m_dwReqId = 77;
    msg->m_pPdu->m_dwErrorStatus = 3;
    msg->m_pPdu->m_dwErrorIndex = 4;
    std::fill(std::begin(msg->m_buf), std::end(msg->m_buf), 0xEE);
    msg->m_nLen = 40;
    return msg;
}

// The datagram as the socket receives it: short images in m_buf, longer ones beside it.
std::unique_ptr<CSnmpMsg> Arrived(const Bytes& image, int version) {
    auto msg = std::make_unique<CSnmpMsg>(nullptr, "127.0.0.1:161", "", 0);
    msg->m_nVersion = version;
    if (image.size() > static_cast<std::size_t>(kSnmpBufferSize)) {
        msg->m_largeImage = image;
    } else {
        std::copy(image.begin(), image.end(), msg->m_buf);
    }
    msg->m_nLen = static_cast<int>(image.size());
    msg->m_timeReceivedMs = 1234567;
    return msg;
}

void ExpectSameMessage(const CSnmpMsg& a, const CSnmpMsg& b) {
    EXPECT_TRUE(std::equal(std::begin(a.m_buf), std::end(a.m_buf), std::begin(b.m_buf)));
    EXPECT_EQ(a.m_largeImage, b.m_largeImage);
    EXPECT_EQ(a.m_nLen, b.m_nLen);
    EXPECT_EQ(a.m_timeReceivedMs, b.m_timeReceivedMs);
    EXPECT_EQ(a.m_strCommunity, b.m_strCommunity);
    EXPECT_EQ(a.m_wPduType, b.m_wPduType);
    EXPECT_EQ(a.m_pPdu->m_dwReqId, b.m_pPdu->m_dwReqId);
    EXPECT_EQ(a.m_pPdu->m_dwErrorStatus, b.m_pPdu->m_dwErrorStatus);
    EXPECT_EQ(a.m_pPdu->m_dwErrorIndex, b.m_pPdu->m_dwErrorIndex);
    const auto& x = a.m_pPdu->m_varBindList;
    const auto& y = b.m_pPdu->m_varBindList;
    ASSERT_EQ(x.size(), y.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        const CSnmpVarBind& p = *x.begin()[i];
        const CSnmpVarBind& q = *y.begin()[i];
        EXPECT_EQ(p.m_strOid, q.m_strOid) << i;
        EXPECT_EQ(p.m_byType, q.m_byType) << i;
        EXPECT_EQ(p.m_wLength, q.m_wLength) << i;
        EXPECT_EQ(p.GetInt64(), q.GetInt64()) << i;
        EXPECT_EQ(p.GetText(), q.GetText()) << i;
    }
}

// Decoded into the request itself (as it was done before), and taken over from the socket's
// own decode: the two requests must not differ in anything a receiver can read.
void ExpectTakeOverMatchesDecodingInPlace(const Bytes& image, int version) {
    const auto inPlace = SentRequest(version);
    const auto arrived = Arrived(image, version);
    std::copy(std::begin(arrived->m_buf), std::end(arrived->m_buf), std::begin(inPlace->m_buf));
    inPlace->m_largeImage = arrived->m_largeImage;
    inPlace->m_nLen = arrived->m_nLen;
    inPlace->m_timeReceivedMs = arrived->m_timeReceivedMs;
    inPlace->m_pPdu->RemoveVarBinds();
    inPlace->SnmpDecode();

    auto reply = Arrived(image, version);
    reply->SnmpDecode();
    const auto takenOver = SentRequest(version);
    SnmpTakeDecodedReply(*takenOver, *reply);
    ExpectSameMessage(*inPlace, *takenOver);
    EXPECT_TRUE(reply->m_pPdu->m_varBindList.empty());
    // The bindings belong to the request alone now: the reply goes, they stay readable.
    reply.reset();
    ExpectSameMessage(*inPlace, *takenOver);
}

Bytes CounterBinding(std::uint8_t column, const Bytes& value) {
    return VarBind({0x06, 0x0A, 0x2B, 0x06, 0x01, 0x04, 0x01, 0x85, 0xB6, 0x38, 0x02, column},
                   value);
}

// A GetResponse with request id 300 (two octets), an error status and its index.
Bytes ErrorResponse(const Bytes& bindings, std::uint8_t status, std::uint8_t index) {
    const Bytes pdu =
        Tlv(0xA2, Cat({{0x02, 0x02, 0x01, 0x2C, 0x02, 0x01, status, 0x02, 0x01, index},
                       Tlv(0x30, bindings)}));
    return Tlv(0x30, Cat({{0x02, 0x01, 0x00}, Tlv(0x04, Text("other")), pdu}));
}

} // namespace

TEST(DecodedReplyTest, RequestTakesOverAReplyAsIfItHadDecodedItItself) {
    // One value of every storage, and an error status with its index.
    const Bytes mixed =
        Cat({VarBind(SysNameOid(), Tlv(0x04, Text("core-7"))),
             CounterBinding(1, {0x41, 0x05, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}),
             CounterBinding(2, {0x02, 0x01, 0xFF}), CounterBinding(3, {0x40, 0x04, 10, 0, 0, 1}),
             CounterBinding(4, {0x06, 0x03, 0x2B, 0x06, 0x01}), CounterBinding(5, {0x05, 0x00})});
    ExpectTakeOverMatchesDecodingInPlace(Response(mixed), SNMP_VERSION_1);
    ExpectTakeOverMatchesDecodingInPlace(ErrorResponse(mixed, 2, 6), SNMP_VERSION_1);

    // Past the list's inline slots and its first block, and names too long to keep inline.
    Bytes many;
    for (std::uint8_t n = 0; n < 40; ++n) {
        many = Cat({many, CounterBinding(n, {0x41, 0x01, n})});
    }
    ExpectTakeOverMatchesDecodingInPlace(Response(many), SNMP_VERSION_1);
    Bytes longName{0x06, 0x3C, 0x2B};
    for (int i = 0; i < 59; ++i) {
        longName.push_back(0x7F);
    }
    ExpectTakeOverMatchesDecodingInPlace(Response(VarBind(longName, {0x05, 0x00})), SNMP_VERSION_1);
}

TEST(DecodedReplyTest, SecondVersionValuesLargeImagesAndTrapsAreTakenOverAlike) {
    // Counter64 and the exceptions, in a reply longer than the switch's 512 bytes.
    Bytes bulk;
    for (std::uint8_t n = 0; n < 30; ++n) {
        bulk = Cat({bulk, CounterBinding(n, {0x46, 0x09, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                             0xFF, 0xFF})});
    }
    bulk = Cat({bulk, CounterBinding(99, {0x82, 0x00})});
    const Bytes large = Response(bulk, 1, "public");
    ASSERT_GT(large.size(), static_cast<std::size_t>(kSnmpBufferSize));
    ExpectTakeOverMatchesDecodingInPlace(large, SNMP_VERSION_2C);

    // A trap carries no request id, status or index: the request keeps its own.
    const Bytes trap =
        Tlv(0x30, Cat({{0x02, 0x01, 0x00},
                       Tlv(0x04, Text("public")),
                       Tlv(0xA4, Tlv(0x30, VarBind(SysNameOid(), Tlv(0x04, Text("x")))))}));
    ExpectTakeOverMatchesDecodingInPlace(trap, SNMP_VERSION_1);
}

TEST(DecodedReplyTest, TakingOverTwiceLeavesTheSecondReplyAndNoStaleBindings) {
    auto request = SentRequest(SNMP_VERSION_1);
    auto first = Arrived(Response(CounterBinding(1, {0x41, 0x01, 0x01})), SNMP_VERSION_1);
    first->SnmpDecode();
    SnmpTakeDecodedReply(*request, *first);
    auto second = Arrived(Response(Cat({CounterBinding(2, {0x41, 0x01, 0x02}),
                                        CounterBinding(3, {0x41, 0x01, 0x03})})),
                          SNMP_VERSION_1);
    second->SnmpDecode();
    SnmpTakeDecodedReply(*request, *second);
    first.reset();
    second.reset();
    ASSERT_EQ(request->m_pPdu->m_varBindList.size(), 2u);
    EXPECT_EQ(request->m_pPdu->m_varBindList.front()->GetUInt32(), 2u);
    EXPECT_EQ(request->m_pPdu->m_varBindList.back()->GetUInt32(), 3u);
    // The emptied reply list takes new bindings again.
    CSnmpPdu pdu;
    pdu.AddOid("1.3");
    request->m_pPdu->m_varBindList.TakeAll(pdu.m_varBindList);
    pdu.AddOid("1.3.6");
    EXPECT_EQ(pdu.m_varBindList.size(), 1u);
    EXPECT_EQ(request->m_pPdu->m_varBindList.front()->m_strOid, "1.3");
}
