#pragma once
// One button of the button menu. The caller owns the array, fills caption and menu, and keeps
// it alive as long as the control; InitKoMenu writes the layout fields.

#include "platform/ui/CMenu.h"

#include <cstdint>

class CKoMenuObj {
public:
    char caption[20] = {};
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    CMenu menu; // an empty handle opens nothing
};
