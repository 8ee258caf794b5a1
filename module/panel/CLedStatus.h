#pragma once
// The switch's LED status: byte 0 holds one blink bit per status LED; byte 1 + i holds the LED
// bits of port i in panel order, and 255 marks the end of the port list.

#include <array>
#include <cstdint>

class CLedStatus {
public:
    static constexpr int kSize = 128;
    static constexpr std::uint8_t kEndMark = 255;
    static constexpr int kStatusLeds = 8;

    CLedStatus() { Reset(); }
    // Both copies all zero; the iterator at rest.
    void Reset();
    // A value shorter than 128 bytes fills only its length; the rest reads as the end mark,
    // so no port beyond the value shows LEDs it was never told about.
    void Take(const std::uint8_t* bytes, int length);
    // The next status LED whose blink bit is set, or -1 after the last (then it starts again).
    int NextBlinking();

    std::uint8_t Byte(int index) const { return m_current[index]; }
    // The LED bits of port n (0-based), or the end mark.
    std::uint8_t PortBits(int port) const;
    bool IsBlinking(int led) const { return (m_current[0] >> led) & 1; }
    const std::array<std::uint8_t, kSize>& Previous() const { return m_previous; }

private:
    std::array<std::uint8_t, kSize> m_current{};
    std::array<std::uint8_t, kSize> m_previous{};
    int m_iterator = -1;
};
