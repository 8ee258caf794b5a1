#pragma once
// One second of traffic on one port: how many frames of which sizes arrived and left, and which
// errors came with them. Every count goes into the port's counters consistently: each good
// received frame lands in exactly one length bucket, totals include the bad frames, and
// broadcast plus multicast frames never exceed the good frames received.

#include <array>
#include <cstdint>

// Columns of the port counter table (E.11.9.1.2.3.1.n).
enum CounterColumn : int {
    CTR_GOOD_BYTES_RX = 3,
    CTR_GOOD_BYTES_TX = 4,
    CTR_GOOD_FRAMES_RX = 5,
    CTR_GOOD_FRAMES_TX = 6,
    CTR_TOTAL_BYTES_RX = 7,
    CTR_TOTAL_FRAMES_RX = 8,
    CTR_BROADCAST_RX = 9,
    CTR_MULTICAST_RX = 10,
    CTR_CRC_ERRORS = 11,
    CTR_OVERSIZED = 12,
    CTR_FRAGMENTS = 13,
    CTR_JABBERS = 14,
    CTR_COLLISIONS = 15,
    CTR_LATE_COLLISIONS = 16,
    CTR_FRAMES_64 = 17,
    CTR_FRAMES_65_127 = 18,
    CTR_FRAMES_128_255 = 19,
    CTR_FRAMES_256_511 = 20,
    CTR_FRAMES_512_1023 = 21,
    CTR_FRAMES_1024_1518 = 22,
    CTR_MAC_RX_ERROR = 23,
};
constexpr int kFirstCounterColumn = CTR_GOOD_BYTES_RX;
constexpr int kLastCounterColumn = CTR_MAC_RX_ERROR;

// Counters since the last start; wide, so a wrap is only what the wire shows.
struct PortCounters {
    std::array<std::uint64_t, kLastCounterColumn + 1> value{};
    std::uint64_t& operator[](int column) { return value[static_cast<std::size_t>(column)]; }
    std::uint64_t operator[](int column) const { return value[static_cast<std::size_t>(column)]; }
};

enum class PortProfile { Unconnected, Idle, Busy, Errored, Flaky };

// A small counter-based generator: the same seed gives the same sequence.
class TrafficRandom {
public:
    explicit TrafficRandom(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next();
    // Uniform in 0 .. bound - 1 (0 when bound is 0).
    std::uint64_t Below(std::uint64_t bound) { return bound == 0 ? 0 : Next() % bound; }

private:
    std::uint64_t m_state;
};

struct TrafficTick {
    PortProfile profile = PortProfile::Idle;
    double load = 0;        // share of the link rate the port carries on average
    int mbps = 100;         // current link rate
    bool fullDuplex = true; // collisions happen only in half duplex
};

struct TrafficOutcome {
    bool activity = false;        // any frame received or sent
    std::uint64_t broadcasts = 0; // broadcast frames received in this second
};

// Adds one second of traffic to `counters`.
TrafficOutcome RunTrafficTick(const TrafficTick& tick, TrafficRandom& random,
                              PortCounters& counters);
