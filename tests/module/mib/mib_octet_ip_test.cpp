#include <gtest/gtest.h>

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

TEST(MibOctetString, KeepsEveryByteButShowsTextUpToTheFirstZero) {
    CMibOctetString value;
    EXPECT_EQ(value.FormatIndex(), ".0");
    EXPECT_EQ(value.GetData(), nullptr);
    SetText(value, std::string("ab\0c", 4), kNames);
    EXPECT_EQ(value.GetLength(), 4);
    EXPECT_EQ(value.GetData()[4], 0); // terminated after the data
    EXPECT_EQ(value.Format(), "ab");
    EXPECT_EQ(value.FormatIndex(), ".4.97.98.0.99");
    value.Parse("public");
    EXPECT_EQ(value.Format(), "public");
    EXPECT_EQ(value.GetEnumTable(), nullptr);
}

TEST(MibOctetString, IndexReadsLengthThenBytesOrStaysEmpty) {
    CMibOctetString value;
    EXPECT_EQ(value.ParseIndex(".3.97.98.99.5"), ".5");
    EXPECT_EQ(value.Format(), "abc");
    EXPECT_EQ(value.ParseIndex("2.356.65"), ""); // each byte keeps its low 8 bits
    EXPECT_EQ(value.GetData()[0], 100);

    for (const char* suffix : {".3.97.98", ".0.7", "", ".-2.1.1"}) {
        SetText(value, "old");
        EXPECT_EQ(value.ParseIndex(suffix), "") << suffix;
        EXPECT_TRUE(value.IsEmpty()) << suffix;
    }
}

TEST(MibOctetString, CopyFromAnotherClassKeepsTheOldState) {
    CMibOctetString value;
    SetText(value, "keep");
    CMibInt32 number;
    EXPECT_FALSE(value.CopyFrom(number));
    EXPECT_EQ(value.Format(), "keep");

    CMibOctetString source;
    SetText(source, "new", kNames);
    EXPECT_TRUE(value.CopyFrom(source));
    source.SetEmpty();
    EXPECT_EQ(value.Format(), "new");
    EXPECT_EQ(value.GetEnumTable(), kNames);
    EXPECT_EQ(value.Clone()->FormatIndex(), ".3.110.101.119");
}

TEST(MibIPAddress, ParsingNeedsFourPartsAndTruncatesEachToEightBits) {
    CMibIPAddress value;
    value.Parse("10.1.2");
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(value.FormatIndex(), ".0.0.0.0");
    value.Parse("300.1.2.3");
    EXPECT_EQ(value.Format(), "44.1.2.3");
    value.Parse("0.0.0.1");
    EXPECT_FALSE(value.IsEmpty());
    EXPECT_EQ(value.ParseIndex(".10.0.0.7.3.97"), ".3.97");
    EXPECT_EQ(value.FormatIndex(), ".10.0.0.7");
}

TEST(MibIPAddress, RawBytesTakeTheFirstFourAndNeverReadPastAShortValue) {
    CMibIPAddress value;
    const std::uint8_t bytes[] = {0xC0, 0xA8, 0x00, 0x01, 0x55};
    value.SetRaw(bytes, 5, nullptr);
    EXPECT_EQ(value.Format(), "192.168.0.1");
    value.SetRaw(bytes, 2, nullptr);
    EXPECT_EQ(value.Format(), "192.168.0.0");

    CMibOctetString text;
    EXPECT_FALSE(value.CopyFrom(text));
    EXPECT_TRUE(value.IsEmpty());
}
