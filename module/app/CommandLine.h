#pragma once
// The command line's four options, "/N" name, "/I" agent address, "/R" read community and
// "/W" write community. Each is found by a case-sensitive search of the whole text (the first
// occurrence counts); its value runs from right after the two characters to the next space.
// There is no quoting: a value cannot hold a space.

#include "module/identity/ModuleIdentity.h"

#include <array>
#include <cstdint>
#include <string>

// The four options, in the order they are looked up.
constexpr std::array<const char*, 4> kSwitchOptions = {"/N", "/I", "/R", "/W"};

// True when `text` holds one of the four options anywhere, as the search for them finds it.
bool NamesSwitch(const std::string& text);

// Overrides the values of `identity` whose options occur in `commandLine`.
void ParseCommandLine(const std::string& commandLine, ModuleIdentity& identity);

// Reads "%d.%d.%d.%d" and keeps each number's low 8 bits; false (octets untouched) when the
// text does not start with four dotted numbers.
bool ParseAgentOctets(const std::string& address, std::array<std::uint8_t, 4>& octets);
