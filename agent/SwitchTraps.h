#pragma once
// The SNMPv1 traps the simulated switch sends for its events, to every row of its Trap
// Receivers table with that row's community: enterprise its sysObjectID, agent-addr its own
// address, the time-stamp its up time when the event happened.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "agent/CSimSwitch.h"

struct TrapDatagram {
    std::string address; // the receiver, dotted
    std::vector<std::uint8_t> bytes;
};

// The generic-trap number of `event` (coldStart 0, warmStart 1, linkDown 2, linkUp 3,
// authenticationFailure 4).
std::int32_t GenericTrapOf(SwitchEvent::Kind kind);

// The datagrams announcing `event` of `device` to each of its receivers.
std::vector<TrapDatagram> BuildSwitchTraps(const SwitchEvent& event, const CSimSwitch& device,
                                           const std::array<std::uint8_t, 4>& agentAddress);
