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
// The same time in milliseconds, for measuring intervals finer than a second. With a source
// installed, its seconds times 1000.
Milliseconds nowMs();

// Replaces the time source; an empty function restores the system clock.
void setSource(std::function<Seconds()> source);

// A settable time source for tests: installs itself and restores the system clock on exit.
class Manual {
public:
    explicit Manual(Seconds start = 1000000);
    ~Manual();
    Manual(const Manual&) = delete;
    Manual& operator=(const Manual&) = delete;

    void set(Seconds t) { m_now = t; }
    void advance(Seconds delta) { m_now += delta; }
    Seconds get() const { return m_now; }

private:
    Seconds m_now;
};

} // namespace Clock
