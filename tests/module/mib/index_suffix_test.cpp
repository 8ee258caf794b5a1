#include <gtest/gtest.h>

#include "module/mib/CIndexSuffix.h"

namespace {
const _NmOidTable kMacRow{SNMP_TYPE_MAC, 0x11, "1.1", "Mac", nullptr, 0};
const _NmOidTable kTextRow{SNMP_TYPE_OCTETS, 0x11, "1.2", "Text", nullptr, 0};
const _NmOidTable kIpRow{SNMP_TYPE_IPADDR, 0x11, "1.3", "Ip", nullptr, 0};
} // namespace

TEST(IndexSuffix, MacTextOfExactlySeventeenCharactersGivesSixBytes) {
    EXPECT_EQ(CIndexSuffix(&kMacRow, "00:80:c8:01:02:03").GetSuffix(), ".0.128.200.1.2.3");
    EXPECT_EQ(CIndexSuffix(&kMacRow, ".FF-FF-FF-FF-FF-FE").GetSuffix(), ".255.255.255.255.255.254");
    EXPECT_EQ(CIndexSuffix(&kMacRow, "0g:80:c8:01:02:0z").GetSuffix(), ".0.128.200.1.2.0");
    EXPECT_EQ(CIndexSuffix(&kMacRow, "00:80:c8:01:02:3").GetSuffix(), "");
    EXPECT_EQ(CIndexSuffix(&kMacRow, "00:80:c8:01:02:03:").GetSuffix(), "");
}

TEST(IndexSuffix, OctetTextGivesLengthThenUnsignedCharacterCodes) {
    EXPECT_EQ(CIndexSuffix(&kTextRow, ".ab").GetSuffix(), ".2.97.98");
    EXPECT_EQ(CIndexSuffix(&kTextRow, "\xE9").GetSuffix(), ".1.233");
}

TEST(IndexSuffix, OtherTypesAppendTheTextAndNothingGivesNothing) {
    EXPECT_EQ(CIndexSuffix(&kIpRow, "10.1.2.3").GetSuffix(), ".10.1.2.3");
    EXPECT_EQ(CIndexSuffix(&kIpRow, ".5").GetSuffix(), ".5");
    EXPECT_EQ(CIndexSuffix(&kIpRow, "").GetSuffix(), "");
    EXPECT_EQ(CIndexSuffix(nullptr, "5").GetSuffix(), "");
}
