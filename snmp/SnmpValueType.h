#pragma once
// Every value type the engine knows, in one table: its tag, its names, how a binding stores it,
// whether only SNMPv2c messages carry it, how it reads as text and the letters that give it on
// taurel-snmp's command line. The codec, the bindings' archive, the table-driven requests, the
// value texts, the simulated switch and the module's value classes all take their rule from
// here, so a new type is one new row.

#include <cstdint>
#include <span>
#include <string_view>

#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpTypes.h"

// How a binding holds a value of the type (CSnmpVarBind).
enum class SnmpStorage : std::uint8_t {
    None,     // no content: NULL and the SNMPv2c exceptions
    Number,   // a 32-bit number; 64 bits when it arrived with 5 to 8 content octets
    Number64, // a 64-bit unsigned number
    Bytes,    // octets
    Text,     // dotted OID text
};

// How a value of the type reads as text.
enum class SnmpForm : std::uint8_t {
    Signed,     // a signed number, or the name of its enumeration value
    Unsigned,   // an unsigned 32-bit number: 2^31 and above never read as negative
    Unsigned64, // an unsigned 64-bit number
    Octets,     // text, or hex when the row says so
    Opaque,     // octets wrapping another encoding
    Address,    // four octets, dotted
    ObjectId,   // dotted text
    Null,
    Mac,       // six octets as xx:xx:xx:xx:xx:xx
    Exception, // the agent could not answer for the name
};

struct SnmpValueType {
    std::uint8_t tag;     // the type byte of rows and bindings; the BER tag on the wire
    std::uint8_t wireTag; // the tag a value of this type is sent with
    const char* name;     // the SMI's name ("Counter", "noSuchObject")
    const char* label;    // net-snmp's word before the value ("Counter32"); for an exception
                          // the whole sentence net-snmp prints instead of a value
    const char* fileName; // the type's word in nmdialog-browser's table files; null: none
    SnmpStorage storage;
    SnmpForm form;
    bool v2Only;            // carried only by SNMPv2c messages (and the PDUs inside SNMPv3 ones)
    bool onWire;            // false for a type that exists only in table rows
    const char* setLetters; // taurel-snmp set TYPE letters that give a value of this type
};

// The row of `tag`; null for a type the engine does not know.
NMSNMP_API const SnmpValueType* SnmpValueTypeOf(std::uint8_t tag);
// The row a set TYPE letter gives; null for a letter no type has.
NMSNMP_API const SnmpValueType* SnmpValueTypeOfLetter(char letter);
// The row a table file names (case as written); null for a word no type has.
NMSNMP_API const SnmpValueType* SnmpValueTypeOfFileName(std::string_view word);
// Every row, in table order.
NMSNMP_API std::span<const SnmpValueType> SnmpValueTypes();

// True for Counter, Gauge and TimeTicks: unsigned numbers under INTEGER's encoding.
inline bool SnmpIsUnsignedNumber(std::uint8_t tag) {
    const SnmpValueType* type = SnmpValueTypeOf(tag);
    return type && type->form == SnmpForm::Unsigned;
}
