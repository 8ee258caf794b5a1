#include "module/config/ChoiceValues.h"

#include <algorithm>
#include <cstring>

namespace {

_zrkenumerate Entry(std::int32_t value, const char* text) {
    _zrkenumerate entry{};
    entry.value = value;
    std::strncpy(entry.text, text ? text : "", sizeof entry.text - 1);
    return entry;
}

} // namespace

int EnumCount(const _NmEnumPair* list) {
    int count = 0;
    while (list && list[count].pszText)
        ++count;
    return count;
}

std::string EnumTextAt(const _NmEnumPair* list, int index) {
    if (index < 0 || index >= EnumCount(list))
        return {};
    return list[index].pszText;
}

int EnumIndexOfValue(const _NmEnumPair* list, std::int64_t value) {
    int found = -1;
    for (int i = 0; i < EnumCount(list); ++i)
        if (list[i].nValue == value)
            found = i;
    return found;
}

std::size_t LongestEnumText(const _NmEnumPair* list) {
    std::size_t longest = 0;
    for (int i = 0; i < EnumCount(list); ++i)
        longest = std::max(longest, std::strlen(list[i].pszText));
    return longest;
}

std::vector<_zrkenumerate> IndexedChoices(const std::vector<const char*>& texts) {
    std::vector<_zrkenumerate> entries;
    for (const char* text : texts)
        entries.push_back(Entry(std::int32_t(entries.size()), text));
    return entries;
}

std::vector<_zrkenumerate> EnumChoices(const _NmEnumPair* list) {
    std::vector<_zrkenumerate> entries;
    for (int i = 0; i < EnumCount(list); ++i)
        entries.push_back(Entry(list[i].nValue, list[i].pszText));
    return entries;
}
