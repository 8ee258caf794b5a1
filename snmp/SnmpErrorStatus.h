#pragma once
// The engine's one vocabulary for how a request ended: the words of every error status a
// response carries (0-5 from SNMPv1, 6-18 added by SNMPv2c), which binding an error index
// names, and how a receiver code reads. Windows choose the shape of their own lines (a status
// line, a log line, a poll status) and take the words from here.

#include <cstdint>
#include <iterator>
#include <string>
#include <type_traits>

#include "snmp/NmSnmpApi.h"

class CSnmpMsg;
class CSnmpPdu;

// The last error status the windows name: every status up to inconsistentName, the SNMPv1 ones
// (1-5) and those an SNMPv2c or SNMPv3 agent adds (6-18). A status past it is no status the
// protocol knows, and a window names none for it.
constexpr std::uint32_t kSnmpLastNamedErrorStatus = 18;

// What a status's words name besides the status itself: nothing ("General error"), the failing
// object ("No such name, NAME"), or its value and the object ("Bad value(VALUE), NAME").
enum class SnmpStatusShape { Plain, Object, ValueAndObject };
NMSNMP_API SnmpStatusShape SnmpErrorStatusShape(std::uint32_t status);

// net-snmp's identifier: "noError" ... "inconsistentName"; a status outside 0-18 as "error(N)".
NMSNMP_API std::string SnmpErrorStatusName(std::uint32_t status);

// The status as a log line reads it, about the object `name` whose value reads `value`:
// "Response too big", "No such name, NAME", "Bad value(VALUE), NAME", "Read only", "General
// error", and for the SNMPv2 statuses "No access, NAME", "Wrong type, NAME", ...; empty for
// noError and for a status outside 0-18. Cut at its first newline, so a name or value that
// holds one cannot break a one-line log.
NMSNMP_API std::string SnmpErrorStatusPhrase(std::uint32_t status, const std::string& name,
                                             const std::string& value);

// Which of a request's entries an error index names: the index counts from 1; index 0 names
// none in the protocol, and the windows read it as the first entry (`zeroIsLast` false) or the
// last (true). Null past the end or for an empty list.
template <class List>
auto ErrorIndexEntry(const List& entries, std::uint32_t index, bool zeroIsLast)
    -> std::remove_reference_t<decltype(*std::begin(entries))>* {
    if (std::begin(entries) == std::end(entries))
        return nullptr;
    if (index == 0)
        return zeroIsLast ? &*std::prev(std::end(entries)) : &*std::begin(entries);
    std::uint32_t n = 1;
    for (auto it = std::begin(entries); it != std::end(entries); ++it, ++n)
        if (n == index)
            return &*it;
    return nullptr;
}

// The words of an SNMPv2 exception standing in place of a value, about the object `name`:
// "No such object, NAME", "No such instance, NAME", "End of MIB view, NAME"; empty for a value
// that is no exception. Cut at its first newline.
NMSNMP_API std::string SnmpExceptionPhrase(std::uint8_t type, const std::string& name);
// The position (from 1) of the reply's first binding that holds an exception instead of a
// value; 0 when every binding holds a value. An SNMPv2 agent answers a request this way where
// an SNMPv1 agent answers noSuchName.
NMSNMP_API std::uint32_t SnmpFirstException(const CSnmpPdu& pdu);

// The engine's own words for how a request that got no reply ended: the text it gave the
// message (`msg` may be null; "Response too big.", "Unknown user name", why a send failed),
// or "Snmp error N" when it gave none.
NMSNMP_API std::string SnmpReceiverCodeText(std::uint16_t code, const CSnmpMsg* msg);
// The same for a text already taken from the message.
NMSNMP_API std::string SnmpReceiverCodeText(std::uint16_t code, const std::string& engineText);
