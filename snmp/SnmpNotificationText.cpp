#include "snmp/SnmpNotificationText.h"

#include <cstdio>

#include "snmp/SnmpTypes.h"

namespace {

// net-snmp shows a string as text when every octet is printable or white space in the C
// locale, else as hex.
bool IsPlainText(const std::vector<std::uint8_t>& bytes) {
    for (const std::uint8_t b : bytes) {
        const bool printable = b >= 0x20 && b <= 0x7E;
        const bool space = b == '\t' || b == '\n' || b == '\v' || b == '\f' || b == '\r';
        if (!printable && !space) {
            return false;
        }
    }
    return true;
}

// Each octet as two upper-case digits and a space, sixteen to a line.
std::string HexText(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char digits[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 16 == 0) {
            text += '\n';
        }
        std::snprintf(digits, sizeof digits, "%02X ", bytes[i]);
        text += digits;
    }
    return text;
}

std::string QuotedText(const std::vector<std::uint8_t>& bytes) {
    std::string text = "\"";
    for (const std::uint8_t b : bytes) {
        if (b == '"' || b == '\\') {
            text += '\\';
        }
        text += static_cast<char>(b);
    }
    return text + "\"";
}

} // namespace

std::string NetSnmpOidText(const std::string& dotted) {
    static const char* const kRoots[] = {"ccitt", "iso", "joint-iso-ccitt"};
    const std::size_t dot = dotted.find('.');
    const std::string first = dotted.substr(0, dot);
    if (first.size() == 1 && first[0] >= '0' && first[0] <= '2') {
        return kRoots[first[0] - '0'] + (dot == std::string::npos ? "" : dotted.substr(dot));
    }
    return dotted;
}

std::string NetSnmpTimeticksText(std::uint32_t ticks) {
    const std::uint32_t days = ticks / 8640000;
    const std::uint32_t hours = ticks / 360000 % 24;
    const std::uint32_t minutes = ticks / 6000 % 60;
    const std::uint32_t seconds = ticks / 100 % 60;
    const std::uint32_t hundredths = ticks % 100;
    char text[64];
    if (days == 0) {
        std::snprintf(text, sizeof text, "%u:%02u:%02u.%02u", hours, minutes, seconds, hundredths);
    } else {
        std::snprintf(text, sizeof text, "%u %s, %u:%02u:%02u.%02u", days,
                      days == 1 ? "day" : "days", hours, minutes, seconds, hundredths);
    }
    return text;
}

std::string NetSnmpValueText(const SnmpNotificationBinding& b) {
    switch (b.type) {
    case SNMP_TYPE_INTEGER:
        return "INTEGER: " + std::to_string(b.Signed());
    case SNMP_TYPE_OCTETS:
        if (b.value.empty()) {
            return "\"\"";
        }
        return IsPlainText(b.value) ? "STRING: " + QuotedText(b.value)
                                    : "Hex-STRING: " + HexText(b.value);
    case SNMP_TYPE_NULL:
        return "NULL";
    case SNMP_TYPE_OID:
        return "OID: " + NetSnmpOidText(b.ObjectIdText());
    case SNMP_TYPE_IPADDR: {
        std::string text = "IpAddress: ";
        for (std::size_t i = 0; i < b.value.size(); ++i) {
            text += (i ? "." : "") + std::to_string(b.value[i]);
        }
        return text;
    }
    case SNMP_TYPE_COUNTER:
        return "Counter32: " + std::to_string(b.Unsigned());
    case SNMP_TYPE_GAUGE:
        return "Gauge32: " + std::to_string(b.Unsigned());
    case SNMP_TYPE_TIMETICKS: {
        const auto ticks = static_cast<std::uint32_t>(b.Unsigned());
        return "Timeticks: (" + std::to_string(ticks) + ") " + NetSnmpTimeticksText(ticks);
    }
    case SNMP_TYPE_OPAQUE:
        return "OPAQUE: " + HexText(b.value);
    case SNMP_TYPE_COUNTER64:
        return "Counter64: " + std::to_string(b.Unsigned());
    case SNMP_TYPE_NOSUCHOBJECT:
        return "No Such Object available on this agent at this OID";
    case SNMP_TYPE_NOSUCHINSTANCE:
        return "No Such Instance currently exists at this OID";
    case SNMP_TYPE_ENDOFMIBVIEW:
        return "No more variables left in this MIB View (It is past the end of the MIB tree)";
    default:
        return "Wrong Type: " + HexText(b.value);
    }
}

std::string NetSnmpBindingText(const SnmpNotificationBinding& b) {
    return NetSnmpOidText(b.oid) + " = " + NetSnmpValueText(b);
}
