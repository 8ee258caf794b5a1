// Value texts typed by operators, converted for set requests.
#include <gtest/gtest.h>

#include <limits>

#include "snmp/SnmpValueText.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Ip = std::array<std::uint8_t, 4>;

Bytes BytesOf(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

TEST(DecimalText, FollowsTheForgivingIntegerRules) {
    EXPECT_EQ(SnmpDecimalText("  -42abc"), -42);
    EXPECT_EQ(SnmpDecimalText("+7"), 7);
    EXPECT_EQ(SnmpDecimalText("abc"), 0);
    EXPECT_EQ(SnmpDecimalText(""), 0);
    EXPECT_EQ(SnmpDecimalText("4294967295"), 4294967295);
    EXPECT_EQ(SnmpDecimalText("99999999999999999999999"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(SnmpDecimalText("-99999999999999999999999"),
              std::numeric_limits<std::int64_t>::min());
}

TEST(HexText, TwoDigitsMakeAByteAndALastSingleDigitOne) {
    EXPECT_EQ(BytesOf(SnmpHexTextToBytes("0a1B3")), (Bytes{0x0A, 0x1B, 0x03}));
    EXPECT_EQ(BytesOf(SnmpHexTextToBytes("ff00")), (Bytes{0xFF, 0x00}));
    EXPECT_EQ(BytesOf(SnmpHexTextToBytes("f")), (Bytes{0x0F}));
    EXPECT_TRUE(SnmpHexTextToBytes("").empty());
}

TEST(IpText, PartsFillBytesFromTheLeftAndUnreachedBytesStayZero) {
    EXPECT_EQ(SnmpIpTextToBytes("192.168.0.1"), (Ip{192, 168, 0, 1}));
    EXPECT_EQ(SnmpIpTextToBytes("10.1"), (Ip{10, 1, 0, 0}));
    EXPECT_EQ(SnmpIpTextToBytes(""), (Ip{0, 0, 0, 0}));
    EXPECT_EQ(SnmpIpTextToBytes("a.b.c.d"), (Ip{0, 0, 0, 0}));
    EXPECT_EQ(SnmpIpTextToBytes("300.1.1.1"), (Ip{44, 1, 1, 1})) << "low 8 bits of 300";
}

TEST(IpText, StopsAtAFifthPartOrAFourCharacterPart) {
    EXPECT_EQ(SnmpIpTextToBytes("1.2.3.4.5"), (Ip{1, 2, 3, 4}));
    EXPECT_EQ(SnmpIpTextToBytes("1.2.3.4."), (Ip{1, 2, 3, 4}));
    EXPECT_EQ(SnmpIpTextToBytes("1.2.1234.4"), (Ip{1, 2, 0, 0}));
    EXPECT_EQ(SnmpIpTextToBytes("1.2.3.4567"), (Ip{1, 2, 3, 0}));
}

TEST(MacText, ColonAndBlankSeparatedFormsGiveSixBytes) {
    const Bytes mac{0x00, 0x80, 0xC8, 0x12, 0x34, 0x56};
    Bytes out;
    ASSERT_TRUE(SnmpMacTextToBytes("00:80:c8:12:34:56", out));
    EXPECT_EQ(out, mac);
    ASSERT_TRUE(SnmpMacTextToBytes("00 80 C8 12 34 56", out));
    EXPECT_EQ(out, mac);
}

TEST(MacText, ShortAndLooseFormsGiveWhatWasStored) {
    Bytes out;
    ASSERT_TRUE(SnmpMacTextToBytes("00:80:", out));
    EXPECT_EQ(out, (Bytes{0x00, 0x80, 0x00}));
    ASSERT_TRUE(SnmpMacTextToBytes("1:2", out));
    EXPECT_EQ(out, (Bytes{0x01, 0x02}));
    ASSERT_TRUE(SnmpMacTextToBytes("0a: -:b", out)) << "non-hex text after a separator is skipped";
    EXPECT_EQ(out, (Bytes{0x0A, 0x0B}));
    ASSERT_TRUE(SnmpMacTextToBytes("", out));
    EXPECT_EQ(out, (Bytes{0x00}));
}

TEST(MacText, RejectsLongGroupsAndMoreThanSixGroups) {
    Bytes out{0xEE};
    EXPECT_FALSE(SnmpMacTextToBytes("0080c8123456", out));
    EXPECT_FALSE(SnmpMacTextToBytes("00:80:c8:12:34:56:", out));
    EXPECT_FALSE(SnmpMacTextToBytes("00:80:c8:12:34:56:78", out));
    EXPECT_FALSE(SnmpMacTextToBytes("00:800:c8", out));
    EXPECT_EQ(out, (Bytes{0xEE})) << "a rejected text leaves the output alone";
}

} // namespace
