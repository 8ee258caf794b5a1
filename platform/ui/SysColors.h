#pragma once
// Where the system colours come from. The program is drawn in the classic scheme its controls
// were made for; on a dark desktop (the application palette's window colour is dark) the
// system colours follow the palette's roles instead, so the custom controls match the stock
// ones and their text stays readable. Fixed colours (LEDs, curves, frames) never change.

#include "platform/ui/WinTypes.h"

#include <optional>

// The palette's colour for a system colour index while the palette is dark; nullopt when the
// classic colour applies (a light palette, no application, or an index with no role).
std::optional<COLORREF> PaletteSysColor(int index);
// Whether the system colours follow a dark palette now.
bool SysColorsFromPalette();
