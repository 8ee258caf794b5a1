#include "agent/CSimSwitch.h"

#include <utility>

CSimSwitch::CSimSwitch(const SwitchSetup& setup, std::int64_t nowMs)
    : m_setup(setup), m_ports(LayoutPorts(setup.modulesWord)),
      m_startConfig(DefaultConfig(m_ports)), m_config(m_startConfig),
      m_live(setup.seed, m_ports.size()), m_bootMs(nowMs) {
    m_events.push_back({SwitchEvent::Kind::ColdStart, 0, nowMs, 0});
}

void CSimSwitch::Update(std::int64_t nowMs) {
    if (m_restartPending) {
        if (nowMs < m_restartAtMs) {
            return; // the switch is down: nothing moves
        }
        Restart(m_restartAtMs, SwitchEvent::Kind::ColdStart);
    }
    if (m_live.IsDue(nowMs - m_bootMs)) {
        m_live.AdvanceTo(nowMs - m_bootMs, LinkRates());
        CollectLinkChanges();
    }
}

void CSimSwitch::CollectLinkChanges() {
    for (const LinkChange& change : m_live.TakeLinkChanges()) {
        const std::int64_t atMs = m_bootMs + change.second * 1000;
        m_events.push_back({change.up ? SwitchEvent::Kind::LinkUp : SwitchEvent::Kind::LinkDown,
                            change.port, atMs, static_cast<std::uint32_t>(UpTime(atMs))});
    }
}

std::vector<SwitchEvent> CSimSwitch::TakeEvents() {
    return std::exchange(m_events, {});
}

void CSimSwitch::NoteAuthenticationFailure(std::int64_t nowMs) {
    m_events.push_back({SwitchEvent::Kind::AuthenticationFailure, 0, nowMs,
                        static_cast<std::uint32_t>(UpTime(nowMs))});
}

void CSimSwitch::SetLinkFlap(std::size_t port, int seconds) {
    m_live.SetLinkFlap(port == 0 ? SIZE_MAX : port - 1, seconds);
    CollectLinkChanges();
}

bool CSimSwitch::AddTrapReceiver(std::uint32_t key, const std::string& community) {
    for (SwitchConfig* config : {&m_config, &m_startConfig}) {
        if (!config->trapReceivers.contains(key) &&
            config->trapReceivers.size() >= kMaxTrapReceivers) {
            return false;
        }
    }
    m_config.trapReceivers[key] = community;
    m_startConfig.trapReceivers[key] = community;
    return true;
}

void CSimSwitch::ColdStart(std::int64_t nowMs) {
    m_restartPending = true;
    m_restartAtMs = nowMs + m_setup.resetMs;
    Update(nowMs);
}

void CSimSwitch::WarmStart(std::int64_t nowMs) {
    Restart(nowMs, SwitchEvent::Kind::WarmStart);
}

void CSimSwitch::Restart(std::int64_t atMs, SwitchEvent::Kind kind) {
    m_restartPending = false;
    m_config = m_startConfig; // nothing was saved
    m_live.Restart();
    m_bootMs = atMs;
    ++m_generation;
    m_events.push_back({kind, 0, atMs, 0});
}

std::uint64_t CSimSwitch::UpTime(std::int64_t nowMs) const {
    return nowMs > m_bootMs ? static_cast<std::uint64_t>(nowMs - m_bootMs) / 10 : 0;
}

std::string CSimSwitch::LedStatus() const {
    std::string leds(1, '\0');
    std::uint8_t status = STATUS_LED_RUN;
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        const PortLive& port = m_live.Port(i);
        std::uint8_t bits = 0;
        if (port.link) {
            bits |= LED_LINK;
            bits |= port.activity ? LED_ACTIVITY : 0;
            bits |= EffectiveDuplex(i) == DUPLEX_FULL ? LED_FULL_DUPLEX : 0;
        }
        status |= port.storm ? STATUS_LED_STORM : 0;
        leds += static_cast<char>(bits);
    }
    leds[0] = static_cast<char>(status);
    leds += static_cast<char>(kLedEndMark);
    return leds;
}

std::int32_t CSimSwitch::EffectiveSpeed(std::size_t port) const {
    const PortSettings& settings = m_config.ports[port];
    return settings.autoNegotiation == STATE_ENABLE ? m_ports[port].speeds.back() : settings.speed;
}

std::int32_t CSimSwitch::EffectiveDuplex(std::size_t port) const {
    const PortSettings& settings = m_config.ports[port];
    return settings.autoNegotiation == STATE_ENABLE ? DUPLEX_FULL : settings.duplex;
}

std::vector<LinkRate> CSimSwitch::LinkRates() const {
    std::vector<LinkRate> rates(m_ports.size());
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        rates[i] = {SpeedMbps(EffectiveSpeed(i)), EffectiveDuplex(i) == DUPLEX_FULL};
    }
    return rates;
}
