#pragma once
// How a choice list's positions relate to an object's values and enumeration texts.

#include "controls/KoCombo/ComboTypes.h"
#include "snmp/NmOidTable.h"

#include <cstdint>
#include <string>
#include <vector>

// Entries of a null-text-terminated enumeration (0 for none).
int EnumCount(const _NmEnumPair* list);
// The text of entry `index`, empty outside the list.
std::string EnumTextAt(const _NmEnumPair* list, int index);
// The last entry whose value equals `value`; -1 when none does.
int EnumIndexOfValue(const _NmEnumPair* list, std::int64_t value);
// The length of the longest text of the enumeration.
std::size_t LongestEnumText(const _NmEnumPair* list);

// The entries of a list whose texts are its own: entry i has the value i.
std::vector<_zrkenumerate> IndexedChoices(const std::vector<const char*>& texts);
// The entries of an enumeration, in table order.
std::vector<_zrkenumerate> EnumChoices(const _NmEnumPair* list);
