#include "module/panel/CLedStatus.h"

#include <algorithm>
#include <cstring>

void CLedStatus::Reset() {
    m_current.fill(0);
    m_previous.fill(0);
    m_iterator = -1;
}

void CLedStatus::Take(const std::uint8_t* bytes, int length) {
    m_previous = m_current;
    m_current.fill(kEndMark);
    int n = std::clamp(length, 0, kSize);
    if (bytes && n > 0)
        std::memcpy(m_current.data(), bytes, std::size_t(n));
    if (n == 0)
        m_current[0] = 0; // no blink bits in an empty value
    m_iterator = -1;
}

int CLedStatus::NextBlinking() {
    for (int i = m_iterator + 1; i < kStatusLeds; ++i)
        if (IsBlinking(i))
            return m_iterator = i;
    return m_iterator = -1;
}

std::uint8_t CLedStatus::PortBits(int port) const {
    int index = 1 + port;
    return index > 0 && index < kSize ? m_current[index] : kEndMark;
}
