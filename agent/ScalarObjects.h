#pragma once
// Builders for the switch's scalar objects, shared by the object groups.

#include "agent/MibObject.h"

// A read-only scalar computed from the running switch.
inline MibObject ReadOnlyScalar(Oid oid, std::uint8_t type, MibObject::Getter get) {
    return {std::move(oid), type, MibAccess::ReadOnly, MibTable::Scalar, {}, std::move(get), {}};
}

// A read-write INTEGER scalar kept in the configuration.
inline MibObject IntegerSetting(Oid oid, std::int32_t SwitchConfig::*field, ValueRule rule) {
    return {std::move(oid),
            2,
            MibAccess::ReadWrite,
            MibTable::Scalar,
            std::move(rule),
            [field](const CSimSwitch& device, const Oid&, std::int64_t) {
                return MibValue::Integer(device.Config().*field);
            },
            [field](SetContext& context, const Oid&, const MibValue& value) {
                context.config.*field = static_cast<std::int32_t>(value.number);
                return SNMP_NO_ERROR;
            }};
}

// A read-write DisplayString scalar kept in the configuration.
inline MibObject TextSetting(Oid oid, std::string SwitchConfig::*field) {
    return {std::move(oid),
            4,
            MibAccess::ReadWrite,
            MibTable::Scalar,
            ValueRule::Size(0, 255),
            [field](const CSimSwitch& device, const Oid&, std::int64_t) {
                return MibValue::Octets(device.Config().*field);
            },
            [field](SetContext& context, const Oid&, const MibValue& value) {
                context.config.*field = value.bytes;
                return SNMP_NO_ERROR;
            }};
}
