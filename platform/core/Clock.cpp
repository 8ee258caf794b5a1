#include "platform/core/Clock.h"

#include <chrono>
#include <ctime>

namespace Clock {
namespace {
std::function<Seconds()>& Source() {
    static std::function<Seconds()> source;
    return source;
}
} // namespace

Seconds now() {
    const auto& source = Source();
    return source ? source() : static_cast<Seconds>(std::time(nullptr));
}

Milliseconds nowMs() {
    const auto& source = Source();
    if (source)
        return source() * 1000;
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void setSource(std::function<Seconds()> source) {
    Source() = std::move(source);
}

Manual::Manual(Seconds start) : m_now(start) {
    setSource([this] { return m_now; });
}

Manual::~Manual() {
    setSource({});
}

} // namespace Clock
