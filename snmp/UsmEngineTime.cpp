#include "snmp/UsmEngineTime.h"

std::uint32_t UsmEngineTime::Time(Clock::Seconds now) const {
    const Clock::Seconds elapsed = now > m_learntAt ? now - m_learntAt : 0;
    const Clock::Seconds time = m_time + elapsed;
    return time > kMaxBoots ? kMaxBoots : static_cast<std::uint32_t>(time);
}

void UsmEngineTime::Set(std::uint32_t boots, std::uint32_t time, Clock::Seconds now) {
    m_known = true;
    m_boots = boots;
    m_time = time;
    m_latestReceived = time;
    m_learntAt = now;
}

void UsmEngineTime::Guess(std::uint32_t boots, std::uint32_t time, Clock::Seconds now) {
    if (!m_authenticated) {
        Set(boots, time, now);
    }
}

bool UsmEngineTime::Accept(std::uint32_t boots, std::uint32_t time, Clock::Seconds now) {
    if (!m_authenticated || boots > m_boots || (boots == m_boots && time > m_latestReceived)) {
        Set(boots, time, now);
        m_authenticated = true;
    }
    if (m_boots == kMaxBoots || boots < m_boots) {
        return false;
    }
    const std::uint32_t current = Time(now);
    return !(boots == m_boots && current > kWindowSeconds && time < current - kWindowSeconds);
}

void UsmEngineTime::Resynchronise(std::uint32_t boots, std::uint32_t time, Clock::Seconds now) {
    Set(boots, time, now);
    m_authenticated = true;
}
