#include "agent/CFaultInjector.h"

CFaultInjector::CFaultInjector(const FaultSettings& settings)
    : m_settings(settings), m_random(settings.seed) {}

bool CFaultInjector::Chance(int percent) {
    // One draw per fault kind and reply, whatever the percentage, keeps a seed's sequence fixed.
    const auto roll = static_cast<int>(m_random() % 100);
    return roll < percent;
}

FaultDecision CFaultInjector::Decide() {
    FaultDecision decision;
    decision.drop = Chance(m_settings.dropPercent);
    decision.corrupt = Chance(m_settings.corruptPercent);
    decision.duplicate = Chance(m_settings.duplicatePercent);
    decision.delayMs = m_settings.delayMs;
    return decision;
}

void CFaultInjector::Corrupt(std::vector<std::uint8_t>& reply) {
    if (reply.size() < 4) {
        reply.clear();
        return;
    }
    // Cut the message in half and keep its header: every decoder runs out of octets.
    reply.resize(reply.size() / 2);
}
