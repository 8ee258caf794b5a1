#include "snmp/SnmpStrings.h"

namespace {
struct StringEntry {
    unsigned id;
    const char* text;
};

// Codes 10 and 11 are reserved and have no text.
constexpr StringEntry kStrings[] = {
    {1000, "Snmp error"},
    {1001, "Authentication parsing failed."},
    {1002, "Snmp version mismatch."},
    {1003, "Bad pdu type."},
    {1004, "variables binding list parsing failed."},
    {1005, "Bad tag."},
    {1006, "Indefinite length."},
    {1007, "Length field is too long."},
    {1008, "Malformed null."},
    {1009, "Unexpected ASN type."},
    {1012, "Value length is too long."},
    {1013, "Snmp object identifier is too long."},
    {1014, "Buffer overflow while snmp encoding."},
    {1015, "Response packet excesses the buffer length."},
    {1016, "Snmp timeout."},
    {1255, "Socket error, error code= 0x%04x"},
};
} // namespace

std::string SnmpLoadString(unsigned id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}
