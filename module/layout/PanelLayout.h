#pragma once
// Where the module-types word puts things on the front panel: each slot's picture kind, its
// ports (origin and kind) and their LEDs (rows 1 to 3), and how a port's LED bits drive them.
// The word has four 4-bit fields: bits 12-15 large slot A, 8-11 large slot B, 4-7 small slot C,
// 0-3 small slot D. Ports are numbered A first, then B, C, D.

#include "platform/ui/WinTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

constexpr int kPanelSlots = 4;
constexpr int kLedRows = 3;

// Which bits of a port's LED byte drive which row, and in which states.
enum class LedRule {
    None,
    ThreeRows,  // row 1 bit 0, row 2 bit 2, row 3 bit 3; on 1, off 0
    TwoRows,    // row 1 bit 0, row 3 bit 3; on 1, off 0
    OneRow,     // row 1 bit 0; on 1, off 0
    TwelvePort, // row 2 bit 0, row 3 bit 2; on 3, off 2
};

struct PortPlacement {
    CPoint origin;
    std::array<std::optional<CPoint>, kLedRows> leds; // rows 1, 2, 3
};

struct ModulePlacement {
    int type = 0;
    // The slot picture's kind; nullopt when the type is refused (the slot keeps its picture).
    std::optional<int> pictureKind;
    int portKind = -1;
    LedRule rule = LedRule::None;
    int firstPort = 0; // panel number of the module's first port
    std::vector<PortPlacement> ports;
};

using PanelLayout = std::array<ModulePlacement, kPanelSlots>;

PanelLayout LayoutPanel(std::uint16_t modulesWord);
// The type of slot 0 (A) to 3 (D) in the word.
int SlotType(std::uint16_t modulesWord, int slot);

// The LED states of rows 1 to 3 for a port's LED bits; nullopt for rows the rule does not use.
std::array<std::optional<int>, kLedRows> LedStates(LedRule rule, std::uint8_t bits);

// Origins of the slot pictures: A, B (large), C, D (small).
constexpr std::array<CPoint, kPanelSlots> kSlotOrigins = {CPoint(151, 38), CPoint(151, 72),
                                                          CPoint(151, 106), CPoint(319, 106)};
constexpr CPoint kAgentLedPosition{173, 15};
// Status LED i is at (334 + 6 i, 22).
CPoint StatusLedPosition(int led);
