#pragma once
// Which ports the modules word places. The word has four 4-bit fields: bits 12-15 the type of
// large slot A, 8-11 large slot B, 4-7 small slot C, 0-3 small slot D; ports are numbered A
// first, then B, C, D.

#include <cstdint>
#include <vector>

// Port Type values served in the port information table.
enum PortTypeValue : std::int32_t {
    PORT_TYPE_UTP = 2,
    PORT_TYPE_AUI = 3,
    PORT_TYPE_FIBER_SC = 4,
    PORT_TYPE_FIBER_SC_GIGABIT = 10,
};

// Speed values of the port tables.
enum PortSpeedValue : std::int32_t {
    PORT_SPEED_10 = 2,
    PORT_SPEED_100 = 3,
    PORT_SPEED_1000 = 4,
};

struct PortPlace {
    int slot = 0;       // 0 to 3 for A to D
    int moduleType = 0; // the slot's 4-bit type
    std::int32_t portType = PORT_TYPE_UTP;
    std::vector<std::int32_t> speeds; // speeds the port can run at, slowest first
};

std::vector<PortPlace> LayoutPorts(std::uint16_t modulesWord);

// Link rate in Mbit/s of a speed value.
int SpeedMbps(std::int32_t speedValue);
