#include "tools/controls-gallery/GallerySamples.h"

namespace GallerySamples {

const char* const kMenuCaptions[3] = {"Configuration", "Statistics", "Help"};

const MenuCommand kMenuCommands[] = {
    {0, 40001, "System Information"}, {0, 40002, "Port Settings"}, {0, 40003, "Reset Switch"},
    {1, 40011, "Port Traffic"},       {1, 40012, "Line Curve"},    {1, 40013, "Bar Graph"},
    {2, 40021, "About Gallery"},
};
const int kMenuCommandCount = int(sizeof kMenuCommands / sizeof kMenuCommands[0]);

const _CAPTIONDATA kColumns[3] = {{30, "Port"}, {150, "Object"}, {140, "Value"}};

const TableRow kRows[] = {
    {"5", "Port Type", "10/100BaseTX", false},
    {"5", "Link", "Link Pass", false},
    {"5", "Speed", "100 Mbps", true},
    {"5", "Duplex", "Full Duplex", true},
    {"5", "Auto-negotiation", "Enabled", false},
    {"5", "Broadcast Storm", "Normal", false},
    {"5", "Port Lock", "Disabled", false},
    {"5", "Link Alarm", "Disabled", false},
    {"5", "In Octets", "18324711", false},
    {"5", "Out Octets", "9021344", false},
    {"5", "In Errors", "0", false},
};
const int kRowCount = int(sizeof kRows / sizeof kRows[0]);

const _zrkenumerate kSpeeds[] = {{1, "10 Mbps"}, {2, "100 Mbps"}, {3, "Auto"}};
const int kSpeedCount = int(sizeof kSpeeds / sizeof kSpeeds[0]);

const char kBannerLabels[4][80] = {"Device", "Agent", "Port", "Poll"};
const char kBannerValues[4][80] = {"Taurel", "127.0.0.1", "5", "5 s"};

const char* MenuCommandText(unsigned id) {
    for (const MenuCommand& c : kMenuCommands)
        if (c.id == id)
            return c.text;
    return nullptr;
}

} // namespace GallerySamples
