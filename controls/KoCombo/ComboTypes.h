#pragma once
// The record a combo box's owner passes to InitComboBox, one per list entry.

#include <cstdint>

struct _zrkenumerate {
    std::int32_t value; // the entry's value (an enumerated MIB value in the program)
    char text[80];      // NUL-terminated entry text
};
