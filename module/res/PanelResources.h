#pragma once
// The resource ids of the front panel's bitmaps and the program's icon, and the function that
// draws them and makes them loadable by id.

#include "platform/ui/WinTypes.h"

namespace PanelBitmap {
constexpr UINT kChassis = 700;                             // 495 × 144
constexpr UINT kLargeModule[4] = {166, 167, 168, 169};     // 338 × 33
constexpr UINT kSmallModule[4] = {170, 171, 172, 173};     // 170 × 33
constexpr UINT kPortKind0 = 154, kPortKind0Selected = 148; // 19 × 18
constexpr UINT kPortKind1 = 174, kPortKind1Selected = 175; // 29 × 10
constexpr UINT kPortKind2 = 153, kPortKind2Selected = 147; // 19 × 18
constexpr UINT kPortKind3 = 156, kPortKind3Selected = 155; // 18 × 14
constexpr UINT kPortKind4 = 151, kPortKind4Selected = 152; // 31 × 12
constexpr UINT kPortLed[5] = {176, 177, 178, 179, 180};    // 6 × 4
constexpr UINT kStatusLedOff = 163, kStatusLedOn = 164;    // 5 × 4
} // namespace PanelBitmap

constexpr UINT kModuleIconId = 128;

// Draws every panel bitmap and the icon and registers them by id (once; later calls do nothing).
void RegisterPanelResources();
