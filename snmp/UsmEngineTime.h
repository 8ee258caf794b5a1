#pragma once
// Our picture of an agent's clock (its boots and time), kept as a non-authoritative engine
// keeps it: learnt from the agent's authenticated messages, advanced with our own clock, and
// used to refuse replayed or stale replies.

#include <cstdint>

#include "platform/core/Clock.h"
#include "snmp/NmSnmpApi.h"

class NMSNMP_API UsmEngineTime {
public:
    // A message older than this many seconds by the agent's clock is outside the time window.
    static constexpr std::uint32_t kWindowSeconds = 150;
    // Boots at this value mean the agent must be reconfigured; nothing is in its window.
    static constexpr std::uint32_t kMaxBoots = 0x7FFFFFFF;

    bool Known() const { return m_known; }
    // The boots and time to put in an outgoing message: the last learnt time plus the seconds
    // that passed on our clock since.
    std::uint32_t Boots() const { return m_boots; }
    std::uint32_t Time(Clock::Seconds now) const;

    // Takes a first estimate from an unauthenticated report during discovery; an estimate
    // already learnt from authenticated messages is kept.
    void Guess(std::uint32_t boots, std::uint32_t time, Clock::Seconds now);
    // Processes the boots and time of an authenticated message: a later one moves our picture
    // forward; then returns whether the message lies inside the time window.
    bool Accept(std::uint32_t boots, std::uint32_t time, Clock::Seconds now);
    // Sets the picture from an authenticated notInTimeWindow report, which carries the agent's
    // current clock even when it is behind ours (the agent rebooted or we guessed wrong).
    void Resynchronise(std::uint32_t boots, std::uint32_t time, Clock::Seconds now);

private:
    void Set(std::uint32_t boots, std::uint32_t time, Clock::Seconds now);

    bool m_known = false;
    bool m_authenticated = false;
    std::uint32_t m_boots = 0;
    std::uint32_t m_time = 0;
    std::uint32_t m_latestReceived = 0;
    Clock::Seconds m_learntAt = 0;
};
