#pragma once
// The one place where the program's texts, which are octets (what the switch holds, what the
// command line gave, what a table cell shows), meet Qt's strings. Octets that are valid UTF-8
// are shown as such; any other octets are shown one character a byte (Latin-1), so they stay
// legible. What the operator types becomes UTF-8.

#include <QString>

#include <string>
#include <string_view>

// Whether `octets` are well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool IsUtf8(std::string_view octets);
// The characters the octets stand for: UTF-8 when they are UTF-8, Latin-1 otherwise.
QString TextFromOctets(std::string_view octets);
// The octets of a text the operator typed or a widget holds: its UTF-8.
std::string OctetsFromText(const QString& text);
