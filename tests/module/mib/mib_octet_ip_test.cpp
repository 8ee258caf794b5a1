#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "module/mib/CMibIPAddress.h"
#include "module/mib/CMibInt32.h"
#include "module/mib/CMibOctetString.h"

namespace {
const _NmEnumPair kNames[] = {{0, "zero"}, {0, nullptr}};

void SetText(CMibData& value, const std::string& bytes, const _NmEnumPair* table = nullptr) {
    value.SetRaw(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                 static_cast<int>(bytes.size()), table);
}
} // namespace

TEST(MibOctetString, RawBytesKeepLengthAndTerminatingZero) {
    CMibOctetString value;
    SetText(value, std::string("ab\0c", 4));
    EXPECT_EQ(value.GetLength(), 4);
    ASSERT_NE(value.GetData(), nullptr);
    EXPECT_EQ(value.GetData()[3], 'c');
    EXPECT_EQ(value.GetData()[4], 0);
    EXPECT_EQ(value.Format(), "ab"); // shown as text up to the first zero byte
    EXPECT_EQ(value.FormatIndex(), ".4.97.98.0.99");
}

TEST(MibOctetString, EmptyValueFormatsEmptyAndIndexesAsZero) {
    CMibOctetString value;
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(value.GetData(), nullptr);
    EXPECT_EQ(value.Format(), "");
    EXPECT_EQ(value.FormatIndex(), ".0");
    SetText(value, "abc");
    value.SetEmpty();
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(value.GetData(), nullptr);
}

TEST(MibOctetString, ParseTakesTheTextAndDropsTheTable) {
    CMibOctetString value;
    SetText(value, "x", kNames);
    value.Parse("public");
    EXPECT_EQ(value.Format(), "public");
    EXPECT_EQ(value.GetLength(), 6);
    EXPECT_EQ(value.GetEnumTable(), nullptr);
    EXPECT_EQ(value.FormatIndex(), ".6.112.117.98.108.105.99");
}

TEST(MibOctetString, IndexReadsLengthThenBytesAndGivesBackTheRest) {
    CMibOctetString value;
    EXPECT_EQ(value.ParseIndex(".3.97.98.99.5"), ".5");
    EXPECT_EQ(value.Format(), "abc");
    EXPECT_EQ(value.ParseIndex("2.356.65"), ""); // components keep their low 8 bits
    EXPECT_EQ(value.GetLength(), 2);
    EXPECT_EQ(value.GetData()[0], 100);
    EXPECT_EQ(value.GetData()[1], 65);
}

TEST(MibOctetString, IndexWithTooFewComponentsOrZeroLengthStaysEmpty) {
    CMibOctetString value;
    SetText(value, "old");
    EXPECT_EQ(value.ParseIndex(".3.97.98"), "");
    EXPECT_TRUE(value.IsEmpty());
    SetText(value, "old");
    EXPECT_EQ(value.ParseIndex(".0.7"), "");
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(value.ParseIndex(""), "");
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(value.ParseIndex(".-2.1.1"), ""); // a negative length names no bytes
    EXPECT_TRUE(value.IsEmpty());
}

TEST(MibOctetString, CopyFromAnotherClassKeepsTheOldState) {
    CMibOctetString value;
    SetText(value, "keep");
    CMibInt32 number;
    number.SetValue(3);
    EXPECT_FALSE(value.CopyFrom(number));
    EXPECT_EQ(value.Format(), "keep");

    CMibOctetString source;
    SetText(source, "new", kNames);
    EXPECT_TRUE(value.CopyFrom(source));
    EXPECT_EQ(value.Format(), "new");
    EXPECT_EQ(value.GetEnumTable(), kNames);
    source.SetEmpty();
    EXPECT_EQ(value.Format(), "new"); // its own copy of the bytes
    EXPECT_TRUE(value.CopyFrom(source));
    EXPECT_TRUE(value.IsEmpty());

    SetText(source, "abc");
    std::unique_ptr<CMibData> clone = source.Clone();
    EXPECT_EQ(clone->GetRuntimeClass(), RUNTIME_CLASS(CMibOctetString));
    EXPECT_EQ(clone->FormatIndex(), ".3.97.98.99");
}

TEST(MibIPAddress, ParsingNeedsFourPartsAndTruncatesEachToEightBits) {
    CMibIPAddress value;
    value.Parse("10.1.2");
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(value.Format(), "0.0.0.0");
    EXPECT_EQ(value.FormatIndex(), ".0.0.0.0");
    EXPECT_EQ(value.GetData(), nullptr);

    value.Parse("300.1.2.3");
    EXPECT_EQ(value.Format(), "44.1.2.3");
    value.Parse("0.0.0.1");
    EXPECT_FALSE(value.IsEmpty());
    value.Parse("192.168.0.1");
    EXPECT_EQ(value.FormatIndex(), ".192.168.0.1");
}

TEST(MibIPAddress, IndexReadsFourComponentsAndGivesBackTheRest) {
    CMibIPAddress value;
    EXPECT_EQ(value.ParseIndex(".10.0.0.7.3.97"), ".3.97");
    EXPECT_EQ(value.Format(), "10.0.0.7");
    EXPECT_EQ(value.ParseIndex(".10.0.7"), "");
    EXPECT_TRUE(value.IsEmpty());
}

TEST(MibIPAddress, RawBytesTakeTheFirstFourAndNeverReadPastAShortValue) {
    CMibIPAddress value;
    const std::uint8_t bytes[] = {0xC0, 0xA8, 0x00, 0x01, 0x55};
    value.SetRaw(bytes, 5, kNames);
    EXPECT_EQ(value.Format(), "192.168.0.1");
    EXPECT_EQ(value.GetLength(), 4);
    EXPECT_EQ(value.GetEnumTable(), kNames);
    ASSERT_NE(value.GetData(), nullptr);
    EXPECT_EQ(value.GetData()[0], 0xC0);

    value.SetRaw(bytes, 2, nullptr);
    EXPECT_EQ(value.Format(), "192.168.0.0");
}

TEST(MibIPAddress, CopyFromAnotherClassLeavesItEmpty) {
    CMibIPAddress value;
    value.Parse("10.1.2.3");
    CMibOctetString text;
    text.Parse("10.1.2.3");
    EXPECT_FALSE(value.CopyFrom(text));
    EXPECT_TRUE(value.IsEmpty());

    CMibIPAddress source;
    source.Parse("10.9.8.7");
    EXPECT_TRUE(value.CopyFrom(source));
    EXPECT_EQ(value.Format(), "10.9.8.7");
    EXPECT_EQ(source.Clone()->Format(), "10.9.8.7");
}
