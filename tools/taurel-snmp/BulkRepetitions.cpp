#include "tools/taurel-snmp/BulkRepetitions.h"

#include <algorithm>

BulkRepetitions::BulkRepetitions(int fixed, int receiveLimit, int timeoutMs)
    : m_adaptive(fixed <= 0), m_current(fixed > 0 ? fixed : kStart), m_receiveLimit(receiveLimit),
      m_timeoutMs(timeoutMs) {}

void BulkRepetitions::OnReply(int asked, int received, int bytes, int elapsedMs) {
    // An agent that caps its replies (snmpd at 100 names) answers less than was asked: asking
    // for more would only make the requests longer.
    const bool full = received >= asked;
    const bool small = bytes <= m_receiveLimit / 4;
    const bool quick = elapsedMs <= m_timeoutMs / 4;
    if (m_adaptive && asked == m_current && full && small && quick) {
        m_current = std::min(m_current * 2, m_ceiling);
    }
}

bool BulkRepetitions::OnTooBig() {
    if (!m_adaptive || m_current <= 1) {
        return false;
    }
    m_current = std::max(1, m_current / 2);
    m_ceiling = m_current;
    return true;
}

bool BulkRepetitions::OnTimeout() {
    if (!m_adaptive || m_current <= kStart) {
        return false;
    }
    m_current = std::max(kStart, m_current / 2);
    m_ceiling = m_current;
    return true;
}
