#pragma once
// The sample data the gallery shows: a port's information as table rows, the port speed
// choices, the banner's labels and values, and the button menu's commands.

#include "controls/GridCtl/GridTypes.h"
#include "controls/KoCombo/ComboTypes.h"

#include <vector>

namespace GallerySamples {

struct TableRow {
    const char* port;
    const char* object;
    const char* value;
    bool marked; // drawn in blue, as changed values are
};

struct MenuCommand {
    int button; // 0 … 2
    unsigned id;
    const char* text;
};

extern const char* const kMenuCaptions[3];
extern const MenuCommand kMenuCommands[];
extern const int kMenuCommandCount;

extern const _CAPTIONDATA kColumns[3];
extern const TableRow kRows[];
extern const int kRowCount;

extern const _zrkenumerate kSpeeds[];
extern const int kSpeedCount;

extern const char kBannerLabels[4][80];
extern const char kBannerValues[4][80];

// The text of a menu command, or null.
const char* MenuCommandText(unsigned id);

} // namespace GallerySamples
