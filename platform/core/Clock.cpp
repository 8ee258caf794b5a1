#include "platform/core/Clock.h"

#include <chrono>
#include <ctime>

namespace Clock {
namespace {
std::function<Milliseconds()>& Source() {
    static std::function<Milliseconds()> source;
    return source;
}
} // namespace

Seconds now() {
    const auto& source = Source();
    return source ? SecondOf(source()) : static_cast<Seconds>(std::time(nullptr));
}

Milliseconds nowMs() {
    const auto& source = Source();
    if (source)
        return source();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void setSourceMs(std::function<Milliseconds()> source) {
    Source() = std::move(source);
}

Manual::Manual(Seconds start) : m_nowMs(start * 1000) {
    setSourceMs([this] { return m_nowMs; });
}

Manual::~Manual() {
    setSourceMs({});
}

} // namespace Clock
