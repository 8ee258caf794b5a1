#include "agent/CSimSwitch.h"

CSimSwitch::CSimSwitch(const SwitchSetup& setup, std::int64_t nowMs)
    : m_setup(setup), m_ports(LayoutPorts(setup.modulesWord)),
      m_startConfig(DefaultConfig(m_ports)), m_config(m_startConfig),
      m_live(setup.seed, m_ports.size()), m_bootMs(nowMs) {}

void CSimSwitch::Update(std::int64_t nowMs) {
    if (m_restartPending) {
        if (nowMs < m_restartAtMs) {
            return; // the switch is down: nothing moves
        }
        Restart(m_restartAtMs);
    }
    if (m_live.IsDue(nowMs - m_bootMs)) {
        m_live.AdvanceTo(nowMs - m_bootMs, LinkRates());
    }
}

void CSimSwitch::ColdStart(std::int64_t nowMs) {
    m_restartPending = true;
    m_restartAtMs = nowMs + m_setup.resetMs;
    Update(nowMs);
}

void CSimSwitch::WarmStart(std::int64_t nowMs) {
    Restart(nowMs);
}

void CSimSwitch::Restart(std::int64_t atMs) {
    m_restartPending = false;
    m_config = m_startConfig; // nothing was saved
    m_live.Restart();
    m_bootMs = atMs;
    ++m_generation;
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
