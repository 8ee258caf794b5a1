#include "tools/taurel-snmp/ClientSetValue.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <vector>

#include "snmp/NmOidTable.h"
#include "snmp/SnmpValueText.h"

namespace {

bool IsDigits(const std::string& text) {
    return !text.empty() && text.size() <= 19 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

bool ParseSigned32(const std::string& text, std::uint32_t& value) {
    const bool negative = !text.empty() && (text[0] == '-' || text[0] == '+');
    if (!IsDigits(negative ? text.substr(1) : text)) {
        return false;
    }
    const std::int64_t number = SnmpDecimalText(text);
    if (number < INT32_MIN || number > INT32_MAX) {
        return false;
    }
    value = static_cast<std::uint32_t>(number);
    return true;
}

bool ParseUnsigned32(const std::string& text, std::uint32_t& value) {
    if (!IsDigits(text)) {
        return false;
    }
    const std::int64_t number = SnmpDecimalText(text);
    if (number > UINT32_MAX) {
        return false;
    }
    value = static_cast<std::uint32_t>(number);
    return true;
}

bool ParseHex(const std::string& text, std::string& bytes) {
    std::string digits;
    for (char c : text) {
        if (c == ' ' || c == ':') {
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        digits += c;
    }
    bytes = SnmpHexTextToBytes(digits);
    return true;
}

bool ParseIp(const std::string& text, std::array<std::uint8_t, 4>& bytes) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t end = i < 3 ? text.find('.', start) : text.size();
        if (end == std::string::npos) {
            return false;
        }
        const std::string part = text.substr(start, end - start);
        if (part.size() > 3 || !IsDigits(part) || SnmpDecimalText(part) > 255) {
            return false;
        }
        bytes[i] = static_cast<std::uint8_t>(SnmpDecimalText(part));
        start = end + 1;
    }
    return true;
}

} // namespace

bool AddClientSetBinding(CSnmpPdu& pdu, const ClientSetItem& item, std::string& error) {
    std::uint32_t number = 0;
    std::string bytes;
    std::string oidValue;
    std::array<std::uint8_t, 4> ip{};
    std::vector<std::uint8_t> mac;
    bool ok = true;
    switch (item.type) {
    case 'i':
        if ((ok = ParseSigned32(item.value, number))) {
            pdu.AddOid(item.oid, number, SNMP_TYPE_INTEGER);
        }
        break;
    case 's':
        pdu.AddOid(item.oid, item.value, SNMP_TYPE_OCTETS);
        break;
    case 'x':
        if ((ok = ParseHex(item.value, bytes))) {
            pdu.AddOid(item.oid, bytes, SNMP_TYPE_OCTETS);
        }
        break;
    case 'o':
        if ((ok = NormalizeOid(item.value, oidValue))) {
            pdu.AddOid(item.oid, oidValue, SNMP_TYPE_OID);
        }
        break;
    case 'a':
        if ((ok = ParseIp(item.value, ip))) {
            pdu.AddOid(item.oid, ip.data(), static_cast<int>(ip.size()), SNMP_TYPE_IPADDR);
        }
        break;
    case 'c':
    case 'g':
    case 't':
        if ((ok = ParseUnsigned32(item.value, number))) {
            const std::uint8_t type = item.type == 'c'   ? SNMP_TYPE_COUNTER
                                      : item.type == 'g' ? SNMP_TYPE_GAUGE
                                                         : SNMP_TYPE_TIMETICKS;
            pdu.AddOid(item.oid, number, type);
        }
        break;
    case 'm':
        if ((ok = SnmpMacTextToBytes(item.value, mac) && mac.size() == 6)) {
            pdu.AddOid(item.oid, mac.data(), static_cast<int>(mac.size()), SNMP_TYPE_OCTETS);
        }
        break;
    default:
        ok = false;
    }
    if (!ok) {
        error = std::string("bad value for type ") + item.type + ": " + item.value;
    }
    return ok;
}
