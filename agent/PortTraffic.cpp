#include "agent/PortTraffic.h"

namespace {

struct LengthBucket {
    int column;
    std::uint64_t shortest;
    std::uint64_t longest;
    std::uint64_t weight; // percent of the frames
};

constexpr LengthBucket kBuckets[] = {
    {CTR_FRAMES_64, 64, 64, 40},         {CTR_FRAMES_65_127, 65, 127, 20},
    {CTR_FRAMES_128_255, 128, 255, 10},  {CTR_FRAMES_256_511, 256, 511, 8},
    {CTR_FRAMES_512_1023, 512, 1023, 7}, {CTR_FRAMES_1024_1518, 1024, 1518, 15},
};
constexpr std::uint64_t kMeanFrameBytes = 340; // of the mix above

// Bytes of `frames` frames whose lengths are spread over the bucket.
std::uint64_t BucketBytes(const LengthBucket& b, std::uint64_t frames, TrafficRandom& random) {
    return frames * b.shortest + random.Below(frames * (b.longest - b.shortest) + 1);
}

struct Received {
    std::uint64_t frames = 0;
    std::uint64_t bytes = 0;
};

Received ReceiveMix(std::uint64_t frames, TrafficRandom& random, PortCounters& c) {
    Received got;
    for (const LengthBucket& b : kBuckets) {
        const std::uint64_t n = frames * b.weight / 100;
        c[b.column] += n;
        got.frames += n;
        got.bytes += BucketBytes(b, n, random);
    }
    return got;
}

// Frames with errors: received, counted in the totals, never among the good frames.
void ReceiveErrors(std::uint64_t goodFrames, TrafficRandom& random, PortCounters& c) {
    const std::uint64_t crc = goodFrames / 500 + random.Below(4);
    const std::uint64_t fragments = random.Below(5);
    const std::uint64_t oversized = random.Below(3);
    const std::uint64_t jabbers = random.Below(2);
    c[CTR_CRC_ERRORS] += crc;
    c[CTR_FRAMES_65_127] += crc; // damaged frames still have a length
    c[CTR_FRAGMENTS] += fragments;
    c[CTR_OVERSIZED] += oversized;
    c[CTR_JABBERS] += jabbers;
    c[CTR_MAC_RX_ERROR] += random.Below(2);
    c[CTR_TOTAL_FRAMES_RX] += crc + fragments + oversized + jabbers;
    c[CTR_TOTAL_BYTES_RX] += crc * 100 + fragments * 40 + oversized * 1600 + jabbers * 2000;
}

std::uint64_t FramesFor(const TrafficTick& tick, TrafficRandom& random) {
    if (tick.profile == PortProfile::Idle) {
        return random.Below(4); // spanning-tree and address-resolution chatter
    }
    const double bytesPerSecond = tick.load * tick.mbps * 1e6 / 8;
    const double jitter = 0.75 + static_cast<double>(random.Below(501)) / 1000.0;
    return static_cast<std::uint64_t>(bytesPerSecond * jitter) / kMeanFrameBytes;
}

} // namespace

std::uint64_t TrafficRandom::Next() {
    // splitmix64
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

TrafficOutcome RunTrafficTick(const TrafficTick& tick, TrafficRandom& random, PortCounters& c) {
    TrafficOutcome outcome;
    if (tick.profile == PortProfile::Unconnected) {
        return outcome;
    }
    const std::uint64_t offered = FramesFor(tick, random);
    Received rx;
    std::uint64_t broadcasts = 0;
    std::uint64_t multicasts = 0;
    if (tick.profile == PortProfile::Idle) {
        rx.frames = offered; // all minimum-size broadcasts
        rx.bytes = offered * 64;
        c[CTR_FRAMES_64] += offered;
        broadcasts = offered;
    } else {
        rx = ReceiveMix(offered, random, c);
        broadcasts = rx.frames * 2 / 100;
        multicasts = rx.frames * 3 / 100;
    }
    if (tick.profile == PortProfile::Errored && random.Below(20) == 0) {
        const std::uint64_t storm = 5000; // a burst of broadcasts from a looping neighbour
        c[CTR_FRAMES_64] += storm;
        rx.frames += storm;
        rx.bytes += storm * 64;
        broadcasts += storm;
    }
    c[CTR_GOOD_FRAMES_RX] += rx.frames;
    c[CTR_GOOD_BYTES_RX] += rx.bytes;
    c[CTR_TOTAL_FRAMES_RX] += rx.frames;
    c[CTR_TOTAL_BYTES_RX] += rx.bytes;
    c[CTR_BROADCAST_RX] += broadcasts;
    c[CTR_MULTICAST_RX] += multicasts;
    if (tick.profile == PortProfile::Errored) {
        ReceiveErrors(rx.frames, random, c);
    }

    // What the port sends mirrors what it receives, at half to one and a half times the amount.
    const std::uint64_t share = 50 + random.Below(101);
    const std::uint64_t txFrames =
        tick.profile == PortProfile::Idle ? random.Below(3) : rx.frames * share / 100;
    const std::uint64_t txBytes =
        tick.profile == PortProfile::Idle ? txFrames * 64 : rx.bytes * share / 100;
    c[CTR_GOOD_FRAMES_TX] += txFrames;
    c[CTR_GOOD_BYTES_TX] += txBytes;
    if (!tick.fullDuplex) {
        c[CTR_COLLISIONS] += txFrames / 50;
        if (tick.profile == PortProfile::Errored) {
            c[CTR_LATE_COLLISIONS] += random.Below(2);
        }
    }

    outcome.activity = rx.frames + txFrames > 0;
    outcome.broadcasts = broadcasts;
    return outcome;
}
