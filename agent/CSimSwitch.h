#pragma once
// The simulated switch as a whole: its modules and ports, the configuration it runs with and
// the one it started with, the live port state, its up time, and resets.

#include <cstdint>
#include <string>
#include <vector>

#include "agent/ModuleLayout.h"
#include "agent/PortSimulation.h"
#include "agent/SwitchConfig.h"

struct SwitchSetup {
    std::uint16_t modulesWord = 0x336A;
    std::uint64_t seed = 1;
    std::int64_t resetMs = 5000; // how long a cold start keeps the switch silent
};

// What a real switch tells its trap receivers about.
struct SwitchEvent {
    enum class Kind { ColdStart, WarmStart, LinkDown, LinkUp, AuthenticationFailure };
    Kind kind = Kind::ColdStart;
    std::size_t port = 0; // from 0, for the link events
    std::int64_t atMs = 0;
    std::uint32_t uptime = 0; // hundredths of a second since the switch started, at the event
};

// Bits of a port's byte in the LED status string.
enum LedBits : std::uint8_t {
    LED_LINK = 0x01,
    LED_ACTIVITY = 0x04,
    LED_FULL_DUPLEX = 0x08,
};
// Bits of the status-LED byte (byte 0): a set bit makes that LED blink.
enum StatusLedBits : std::uint8_t {
    STATUS_LED_RUN = 0x01,   // heartbeat while the switch runs
    STATUS_LED_STORM = 0x02, // some port carries a broadcast storm
};
constexpr std::uint8_t kLedEndMark = 255;

class CSimSwitch {
public:
    CSimSwitch(const SwitchSetup& setup, std::int64_t nowMs);

    // Brings the live state up to `nowMs`, and brings a cold-started switch back once its
    // silence is over.
    void Update(std::int64_t nowMs);
    bool IsSilent(std::int64_t nowMs) const { return m_restartPending && nowMs < m_restartAtMs; }
    // Goes silent for the reset time, then starts again with the start configuration.
    void ColdStart(std::int64_t nowMs);
    // Starts again at once with the start configuration.
    void WarmStart(std::int64_t nowMs);
    // The events since the last call, oldest first: the start itself, restarts, link changes
    // and authentication failures.
    std::vector<SwitchEvent> TakeEvents();
    void NoteAuthenticationFailure(std::int64_t nowMs);
    // Takes port `port` (from 1) down and up again every `seconds` seconds (at least 2);
    // port 0 stops flapping.
    void SetLinkFlap(std::size_t port, int seconds);
    // Adds a receiver to the running and the start configuration (a saved row). False when
    // the table is full.
    bool AddTrapReceiver(std::uint32_t key, const std::string& community);

    // Counts restarts, so views built on the rows know when to rebuild.
    std::uint32_t Generation() const { return m_generation; }

    const SwitchConfig& Config() const { return m_config; }
    void ReplaceConfig(SwitchConfig config) { m_config = std::move(config); }
    const std::vector<PortPlace>& Ports() const { return m_ports; }
    const PortLive& Live(std::size_t port) const { return m_live.Port(port); }
    int LinksUp() const { return m_live.LinksUp(); }
    std::uint16_t ModulesWord() const { return m_setup.modulesWord; }

    // Hundredths of a second since the switch last started.
    std::uint64_t UpTime(std::int64_t nowMs) const;
    // Byte 0 the status-LED blink bits, then one byte per port, then the end mark.
    std::string LedStatus() const;
    std::int32_t EffectiveSpeed(std::size_t port) const;
    std::int32_t EffectiveDuplex(std::size_t port) const;

private:
    void Restart(std::int64_t atMs, SwitchEvent::Kind kind);
    void CollectLinkChanges();
    std::vector<LinkRate> LinkRates() const;

    SwitchSetup m_setup;
    std::vector<PortPlace> m_ports;
    SwitchConfig m_startConfig;
    SwitchConfig m_config;
    CPortSimulation m_live;
    std::int64_t m_bootMs = 0;
    bool m_restartPending = false;
    std::int64_t m_restartAtMs = 0;
    std::uint32_t m_generation = 0;
    std::vector<SwitchEvent> m_events;
};
