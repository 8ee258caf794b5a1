// Octets from the switch or the command line become Qt text and back without loss: UTF-8 shows
// as its characters, other bytes one character each, and typed text goes out as UTF-8.
#include "platform/ui/OctetText.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(OctetText, Utf8IsShownAsItsCharacters) {
    EXPECT_EQ(TextFromOctets("B\xC3\xBCro 3 \xE2\x80\x93 Raum"),
              QString::fromUtf8("Büro 3 – Raum"));
    EXPECT_EQ(TextFromOctets("\xF0\x9F\x98\x80"), QString::fromUtf8("😀"));
    EXPECT_EQ(TextFromOctets(""), QString());
}

TEST(OctetText, OtherBytesAreShownOneCharacterEach) {
    // "Büro" as another tool stored it in Latin-1: shown legibly, not as replacement marks.
    EXPECT_EQ(TextFromOctets("B\xFCro"), QString::fromUtf8("Büro"));
    // Forms UTF-8 forbids: overlong, a surrogate, beyond U+10FFFF, cut short, a stray follower.
    for (const char* bytes :
         {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ab\xE2\x82", "\x80"}) {
        EXPECT_FALSE(IsUtf8(bytes)) << bytes;
        EXPECT_EQ(TextFromOctets(bytes).size(), qsizetype(std::strlen(bytes))) << bytes;
    }
}

TEST(OctetText, TypedTextGoesOutAsUtf8AndComesBackTheSame) {
    const QString typed = QString::fromUtf8("Büro 3 – Raum");
    const std::string octets = OctetsFromText(typed);
    EXPECT_EQ(octets, "B\xC3\xBCro 3 \xE2\x80\x93 Raum");
    EXPECT_EQ(TextFromOctets(octets), typed);
}
