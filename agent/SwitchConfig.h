#pragma once
// Everything an operator can change on the switch. The agent keeps the configuration it started
// with, because a reset returns to it (changes are never saved).

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "agent/ModuleLayout.h"

using IpBytes = std::array<std::uint8_t, 4>;

// Values shared by the two-state settings ("Disable"/"Enable", "Half"/"Full").
enum TwoStateValue : std::int32_t { STATE_DISABLE = 2, STATE_ENABLE = 3 };
enum DuplexValue : std::int32_t { DUPLEX_HALF = 2, DUPLEX_FULL = 3 };

struct CapabilityRow {
    std::int32_t index = 0;
    std::string description;
    std::int32_t version = 0;
    std::int32_t type = 0; // 2 Standard, 3 Proprietary, 4 Experiment
};

struct IpInterfaceRow {
    std::int32_t index = 0;
    IpBytes address{};
    IpBytes netMask{};
    IpBytes gateway{};
    std::string physAddress; // six bytes
    std::int32_t ifType = 6; // 6 Ethernet CSMA/CD, 28 Slip
};

struct PortSettings {
    std::int32_t lock = STATE_DISABLE;
    std::int32_t linkAlarm = STATE_DISABLE;
    std::int32_t duplex = DUPLEX_FULL;
    std::int32_t autoNegotiation = STATE_ENABLE;
    std::int32_t speed = PORT_SPEED_100;
};

// Trap receivers are keyed by their address read as a big-endian number, which orders them
// the way their instance suffixes order.
using TrapReceiverMap = std::map<std::uint32_t, std::string>;

struct SwitchConfig {
    std::string contact;
    std::string name;
    std::string location;
    std::int32_t rs232Use = 2; // 2 Console, 3 Out of Band
    std::int32_t outOfBandRate = 3;
    std::int32_t learning = STATE_ENABLE;
    std::int32_t agingSeconds = 300;
    std::int32_t authFailTrap = 2; // 1 Enable, 2 Disable
    std::vector<CapabilityRow> capabilities;
    std::vector<IpInterfaceRow> interfaces;
    TrapReceiverMap trapReceivers;
    std::vector<PortSettings> ports;
};

constexpr std::size_t kMaxTrapReceivers = 8;

// The factory configuration of a switch with the given ports.
SwitchConfig DefaultConfig(const std::vector<PortPlace>& ports);

std::uint32_t IpKey(const IpBytes& ip);
IpBytes IpFromKey(std::uint32_t key);
