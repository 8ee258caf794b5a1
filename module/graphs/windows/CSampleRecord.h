#pragma once
// One completed poll of a port's counters, as the graph dialogs hand it to the rate statistics
// and the drawing windows. Copied by whoever keeps it.

#include <cstddef>
#include <cstdint>
#include <vector>

struct CSampleRecord {
    std::int32_t m_nCount = 0;           // number of counter values
    std::uint32_t m_dwSeq = 0;           // number of the sample
    std::vector<std::uint32_t> m_values; // the counter values, m_nCount of them
    std::uint32_t m_time = 0;            // calendar time in whole seconds
    std::int64_t m_timeMs = 0;           // the same in milliseconds; 0: m_time × 1000
    // When the reply with each value arrived, in milliseconds; empty: every value at m_timeMs.
    std::vector<std::int64_t> m_valueMs{};
};

// When the sample was built, in milliseconds.
inline std::int64_t SampleMilliseconds(const CSampleRecord& sample) {
    return sample.m_timeMs ? sample.m_timeMs : std::int64_t(sample.m_time) * 1000;
}

// When value i of the sample was received, in milliseconds: what its interval is timed by.
inline std::int64_t ValueMilliseconds(const CSampleRecord& sample, std::size_t i) {
    return i < sample.m_valueMs.size() && sample.m_valueMs[i] ? sample.m_valueMs[i]
                                                              : SampleMilliseconds(sample);
}
