#include "agent/ModuleLayout.h"

namespace {

struct ModuleKind {
    int ports;
    std::int32_t portType;
    std::vector<std::int32_t> speeds;
};

// Large modules: 12 copper ports, 8 copper ports, 8 fibre ports; other types carry no ports.
ModuleKind LargeModule(int type) {
    switch (type) {
    case 3:
        return {12, PORT_TYPE_UTP, {PORT_SPEED_10, PORT_SPEED_100}};
    case 4:
        return {8, PORT_TYPE_UTP, {PORT_SPEED_10, PORT_SPEED_100}};
    case 5:
        return {8, PORT_TYPE_FIBER_SC, {PORT_SPEED_100}};
    default:
        return {0, 0, {}};
    }
}

// Small modules: 2 fibre ports, 1 AUI port, 2 gigabit fibre ports.
ModuleKind SmallModule(int type) {
    switch (type) {
    case 6:
        return {2, PORT_TYPE_FIBER_SC, {PORT_SPEED_100}};
    case 8:
        return {1, PORT_TYPE_AUI, {PORT_SPEED_10}};
    case 10:
        return {2, PORT_TYPE_FIBER_SC_GIGABIT, {PORT_SPEED_1000}};
    default:
        return {0, 0, {}};
    }
}

} // namespace

std::vector<PortPlace> LayoutPorts(std::uint16_t modulesWord) {
    std::vector<PortPlace> ports;
    for (int slot = 0; slot < 4; ++slot) {
        const int type = (modulesWord >> (12 - 4 * slot)) & 0xF;
        const ModuleKind kind = slot < 2 ? LargeModule(type) : SmallModule(type);
        for (int i = 0; i < kind.ports; ++i) {
            ports.push_back({slot, type, kind.portType, kind.speeds});
        }
    }
    return ports;
}

int SpeedMbps(std::int32_t speedValue) {
    switch (speedValue) {
    case PORT_SPEED_10:
        return 10;
    case PORT_SPEED_1000:
        return 1000;
    default:
        return 100;
    }
}
