#include <gtest/gtest.h>

#include <list>

#include "module/mib/CMemberSet.h"

namespace {
const _NmEnumPair kThree[] = {{0, "port 1"}, {1, "port 2"}, {2, "port 3"}, {0, nullptr}};
const _NmEnumPair kNine[] = {{0, "a"}, {1, "b"}, {2, "c"}, {3, "d"}, {4, "e"},
                             {5, "f"}, {6, "g"}, {7, "h"}, {8, "i"}, {0, nullptr}};
} // namespace

TEST(MemberSet, HexGivesBitsMembersAndIsRebuiltWhenAMemberChanges) {
    CMemberSet set(kThree);
    EXPECT_FALSE(set.FromHex(""));
    ASSERT_TRUE(set.FromHex("A0"));
    EXPECT_EQ(set.GetBits(), "10100000");
    EXPECT_EQ(set.NextMember(), 0);
    EXPECT_EQ(set.NextMember(), 2);
    EXPECT_EQ(set.NextMember(), -1);
    set.SetMember(1, true);
    EXPECT_EQ(set.GetHex(), "E0");
    set.SetMember(8, true); // beyond the bits: ignored
    EXPECT_EQ(set.GetHex(), "E0");

    ASSERT_TRUE(set.FromHex("a-0f")); // either case; other characters give no bits
    EXPECT_EQ(set.GetBits(), "101000001111");
}

TEST(MemberSet, BitsMustBeWholeBytesOfZerosAndOnes) {
    CMemberSet set(kNine);
    ASSERT_TRUE(set.FromHex("80"));
    EXPECT_FALSE(set.FromBits("1010"));
    EXPECT_FALSE(set.FromBits("10x00000"));
    EXPECT_EQ(set.GetHex(), "80");
    ASSERT_TRUE(set.FromBits("0000000110000000"));
    EXPECT_EQ(set.GetHex(), "0180");
    EXPECT_EQ(set.NextMemberName(), "h");
    EXPECT_EQ(set.NextMemberName(), "i");
    EXPECT_EQ(set.NextMemberName(), "");
}

TEST(MemberSet, NamesStopAtTheMemberCountAndEmptyHexCoversEveryMember) {
    CMemberSet set(kThree);
    ASSERT_TRUE(set.FromHex("21"));
    EXPECT_EQ(set.NextMemberName(), "port 3");
    EXPECT_EQ(set.NextMemberName(), ""); // bit 7 is set but names no member
    EXPECT_EQ(set.GetEmptyHex(), "00");
    EXPECT_EQ(CMemberSet(kNine).GetEmptyHex(), "0000");

    CEnumData second(1, "second"), first(0, "first");
    CMemberSet fromObjects(std::list<CEnumData*>{&second, &first});
    EXPECT_EQ(fromObjects.GetMemberName(0), "first");
}
