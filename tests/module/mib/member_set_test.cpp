#include <gtest/gtest.h>

#include <list>

#include "module/mib/CMemberSet.h"

namespace {
const _NmEnumPair kThree[] = {{0, "port 1"}, {1, "port 2"}, {2, "port 3"}, {0, nullptr}};
const _NmEnumPair kNine[] = {{0, "a"}, {1, "b"}, {2, "c"}, {3, "d"}, {4, "e"},
                             {5, "f"}, {6, "g"}, {7, "h"}, {8, "i"}, {0, nullptr}};
} // namespace

TEST(MemberSet, HexGivesBitsMembersAndRebuildsAfterASetMember) {
    CMemberSet set(kThree);
    ASSERT_TRUE(set.FromHex("A0"));
    EXPECT_EQ(set.GetBits(), "10100000");
    EXPECT_EQ(set.NextMember(), 0);
    EXPECT_EQ(set.NextMember(), 2);
    EXPECT_EQ(set.NextMember(), -1);

    set.SetMember(1, true);
    EXPECT_EQ(set.GetBits(), "11100000");
    EXPECT_EQ(set.GetHex(), "E0");
    set.SetMember(0, false);
    EXPECT_EQ(set.GetHex(), "60");
}

TEST(MemberSet, HexDigitsOfEitherCaseCountAndOtherCharactersAreSkipped) {
    CMemberSet set(kThree);
    EXPECT_FALSE(set.FromHex(""));
    ASSERT_TRUE(set.FromHex("a-0f"));
    EXPECT_EQ(set.GetBits(), "101000001111");
    EXPECT_EQ(set.GetHex(), "a-0f"); // kept as given until a member changes
}

TEST(MemberSet, BitsMustBeWholeBytesOfZerosAndOnes) {
    CMemberSet set(kNine);
    ASSERT_TRUE(set.FromHex("80"));
    EXPECT_FALSE(set.FromBits("1010"));
    EXPECT_FALSE(set.FromBits("10x00000"));
    EXPECT_EQ(set.GetBits(), "10000000"); // failures change nothing
    EXPECT_EQ(set.GetHex(), "80");

    ASSERT_TRUE(set.FromBits("0000000110000000"));
    EXPECT_EQ(set.GetHex(), "0180");
    EXPECT_EQ(set.NextMemberName(), "h");
    EXPECT_EQ(set.NextMemberName(), "i");
    EXPECT_EQ(set.NextMemberName(), "");
}

TEST(MemberSet, NamesComeFromTheEnumerationAndStopAtTheMemberCount) {
    CMemberSet set(kThree);
    EXPECT_EQ(set.GetMemberCount(), 3);
    EXPECT_EQ(set.GetMemberName(2), "port 3");
    EXPECT_EQ(set.GetMemberName(3), "");
    ASSERT_TRUE(set.FromHex("21"));
    EXPECT_EQ(set.NextMemberName(), "port 3");
    EXPECT_EQ(set.NextMemberName(), ""); // bit 7 is set but names no member
    EXPECT_EQ(set.NextMember(), -1);
}

TEST(MemberSet, EmptyHexHasOneZeroPairPerByteOfMembers) {
    EXPECT_EQ(CMemberSet(kThree).GetEmptyHex(), "00");
    EXPECT_EQ(CMemberSet(kNine).GetEmptyHex(), "0000");
    EXPECT_EQ(CMemberSet(static_cast<const _NmEnumPair*>(nullptr)).GetEmptyHex(), "");
}

TEST(MemberSet, SettingAMemberBeyondTheBitsChangesNothing) {
    CMemberSet set(kNine);
    ASSERT_TRUE(set.FromHex("01"));
    set.SetMember(8, true);
    set.SetMember(-1, true);
    EXPECT_EQ(set.GetBits(), "00000001");
    EXPECT_EQ(set.GetHex(), "01");
    set.SetMember(7, false);
    EXPECT_EQ(set.GetHex(), "00");
}

TEST(MemberSet, MadeFromEnumerationObjects) {
    CEnumData first(1, "second member");
    CEnumData zero(0, "first member");
    const std::list<CEnumData*> pairs{&first, &zero};
    CMemberSet set(pairs);
    EXPECT_EQ(set.GetMemberCount(), 2);
    EXPECT_EQ(set.GetMemberName(0), "first member");
    ASSERT_TRUE(set.FromHex("40"));
    EXPECT_EQ(set.NextMemberName(), "second member");
}
