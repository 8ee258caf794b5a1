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

TEST(OctetText, CharactersNoWindowCanShowAreMarkedByteForByte) {
    // A zero byte and a tab in UTF-8 text, and C1 bytes in a Latin-1 reading.
    EXPECT_EQ(ShowableText(std::string("A\x00"
                                       "B\x09",
                                       4)),
              "A\u2039"
              "00\u203AB\u2039"
              "09\u203A");
    EXPECT_EQ(ShowableText("caf\xE9\x85"), "caf\xC3\xA9\u2039"
                                           "85\u203A");
    EXPECT_EQ(ShowableText("\xC2\x85"), "\u2039"
                                        "C2\u203A\u2039"
                                        "85\u203A")
        << "NEL in UTF-8: both of its octets";
    EXPECT_EQ(ShowableText("B\xC3\xBCro \xF0\x9F\x98\x80"), "B\xC3\xBCro \xF0\x9F\x98\x80");

    const std::vector<ShownPiece> pieces = ShownPieces(std::string("\x7F"
                                                                   "x\xFC",
                                                                   3));
    ASSERT_EQ(pieces.size(), 3u) << "Latin-1: one piece a byte";
    EXPECT_TRUE(pieces[0].isMark);
    EXPECT_EQ(pieces[0].octets, "\x7F");
    EXPECT_FALSE(pieces[1].isMark);
    EXPECT_EQ(pieces[2].shown, "\xC3\xBC");
    EXPECT_EQ(pieces[2].octets, "\xFC");
}
