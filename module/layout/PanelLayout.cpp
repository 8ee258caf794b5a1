#include "module/layout/PanelLayout.h"

namespace {

using Leds = std::array<std::optional<CPoint>, kLedRows>;

void LargeTwelvePorts(ModulePlacement& m, int dy, bool slotB) {
    static const int xs[12] = {210, 229, 248, 267, 301, 320, 339, 358, 392, 411, 430, 449};
    for (int j = 0; j < 12; ++j) {
        int x = xs[j];
        int row3x = (slotB && j == 0) ? 224 : x + 12;
        m.ports.push_back(
            {CPoint(x, 44 + dy), Leds{std::nullopt, CPoint(x, 43 + dy), CPoint(row3x, 43 + dy)}});
    }
}

void LargeEightCopper(ModulePlacement& m, int dy) {
    static const int xs[8] = {231, 250, 269, 288, 391, 410, 429, 448};
    static const int ledX[8] = {173, 179, 185, 191, 333, 339, 345, 351};
    for (int j = 0; j < 8; ++j)
        m.ports.push_back(
            {CPoint(xs[j], 43 + dy),
             Leds{CPoint(ledX[j], 42 + dy), CPoint(ledX[j], 52 + dy), CPoint(ledX[j], 57 + dy)}});
}

void LargeEightFibre(ModulePlacement& m, int dy) {
    static const int xs[8] = {187, 219, 251, 283, 342, 374, 406, 438};
    static const int ledY[4] = {41, 47, 53, 59};
    for (int j = 0; j < 8; ++j) {
        int x = j < 4 ? 173 : 328;
        int y = ledY[j % 4] + dy;
        m.ports.push_back(
            {CPoint(xs[j], 50 + dy), Leds{CPoint(x, y), std::nullopt, CPoint(x + 6, y)}});
    }
}

ModulePlacement LargeModule(int type, int slot) {
    ModulePlacement m;
    m.type = type;
    int dy = slot == 1 ? 34 : 0;
    if (type <= 6)
        m.pictureKind = type;
    switch (type) {
    case 3:
        m.portKind = 3;
        m.rule = LedRule::TwelvePort;
        LargeTwelvePorts(m, dy, slot == 1);
        break;
    case 4:
        m.portKind = 2;
        m.rule = LedRule::ThreeRows;
        LargeEightCopper(m, dy);
        break;
    case 5:
        m.portKind = 4;
        m.rule = LedRule::TwoRows;
        LargeEightFibre(m, dy);
        break;
    default:
        break;
    }
    return m;
}

ModulePlacement SmallModule(int type, int slot) {
    ModulePlacement m;
    m.type = type;
    int dx = slot == 3 ? 168 : 0;
    auto at = [dx](int x, int y) { return CPoint(x + dx, y); };
    switch (type) {
    case 6:
        m.pictureKind = 1;
        m.portKind = 4;
        m.rule = LedRule::TwoRows;
        m.ports = {{at(201, 117), Leds{at(177, 121), std::nullopt, at(177, 129)}},
                   {at(268, 117), Leds{at(244, 121), std::nullopt, at(244, 129)}}};
        break;
    case 8:
        m.pictureKind = 2;
        m.portKind = 1;
        m.rule = LedRule::OneRow;
        m.ports = {{at(223, 120), Leds{at(206, 120), std::nullopt, std::nullopt}}};
        break;
    case 10:
        m.pictureKind = 3;
        m.portKind = 2;
        m.rule = LedRule::ThreeRows;
        m.ports = {{at(207, 112), Leds{at(177, 121), at(177, 113), at(177, 129)}},
                   {at(274, 112), Leds{at(244, 121), at(244, 113), at(244, 129)}}};
        break;
    default:
        m.pictureKind = 0;
        break;
    }
    return m;
}

} // namespace

int SlotType(std::uint16_t word, int slot) {
    return (word >> (12 - 4 * slot)) & 0xF;
}

PanelLayout LayoutPanel(std::uint16_t word) {
    PanelLayout layout;
    int next = 0;
    for (int slot = 0; slot < kPanelSlots; ++slot) {
        int type = SlotType(word, slot);
        layout[slot] = slot < 2 ? LargeModule(type, slot) : SmallModule(type, slot);
        layout[slot].firstPort = next;
        next += int(layout[slot].ports.size());
    }
    return layout;
}

std::array<std::optional<int>, kLedRows> LedStates(LedRule rule, std::uint8_t bits) {
    auto on = [bits](int bit, int set, int clear) { return ((bits >> bit) & 1) ? set : clear; };
    switch (rule) {
    case LedRule::ThreeRows:
        return {on(0, 1, 0), on(2, 1, 0), on(3, 1, 0)};
    case LedRule::TwoRows:
        return {on(0, 1, 0), std::nullopt, on(3, 1, 0)};
    case LedRule::OneRow:
        return {on(0, 1, 0), std::nullopt, std::nullopt};
    case LedRule::TwelvePort:
        return {std::nullopt, on(0, 3, 2), on(2, 3, 2)};
    default:
        return {};
    }
}

CPoint StatusLedPosition(int led) {
    return CPoint(334 + 6 * led, 22);
}
