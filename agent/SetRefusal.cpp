#include "agent/SetRefusal.h"

#include "snmp/SnmpTypes.h"

namespace {

// The SNMPv2 error statuses the agent answers sets with (RFC 3416).
constexpr std::uint32_t kWrongType = 7;
constexpr std::uint32_t kWrongValue = 10;
constexpr std::uint32_t kNoCreation = 11;
constexpr std::uint32_t kInconsistentValue = 12;
constexpr std::uint32_t kResourceUnavailable = 13;
constexpr std::uint32_t kNotWritable = 17;
constexpr std::uint32_t kInconsistentName = 18;

} // namespace

std::uint32_t SetRefusalStatus(SetRefusal refusal, int version) {
    const bool v1 = version == SNMP_VERSION_1;
    switch (refusal) {
    case SetRefusal::NoObject:
    case SetRefusal::NoSuchRow:
        return v1 ? std::uint32_t(SNMP_NO_SUCH_NAME) : kNoCreation;
    case SetRefusal::NotWritable:
        return v1 ? std::uint32_t(SNMP_NO_SUCH_NAME) : kNotWritable;
    case SetRefusal::WrongType:
        return v1 ? std::uint32_t(SNMP_BAD_VALUE) : kWrongType;
    case SetRefusal::WrongValue:
        return v1 ? std::uint32_t(SNMP_BAD_VALUE) : kWrongValue;
    }
    return SNMP_GEN_ERR;
}

std::uint32_t SetterStatus(SnmpErrorStatus status, int version) {
    if (version == SNMP_VERSION_1)
        return status;
    switch (status) {
    case SNMP_BAD_VALUE:
        return kInconsistentValue;
    case SNMP_NO_SUCH_NAME:
        return kInconsistentName;
    case SNMP_GEN_ERR:
        return kResourceUnavailable;
    default:
        return status;
    }
}
