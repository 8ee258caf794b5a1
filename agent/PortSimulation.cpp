#include "agent/PortSimulation.h"

#include <utility>

namespace {

// A repeating mix, so every modules word yields busy, idle, unconnected, errored and
// intermittent ports.
constexpr PortProfile kProfilePattern[] = {
    PortProfile::Busy, PortProfile::Idle,  PortProfile::Unconnected, PortProfile::Errored,
    PortProfile::Idle, PortProfile::Flaky, PortProfile::Busy,        PortProfile::Idle,
};

double LoadFor(PortProfile profile, TrafficRandom& random) {
    const double u = static_cast<double>(random.Below(1001)) / 1000.0;
    switch (profile) {
    case PortProfile::Busy:
        return 0.2 + 0.4 * u;
    case PortProfile::Errored:
        return 0.05 + 0.15 * u;
    case PortProfile::Flaky:
        return 0.02 + 0.03 * u;
    default:
        return 0;
    }
}

std::uint64_t PortSeed(std::uint64_t seed, std::size_t index) {
    return seed ^ ((index + 1) * 0xD6E8FEB86659FD93ull);
}

} // namespace

CPortSimulation::CPortSimulation(std::uint64_t seed, std::size_t portCount)
    : m_seed(seed), m_ports(portCount) {
    for (std::size_t i = 0; i < portCount; ++i) {
        TrafficRandom random(PortSeed(seed, i));
        m_ports[i].profile = kProfilePattern[i % std::size(kProfilePattern)];
        m_ports[i].load = LoadFor(m_ports[i].profile, random);
    }
    Restart();
}

void CPortSimulation::Restart() {
    m_seconds = 0;
    m_changes.clear(); // a restart is announced as a whole, not link by link
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        PortLive& port = m_ports[i];
        port.link = port.profile != PortProfile::Unconnected || i == m_flapPort;
        port.activity = false;
        port.storm = false;
        port.counters = PortCounters{};
    }
}

void CPortSimulation::AdvanceTo(std::int64_t elapsedMs, const std::vector<LinkRate>& rates) {
    const std::int64_t due = elapsedMs / 1000;
    while (m_seconds < due) {
        ++m_seconds;
        for (std::size_t i = 0; i < m_ports.size(); ++i) {
            RunSecond(i, i < rates.size() ? rates[i] : LinkRate{});
        }
    }
}

void CPortSimulation::RunSecond(std::size_t index, const LinkRate& rate) {
    PortLive& port = m_ports[index];
    TrafficRandom random(PortSeed(m_seed, index) ^
                         (static_cast<std::uint64_t>(m_seconds) * 0xC2B2AE3D27D4EB4Full));
    const bool wasUp = port.link;
    if (index == m_flapPort) {
        port.link = m_seconds % m_flapSeconds != 0;
    } else if (port.profile == PortProfile::Flaky && random.Below(20) == 0) {
        port.link = !port.link; // a loose cable
    }
    if (port.link != wasUp) {
        m_changes.push_back({index, port.link, m_seconds});
    }
    if (!port.link) {
        port.activity = false;
        port.storm = false;
        return;
    }
    const TrafficTick tick{port.profile, port.load, rate.mbps, rate.fullDuplex};
    const TrafficOutcome outcome = RunTrafficTick(tick, random, port.counters);
    port.activity = outcome.activity;
    port.storm = outcome.broadcasts > kStormBroadcasts;
}

void CPortSimulation::SetLinkFlap(std::size_t port, int seconds) {
    // A port that stops flapping gets its cable back: plugged in unless it never was.
    if (m_flapPort < m_ports.size() && m_flapPort != port) {
        PortLive& old = m_ports[m_flapPort];
        const bool plugged = old.profile != PortProfile::Unconnected;
        if (old.link != plugged) {
            old.link = plugged;
            m_changes.push_back({m_flapPort, plugged, m_seconds});
        }
    }
    m_flapPort = port < m_ports.size() && seconds >= 2 ? port : SIZE_MAX;
    m_flapSeconds = seconds;
    if (m_flapPort != SIZE_MAX && !m_ports[port].link) {
        m_ports[port].link = true;
        m_changes.push_back({port, true, m_seconds});
    }
}

std::vector<LinkChange> CPortSimulation::TakeLinkChanges() {
    return std::exchange(m_changes, {});
}

int CPortSimulation::LinksUp() const {
    int up = 0;
    for (const PortLive& port : m_ports) {
        up += port.link ? 1 : 0;
    }
    return up;
}
