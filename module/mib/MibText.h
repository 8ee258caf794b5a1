#pragma once
// Text rules shared by the MIB value classes: reading instance suffixes component by component,
// and the lenient decimal and hex readings the dialogs rely on (unreadable text counts 0).

#include <cstdint>
#include <string>

// Splits the first component off an instance suffix such as ".3.97.98". One leading "." is
// dropped; the component runs to the next "." and `rest` starts at that "." so it can be read
// the same way again. Without a further "." the rest is empty.
std::string SuffixFirstComponent(const std::string& suffix, std::string& rest);

// Number of components of a suffix: the "." characters, counting one in front when the text
// does not start with one (so "" and "5" both have one component).
int SuffixComponentCount(const std::string& suffix);

// Optional leading blanks and sign, then decimal digits up to the first other character; no
// digits give 0. Overlong numbers wrap to 32 bits, so "4294967295" reads back as -1.
std::int32_t DecimalValue(const std::string& text);

// Each character is one hex digit (either case); characters that are not hex digits count 0.
std::uint32_t HexTextValue(const std::string& text);
