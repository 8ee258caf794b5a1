#pragma once
// Records passed to the table control.

#include <cstdint>

// One column: width in pixels and NUL-terminated caption.
struct _CAPTIONDATA {
    std::int32_t width;
    char caption[80];
};

// One cell: NUL-terminated text (at most 255 characters); attribute 1 draws it in blue.
struct _DATAOBJ {
    char text[256];
    std::int32_t attribute;
};
