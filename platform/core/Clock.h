#pragma once
// The one source of wall-clock time for time-dependent rules (request time-outs, sampling),
// replaceable so tests move time instead of sleeping.

#include <cstdint>
#include <functional>

namespace Clock {

using Seconds = std::int64_t;
using Milliseconds = std::int64_t;

// Current time in whole seconds since the epoch.
Seconds now();
// The same time in milliseconds, for measuring intervals finer than a second.
Milliseconds nowMs();

// The whole second a millisecond falls in (rounded down, also before the epoch).
constexpr Seconds SecondOf(Milliseconds ms) {
    return ms >= 0 ? ms / 1000 : -((999 - ms) / 1000);
}

// Replaces the time source; an empty function restores the system clock.
void setSourceMs(std::function<Milliseconds()> source);

// A settable time source for tests: installs itself and restores the system clock on exit.
// It keeps milliseconds; the seconds calls move whole seconds.
class Manual {
public:
    explicit Manual(Seconds start = 1000000);
    ~Manual();
    Manual(const Manual&) = delete;
    Manual& operator=(const Manual&) = delete;

    void set(Seconds t) { m_nowMs = t * 1000; }
    void advance(Seconds delta) { m_nowMs += delta * 1000; }
    Seconds get() const { return SecondOf(m_nowMs); }
    void setMs(Milliseconds t) { m_nowMs = t; }
    void advanceMs(Milliseconds delta) { m_nowMs += delta; }
    Milliseconds getMs() const { return m_nowMs; }

private:
    Milliseconds m_nowMs;
};

} // namespace Clock
