#include "tools/controls-gallery/GraphSamples.h"

#include <cmath>

namespace GraphSamples {

namespace {
// The packet counter starts this far below 2^32, so it wraps after about two minutes.
constexpr std::uint32_t kPacketStart = 4294967295u - 160000u;

// The counter value after k intervals: the sum of the rates so far, so that the curve shows
// each rate exactly.
double Rate(int counter, int k) {
    switch (counter) {
    case 0:
        return 900 + 500 * std::sin(k / 6.0);
    case 1:
        return 400 + 250 * std::cos(k / 9.0);
    default:
        return 1300 + 300 * std::sin(k / 4.0);
    }
}
} // namespace

std::vector<std::string> CounterNames() {
    return {"In Octets", "Out Octets", "In Packets"};
}

CSampleRecord Sample(int k, std::uint32_t time) {
    CSampleRecord s;
    s.m_nCount = 3;
    s.m_dwSeq = std::uint32_t(k);
    s.m_time = time;
    for (int c = 0; c < 3; ++c) {
        std::uint32_t value = c == 2 ? kPacketStart : 1000000u * std::uint32_t(c + 1);
        for (int i = 1; i <= k; ++i)
            value += std::uint32_t(Rate(c, i)) * kInterval;
        s.m_values.push_back(value);
    }
    return s;
}

std::vector<CSampleRecord> History(int count, std::uint32_t end) {
    std::vector<CSampleRecord> samples;
    for (int k = 0; k < count; ++k)
        samples.push_back(Sample(k, end - std::uint32_t((count - 1 - k) * kInterval)));
    return samples;
}

} // namespace GraphSamples
