#include "snmp/SnmpValueType.h"

#include <array>
#include <iterator>

namespace {

using S = SnmpStorage;
using F = SnmpForm;

constexpr SnmpValueType kTypes[] = {
    {SNMP_TYPE_INTEGER, SNMP_TYPE_INTEGER, "INTEGER", "INTEGER", "integer", S::Number, F::Signed,
     false, true, "i"},
    // s text, x hex, d decimal octets, b bit numbers: four ways to write the same octets.
    {SNMP_TYPE_OCTETS, SNMP_TYPE_OCTETS, "OCTET STRING", "STRING", "string", S::Bytes, F::Octets,
     false, true, "sxdb"},
    {SNMP_TYPE_NULL, SNMP_TYPE_NULL, "NULL", "NULL", nullptr, S::None, F::Null, false, true, "n"},
    {SNMP_TYPE_OID, SNMP_TYPE_OID, "OBJECT IDENTIFIER", "OID", "oid", S::Text, F::ObjectId, false,
     true, "o"},
    {SNMP_TYPE_IPADDR, SNMP_TYPE_IPADDR, "IpAddress", "IpAddress", "ipaddress", S::Bytes,
     F::Address, false, true, "a"},
    {SNMP_TYPE_COUNTER, SNMP_TYPE_COUNTER, "Counter", "Counter32", "counter", S::Number,
     F::Unsigned, false, true, "c"},
    // u is net-snmp's Unsigned32, which shares Gauge's tag.
    {SNMP_TYPE_GAUGE, SNMP_TYPE_GAUGE, "Gauge", "Gauge32", "gauge", S::Number, F::Unsigned, false,
     true, "gu"},
    {SNMP_TYPE_TIMETICKS, SNMP_TYPE_TIMETICKS, "TimeTicks", "Timeticks", "timeticks", S::Number,
     F::Unsigned, false, true, "t"},
    {SNMP_TYPE_OPAQUE, SNMP_TYPE_OPAQUE, "Opaque", "OPAQUE", "opaque", S::Bytes, F::Opaque, false,
     true, ""},
    {SNMP_TYPE_COUNTER64, SNMP_TYPE_COUNTER64, "Counter64", "Counter64", nullptr, S::Number64,
     F::Unsigned64, true, true, ""},
    // A MAC address is an OCTET STRING on the wire; the type exists so rows can show it.
    {SNMP_TYPE_MAC, SNMP_TYPE_OCTETS, "MAC address", "STRING", "mac", S::Bytes, F::Mac, false,
     false, "m"},
    {SNMP_TYPE_NOSUCHOBJECT, SNMP_TYPE_NOSUCHOBJECT, "noSuchObject",
     "No Such Object available on this agent at this OID", nullptr, S::None, F::Exception, true,
     true, ""},
    {SNMP_TYPE_NOSUCHINSTANCE, SNMP_TYPE_NOSUCHINSTANCE, "noSuchInstance",
     "No Such Instance currently exists at this OID", nullptr, S::None, F::Exception, true, true,
     ""},
    {SNMP_TYPE_ENDOFMIBVIEW, SNMP_TYPE_ENDOFMIBVIEW, "endOfMibView",
     "No more variables left in this MIB View (It is past the end of the MIB tree)", nullptr,
     S::None, F::Exception, true, true, ""},
};

// Row number + 1 by tag, 0 for none: the codec looks a type up for every binding.
constexpr auto kIndexByTag = [] {
    std::array<std::uint8_t, 256> index{};
    for (std::size_t i = 0; i < std::size(kTypes); ++i) {
        index[kTypes[i].tag] = static_cast<std::uint8_t>(i + 1);
    }
    return index;
}();

} // namespace

const SnmpValueType* SnmpValueTypeOf(std::uint8_t tag) {
    const std::uint8_t row = kIndexByTag[tag];
    return row == 0 ? nullptr : &kTypes[row - 1];
}

const SnmpValueType* SnmpValueTypeOfLetter(char letter) {
    for (const SnmpValueType& type : kTypes) {
        if (letter != 0 &&
            std::string_view(type.setLetters).find(letter) != std::string_view::npos) {
            return &type;
        }
    }
    return nullptr;
}

const SnmpValueType* SnmpValueTypeOfFileName(std::string_view word) {
    for (const SnmpValueType& type : kTypes) {
        if (type.fileName && word == type.fileName) {
            return &type;
        }
    }
    return nullptr;
}

std::span<const SnmpValueType> SnmpValueTypes() {
    return kTypes;
}
