#include "module/res/ModuleBitmaps.h"

#include "module/layout/PanelLayout.h"
#include "module/res/BitmapPainting.h"
#include "module/res/PanelResources.h"
#include "platform/ui/GdiObjects.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace Palette16;
using BitmapPainting::Bevel;
using BitmapPainting::Label;
using BitmapPainting::Make;
using BitmapPainting::Screw;

namespace {

struct PortShape {
    int width;
    int height;
    CPoint offset;
};

// The size of each port kind's picture, so a faceplate can cut a dark opening around it.
PortShape ShapeOfKind(int kind) {
    switch (kind) {
    case 1:
        return {29, 10, CPoint(0, 0)};
    case 2:
        return {18, 16, CPoint(0, 0)};
    case 3:
        return {18, 14, CPoint(0, 3)};
    default:
        return {31, 12, CPoint(0, 0)};
    }
}

// The module's name goes where no port or LED is: the widest free stretch of the plate, in up
// to three short lines. A plate filled with ports shows no name.
void LabelInWidestGap(QPainter& p, const ModulePlacement& module, CPoint slotOrigin, int w, int h,
                      const QString& name) {
    PortShape shape = ShapeOfKind(module.portKind);
    std::vector<std::pair<int, int>> used = {{0, 12}, {w - 13, w}};
    for (const PortPlacement& port : module.ports) {
        int x = port.origin.x - slotOrigin.x + shape.offset.x;
        used.push_back({x - 2, x + shape.width + 2});
        for (const auto& led : port.leds)
            if (led)
                used.push_back({led->x - slotOrigin.x - 2, led->x - slotOrigin.x + 8});
    }
    std::sort(used.begin(), used.end());
    int bestStart = 0, bestWidth = 0, reached = 0;
    for (const auto& [start, end] : used) {
        if (start - reached > bestWidth) {
            bestWidth = start - reached;
            bestStart = reached;
        }
        reached = std::max(reached, end);
    }
    constexpr int kNarrowest = 26;
    if (bestWidth < kNarrowest)
        return;
    Label(p, QRect(bestStart, 2, bestWidth, h - 4), name, kNavy, 8,
          Qt::AlignCenter | Qt::TextWordWrap);
}

// A faceplate: silver with a bevel, captive screws at both ends, a black window behind each
// LED, a dark recess around each port with its number below it, and the module's name.
QImage Faceplate(int w, int h, const ModulePlacement& module, CPoint slotOrigin,
                 const QString& name) {
    return Make(w, h, kSilver, [&](QPainter& p) {
        Bevel(p, QRect(0, 0, w, h), kSilver, kWhite, kGrey);
        p.setPen(kBlack);
        p.drawRect(0, 0, w - 1, h - 1);
        Screw(p, 6, h / 2);
        Screw(p, w - 7, h / 2);
        PortShape shape = ShapeOfKind(module.portKind);
        int number = 1;
        for (const PortPlacement& port : module.ports) {
            int x = port.origin.x - slotOrigin.x + shape.offset.x;
            int y = port.origin.y - slotOrigin.y + shape.offset.y;
            p.fillRect(x - 1, y - 1, shape.width + 2, shape.height + 2, kGrey);
            Label(p, QRect(x - 4, y + shape.height, shape.width + 8, 8), QString::number(number++),
                  kBlack, 7);
            for (const auto& led : port.leds)
                if (led)
                    p.fillRect(led->x - slotOrigin.x - 1, led->y - slotOrigin.y - 1, 8, 6, kBlack);
        }
        LabelInWidestGap(p, module, slotOrigin, w, h, name);
    });
}

// A blank cover: a plain plate with screws and a finger groove.
QImage BlankCover(int w, int h) {
    return Make(w, h, kGrey, [&](QPainter& p) {
        Bevel(p, QRect(0, 0, w, h), kGrey, kSilver, kBlack);
        Screw(p, 6, h / 2);
        Screw(p, w - 7, h / 2);
        p.setPen(kBlack);
        p.drawLine(20, h / 2, w - 21, h / 2);
        p.setPen(kSilver);
        p.drawLine(20, h / 2 + 1, w - 21, h / 2 + 1);
    });
}

ModulePlacement ModuleOfType(int slot, int type) {
    std::uint16_t word = std::uint16_t(type << (12 - 4 * slot));
    return LayoutPanel(word)[slot];
}

} // namespace

void RegisterModuleBitmaps() {
    const CPoint large = kSlotOrigins[0];
    const CPoint small = kSlotOrigins[2];
    RegisterBitmapResource(166, Faceplate(338, 33, ModuleOfType(0, 3), large, "10/100 BASE-TX"));
    RegisterBitmapResource(169, Faceplate(338, 33, ModuleOfType(0, 4), large, "10/100 BASE-TX"));
    RegisterBitmapResource(167, Faceplate(338, 33, ModuleOfType(0, 5), large, "100FX SC"));
    RegisterBitmapResource(168, BlankCover(338, 33));
    RegisterBitmapResource(170, Faceplate(170, 33, ModuleOfType(2, 6), small, "100FX"));
    RegisterBitmapResource(171, Faceplate(170, 33, ModuleOfType(2, 8), small, "AUI"));
    RegisterBitmapResource(173, Faceplate(170, 33, ModuleOfType(2, 10), small, "1000SX"));
    RegisterBitmapResource(172, BlankCover(170, 33));
}
