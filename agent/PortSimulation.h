#pragma once
// The live side of the ports: link state, activity and counters, advanced one whole second at a
// time. Each second's outcome depends only on the seed, the port and the second, so the same
// seed replays the same traffic however often the agent is asked.

#include <cstdint>
#include <vector>

#include "agent/PortTraffic.h"

struct LinkRate {
    int mbps = 100;
    bool fullDuplex = true;
};

struct PortLive {
    PortProfile profile = PortProfile::Idle;
    double load = 0;
    bool link = false;
    bool activity = false; // frames moved during the last second
    bool storm = false;    // the last second carried a broadcast storm
    PortCounters counters;
};

// A port's link went down or came up in the `second`-th second after the start.
struct LinkChange {
    std::size_t port = 0;
    bool up = false;
    std::int64_t second = 0;
};

class CPortSimulation {
public:
    CPortSimulation(std::uint64_t seed, std::size_t portCount);

    // Back to the state of a switch that has just started: initial links, counters zero.
    void Restart();
    // Runs every whole second up to `elapsedMs` after the start that has not run yet.
    void AdvanceTo(std::int64_t elapsedMs, const std::vector<LinkRate>& rates);
    // Whether AdvanceTo(elapsedMs) has a second to run.
    bool IsDue(std::int64_t elapsedMs) const { return elapsedMs / 1000 > m_seconds; }

    const PortLive& Port(std::size_t index) const { return m_ports[index]; }
    int LinksUp() const;

    // Makes port `port` (from 0) take its link down every `seconds` seconds (at least 2) and
    // bring it up again a second later, in place of whatever its cable would do. A port past
    // the last one turns flapping off.
    void SetLinkFlap(std::size_t port, int seconds);
    // The link changes since the last call, in the order they happened.
    std::vector<LinkChange> TakeLinkChanges();

    // Broadcasts per second above which a port reports a broadcast storm.
    static constexpr std::uint64_t kStormBroadcasts = 3000;

private:
    void RunSecond(std::size_t index, const LinkRate& rate);

    std::uint64_t m_seed;
    std::vector<PortLive> m_ports;
    std::int64_t m_seconds = 0;
    std::size_t m_flapPort = SIZE_MAX;
    int m_flapSeconds = 0;
    std::vector<LinkChange> m_changes;
};
