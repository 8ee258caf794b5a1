#pragma once
// Copying into the controls' fixed-size text slots: a longer text is cut to what the slot holds
// and the slot always ends with a NUL; a null text leaves an empty slot.

#include <cstddef>
#include <cstring>

template <std::size_t N> void CopyFixedText(char (&slot)[N], const char* text) {
    if (!text)
        text = "";
    std::strncpy(slot, text, N - 1);
    slot[N - 1] = '\0';
}
