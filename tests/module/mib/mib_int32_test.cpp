#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "module/mib/CMibIPAddress.h"
#include "module/mib/CMibInt32.h"

namespace {
const _NmEnumPair kDisableEnable[] = {{2, "Disable"}, {3, "Enable"}, {0, nullptr}};
const _NmEnumPair kOnOff[] = {{1, "On"}, {2, "Off"}, {0, nullptr}};

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

    SetRawNumber(value, 7, nullptr); // a value without a pair keeps the table
    EXPECT_EQ(value.Format(), "");

    value.Parse("Disable");
    EXPECT_EQ(value.GetValue(), 2);
    value.Parse("enable"); // case matters: no pair, so the value becomes empty
    EXPECT_EQ(value.GetValue(), -1);
    EXPECT_TRUE(value.IsEmpty());
}

TEST(MibInt32, MinusOneIsEmptyFormatsUnsignedAndIndexesAsZero) {
    CMibInt32 value;
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(value.GetData(), nullptr);
    EXPECT_EQ(value.GetLength(), 4);
    EXPECT_EQ(value.Format(), "4294967295");
    EXPECT_EQ(value.FormatIndex(), ".0");

    value.SetValue(-7);
    EXPECT_FALSE(value.IsEmpty());
    EXPECT_EQ(value.Format(), "4294967289");
    EXPECT_EQ(value.FormatIndex(), ".-7");
    ASSERT_NE(value.GetData(), nullptr);
    std::int32_t raw = 0;
    std::memcpy(&raw, value.GetData(), 4);
    EXPECT_EQ(raw, -7);
}

TEST(MibInt32, PlainTextParsesLeadingDecimalDigits) {
    CMibInt32 value;
    value.Parse("300 seconds");
    EXPECT_EQ(value.GetValue(), 300);
    value.Parse("none");
    EXPECT_EQ(value.GetValue(), 0);
    EXPECT_FALSE(value.IsEmpty());
    value.Parse("4294967295"); // what Format shows for the empty value reads back as empty
    EXPECT_TRUE(value.IsEmpty());
}

TEST(MibInt32, IndexReadsFirstComponentAndGivesBackTheRest) {
    CMibInt32 value;
    EXPECT_EQ(value.ParseIndex(".1.5"), ".5");
    EXPECT_EQ(value.GetValue(), 1);
    EXPECT_EQ(value.ParseIndex(".5"), "");
    EXPECT_EQ(value.GetValue(), 5);
    EXPECT_EQ(value.ParseIndex("12"), "");
    EXPECT_EQ(value.GetValue(), 12);
    EXPECT_EQ(value.ParseIndex(""), "");
    EXPECT_TRUE(value.IsEmpty());
    value.SetValue(28);
    EXPECT_EQ(value.FormatIndex(), ".28");
}

TEST(MibInt32, RawValueReplacesTableOnlyWhenGiven) {
    CMibInt32 value;
    SetRawNumber(value, 1, kOnOff);
    EXPECT_EQ(value.Format(), "On");
    SetRawNumber(value, 2, nullptr);
    EXPECT_EQ(value.Format(), "Off");
    SetRawNumber(value, 2, kDisableEnable);
    EXPECT_EQ(value.Format(), "Disable");
}

TEST(MibInt32, ShortRawValueReadsOnlyItsOwnBytes) {
    CMibInt32 value;
    const std::uint8_t one[1] = {0x05};
    value.SetRaw(one, 1, nullptr);
    EXPECT_EQ(value.GetValue() & 0xFF, 5); // the byte given; nothing past it was read
    value.SetRaw(nullptr, 4, nullptr);
    EXPECT_EQ(value.GetValue(), 0);
}

TEST(MibInt32, CopyFromAcceptsOnlyIntegersAndCloneKeepsClassValueAndTable) {
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
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetRuntimeClass(), RUNTIME_CLASS(CMibInt32));
    EXPECT_EQ(clone->Format(), "Enable");
    source.SetValue(2);
    EXPECT_EQ(clone->Format(), "Enable"); // an independent copy
}

TEST(MibInt32, ValueClassesAreCreatableByName) {
    for (const char* name : {"CMibInt32", "CMibOctetString", "CMibIPAddress"}) {
        std::unique_ptr<CObject> object(CRuntimeClass::CreateObject(name));
        ASSERT_NE(object, nullptr) << name;
        EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CMibData))) << name;
        EXPECT_STREQ(object->GetRuntimeClass()->m_lpszClassName, name);
        EXPECT_TRUE(static_cast<CMibData*>(object.get())->IsEmpty()) << name;
    }
    EXPECT_EQ(CRuntimeClass::CreateObject("CMibData"), nullptr); // abstract
}
