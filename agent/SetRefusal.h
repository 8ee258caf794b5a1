#pragma once
// The error status a set request is refused with. SNMPv1 has two words for every refusal
// (noSuchName, badValue); SNMPv2c names the reason, and an SNMPv2c manager such as net-snmp's
// snmpset shows that reason to its operator.

#include <cstdint>

#include "agent/MibTypes.h"

enum class SetRefusal {
    NoObject,    // the name lies under no object of the switch
    NotWritable, // a read-only object
    NoSuchRow,   // a writable object, but no row the request may write
    WrongType,   // a value of another type than the object's
    WrongValue,  // a value the object can never take
};

// SNMPv1: noSuchName for the first three, badValue for the other two. SNMPv2c: noCreation,
// notWritable, noCreation, wrongType, wrongValue.
std::uint32_t SetRefusalStatus(SetRefusal refusal, int version);
// An object's own refusal (its setter's SNMPv1 status) in `version`: in SNMPv2c badValue (a
// value this port or row cannot take now) reads inconsistentValue, noSuchName (a row that does
// not exist now) inconsistentName, genErr (a full table) resourceUnavailable.
std::uint32_t SetterStatus(SnmpErrorStatus status, int version);
