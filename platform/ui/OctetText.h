#pragma once
// The one place where the program's texts, which are octets (what the switch holds, what the
// command line gave, what a table cell shows), meet Qt's strings. Octets that are valid UTF-8
// are shown as such; any other octets are shown one character a byte (Latin-1), so they stay
// legible. What the operator types becomes UTF-8. Control characters (C0, DEL, C1), which no
// window can show, are shown as a mark for each of their octets: "‹00›" for a zero byte.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

// Whether `octets` are well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool IsUtf8(std::string_view octets);
// The characters the octets stand for: UTF-8 when they are UTF-8, Latin-1 otherwise.
QString TextFromOctets(std::string_view octets);
// The octets of a text the operator typed or a widget holds: its UTF-8.
std::string OctetsFromText(const QString& text);

// One character as a window shows it (UTF-8) and the octets it stands for; `isMark` for the
// mark of a character that cannot be shown.
struct ShownPiece {
    std::string shown;
    std::string octets;
    bool isMark = false;
};
// The characters of `octets` as a window shows them, in order: the octets' own characters when
// they are UTF-8, one character a byte otherwise, control characters as marks.
std::vector<ShownPiece> ShownPieces(std::string_view octets);
// What a window shows for `octets`, as UTF-8: the pieces' texts joined.
std::string ShowableText(std::string_view octets);
