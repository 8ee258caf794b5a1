#include <algorithm>

#include "agent/MibTypes.h"

namespace {

// A net mask is a run of one bits followed by zero bits.
bool IsContiguousMask(const std::string& bytes) {
    std::uint32_t mask = 0;
    for (unsigned char b : bytes) {
        mask = (mask << 8) | b;
    }
    const std::uint32_t inverted = ~mask;
    return (inverted & (inverted + 1)) == 0;
}

} // namespace

bool SatisfiesRule(const ValueRule& rule, const MibValue& value) {
    switch (rule.kind) {
    case ValueRule::Kind::AnyInteger:
        return value.number >= INT32_MIN && value.number <= INT32_MAX;
    case ValueRule::Kind::Enumeration:
        return std::find(rule.allowed.begin(), rule.allowed.end(), value.number) !=
               rule.allowed.end();
    case ValueRule::Kind::Range:
        return value.number >= rule.min && value.number <= rule.max;
    case ValueRule::Kind::Length: {
        const auto n = static_cast<std::int64_t>(value.bytes.size());
        return n >= rule.min && n <= rule.max;
    }
    case ValueRule::Kind::IpAddress:
        return value.bytes.size() == 4;
    case ValueRule::Kind::NetMask:
        return value.bytes.size() == 4 && IsContiguousMask(value.bytes);
    }
    return false;
}
