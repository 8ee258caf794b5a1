#include <gtest/gtest.h>

#include <cstring>

#include "module/mib/CMibIPAddress.h"
#include "module/mib/CMibInt32.h"

namespace {
const _NmEnumPair kDisableEnable[] = {{2, "Disable"}, {3, "Enable"}, {0, nullptr}};

void SetRawNumber(CMibInt32& value, std::uint32_t number, const _NmEnumPair* table) {
    std::uint8_t bytes[4];
    std::memcpy(bytes, &number, sizeof bytes);
    value.SetRaw(bytes, 4, table);
}
} // namespace

TEST(MibInt32, EnumeratedValuesFormatAndParseByExactText) {
    CMibInt32 value;
    SetRawNumber(value, 3, kDisableEnable);
    EXPECT_EQ(value.Format(), "Enable");
    SetRawNumber(value, 7, nullptr); // no table given: the old one stays
    EXPECT_EQ(value.Format(), "");
    value.Parse("Disable");
    EXPECT_EQ(value.GetValue(), 2);
    value.Parse("enable");
    EXPECT_TRUE(value.IsEmpty());
}

TEST(MibInt32, MinusOneIsEmptyFormatsUnsignedAndIndexesAsZero) {
    CMibInt32 value;
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(value.GetData(), nullptr);
    EXPECT_EQ(value.Format(), "4294967295");
    EXPECT_EQ(value.FormatIndex(), ".0");
    value.SetValue(-7);
    EXPECT_EQ(value.Format(), "4294967289");
    EXPECT_EQ(value.FormatIndex(), ".-7");

    value.Parse("300 seconds");
    EXPECT_EQ(value.GetValue(), 300);
    value.Parse("none");
    EXPECT_EQ(value.GetValue(), 0);
    value.Parse("4294967295"); // the empty value's text reads back as empty
    EXPECT_TRUE(value.IsEmpty());
}

TEST(MibInt32, IndexReadsFirstComponentAndGivesBackTheRest) {
    CMibInt32 value;
    EXPECT_EQ(value.ParseIndex(".1.5"), ".5");
    EXPECT_EQ(value.GetValue(), 1);
    EXPECT_EQ(value.ParseIndex("12"), "");
    EXPECT_EQ(value.GetValue(), 12);
    EXPECT_EQ(value.ParseIndex(""), "");
    EXPECT_TRUE(value.IsEmpty());
}

TEST(MibInt32, ShortRawValueReadsOnlyItsOwnBytes) {
    CMibInt32 value;
    const std::uint8_t one[1] = {0x05};
    value.SetRaw(one, 1, nullptr);
    EXPECT_EQ(value.GetValue() & 0xFF, 5);
    value.SetRaw(nullptr, 4, nullptr);
    EXPECT_EQ(value.GetValue(), 0);
}

TEST(MibInt32, CopyFromAcceptsOnlyIntegersAndCloneIsAnIndependentCopy) {
    CMibInt32 source;
    SetRawNumber(source, 3, kDisableEnable);
    CMibInt32 target;
    EXPECT_TRUE(target.CopyFrom(source));
    EXPECT_EQ(target.Format(), "Enable");

    CMibIPAddress address;
    address.Parse("10.1.2.3");
    EXPECT_FALSE(target.CopyFrom(address));
    EXPECT_TRUE(target.IsEmpty());

    std::unique_ptr<CMibData> clone = source.Clone();
    EXPECT_EQ(clone->GetRuntimeClass(), RUNTIME_CLASS(CMibInt32));
    source.SetValue(2);
    EXPECT_EQ(clone->Format(), "Enable");
}
