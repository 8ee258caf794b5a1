#pragma once
// Faults a test can ask of the agent's replies: lose them, hold them back, break their BER, or
// send them twice. Decisions come from one seeded generator, so a seed replays the same faults.

#include <cstdint>
#include <random>
#include <vector>

struct FaultSettings {
    int dropPercent = 0;
    int delayMs = 0;
    int corruptPercent = 0;
    int duplicatePercent = 0;
    std::uint64_t seed = 1;
};

struct FaultDecision {
    bool drop = false;
    bool corrupt = false;
    bool duplicate = false;
    int delayMs = 0;
};

class CFaultInjector {
public:
    explicit CFaultInjector(const FaultSettings& settings);

    // What happens to the next reply.
    FaultDecision Decide();
    // Breaks the BER of a reply: the outer length then claims more octets than follow.
    static void Corrupt(std::vector<std::uint8_t>& reply);

private:
    bool Chance(int percent);

    FaultSettings m_settings;
    std::mt19937_64 m_random;
};
