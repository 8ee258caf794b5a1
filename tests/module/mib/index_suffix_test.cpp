#include <gtest/gtest.h>

#include "module/mib/CIndexSuffix.h"
#include "module/mib/MibText.h"

namespace {
const _NmOidTable kMacRow{SNMP_TYPE_MAC, 0x11, "1.3.6.1.4.1.88888.1", "Mac", nullptr, 0};
const _NmOidTable kTextRow{SNMP_TYPE_OCTETS, 0x11, "1.3.6.1.4.1.88888.2", "Text", nullptr, 0};
const _NmOidTable kIpRow{SNMP_TYPE_IPADDR, 0x11, "1.3.6.1.4.1.88888.3", "Ip", nullptr, 0};
const _NmOidTable kIntRow{SNMP_TYPE_INTEGER, 0x11, "1.3.6.1.4.1.88888.4", "Int", nullptr, 0};
} // namespace

TEST(IndexSuffix, MacTextOfSeventeenCharactersGivesSixDecimalBytes) {
    EXPECT_EQ(CIndexSuffix(&kMacRow, "00:80:c8:01:02:03").GetSuffix(), ".0.128.200.1.2.3");
    EXPECT_EQ(CIndexSuffix(&kMacRow, "00-80-C8-01-02-03").GetSuffix(), ".0.128.200.1.2.3");
    EXPECT_EQ(CIndexSuffix(&kMacRow, ".FF FF FF FF FF FE").GetSuffix(), ".255.255.255.255.255.254");
    EXPECT_EQ(CIndexSuffix(&kMacRow, "0g:80:c8:01:02:0z").GetSuffix(), ".0.128.200.1.2.0");
    EXPECT_EQ(CIndexSuffix(&kMacRow, "00:80:c8:01:02:3").GetSuffix(), "");
    EXPECT_EQ(CIndexSuffix(&kMacRow, "00:80:c8:01:02:03:").GetSuffix(), "");
    EXPECT_EQ(CIndexSuffix(&kMacRow, "0080c8010203").GetSuffix(), "");
}

TEST(IndexSuffix, OctetTextGivesLengthThenCharacterCodes) {
    EXPECT_EQ(CIndexSuffix(&kTextRow, "ab").GetSuffix(), ".2.97.98");
    EXPECT_EQ(CIndexSuffix(&kTextRow, ".ab").GetSuffix(), ".2.97.98");
    EXPECT_EQ(CIndexSuffix(&kTextRow, "\xE9").GetSuffix(), ".1.233"); // codes are unsigned
}

TEST(IndexSuffix, OtherTypesAppendTheTextItself) {
    EXPECT_EQ(CIndexSuffix(&kIpRow, "10.1.2.3").GetSuffix(), ".10.1.2.3");
    EXPECT_EQ(CIndexSuffix(&kIntRow, "5").GetSuffix(), ".5");
    EXPECT_EQ(CIndexSuffix(&kIntRow, ".5").GetSuffix(), ".5");
}

TEST(IndexSuffix, NoRowOrNoTextGivesNoSuffix) {
    EXPECT_EQ(CIndexSuffix(nullptr, "5").GetSuffix(), "");
    EXPECT_EQ(CIndexSuffix(&kIntRow, "").GetSuffix(), "");
    EXPECT_EQ(CIndexSuffix(&kIntRow, "5").GetRow(), &kIntRow);
}

TEST(SuffixRules, ComponentsSplitAtDotsAndTheRestCanBeReadAgain) {
    std::string rest;
    EXPECT_EQ(SuffixFirstComponent(".1.22.3", rest), "1");
    EXPECT_EQ(rest, ".22.3");
    EXPECT_EQ(SuffixFirstComponent(rest, rest), "22");
    EXPECT_EQ(rest, ".3");
    EXPECT_EQ(SuffixFirstComponent(rest, rest), "3");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(SuffixFirstComponent("", rest), "");
    EXPECT_EQ(SuffixFirstComponent("..4", rest), ""); // only one leading dot is dropped
    EXPECT_EQ(rest, ".4");

    EXPECT_EQ(SuffixComponentCount(""), 1);
    EXPECT_EQ(SuffixComponentCount("7"), 1);
    EXPECT_EQ(SuffixComponentCount(".1.2"), 2);
    EXPECT_EQ(SuffixComponentCount("1.2.3"), 3);
}

TEST(SuffixRules, LenientNumbersCountUnreadableCharactersAsZero) {
    EXPECT_EQ(HexTextValue("c8"), 200u);
    EXPECT_EQ(HexTextValue("C8"), 200u);
    EXPECT_EQ(HexTextValue("x8"), 8u);
    EXPECT_EQ(HexTextValue(""), 0u);
    EXPECT_EQ(DecimalValue(" -12x"), -12);
    EXPECT_EQ(DecimalValue("x12"), 0);
    EXPECT_EQ(DecimalValue("4294967296"), 0); // wraps to 32 bits instead of overflowing
}
