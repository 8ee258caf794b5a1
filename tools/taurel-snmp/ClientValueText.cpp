#include "tools/taurel-snmp/ClientValueText.h"

#include <cstring>
#include <string_view>

#include "platform/core/TextFormat.h"
#include "snmp/SnmpValueType.h"

namespace {

constexpr std::size_t kHexOctetsPerLine = 16;

bool IsSpace(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// What the C locale's isprint or isspace takes: such octets are shown as they are.
bool IsShown(unsigned char c) {
    return (c >= 0x20 && c < 0x7F) || IsSpace(c);
}

bool IsText(std::string_view bytes) {
    for (const unsigned char c : bytes) {
        if (!IsShown(c)) {
            return false;
        }
    }
    return true;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string Ascii(std::string_view bytes) {
    std::string text;
    for (const unsigned char c : bytes) {
        text += IsShown(c) ? static_cast<char>(c) : '.';
    }
    return text;
}

// "00 80 C8 " with a line break before every 17th octet; with `withText` each line ends in
// two blanks and its octets as text in brackets.
std::string HexLines(std::string_view bytes, bool withText) {
    std::string text;
    for (std::size_t start = 0; start < bytes.size(); start += kHexOctetsPerLine) {
        if (start > 0) {
            text += '\n';
        }
        const std::string_view line = bytes.substr(start, kHexOctetsPerLine);
        for (const unsigned char c : line) {
            text += FormatText("%02X ", c);
        }
        if (withText) {
            text += "  [" + Ascii(line) + "]";
        }
    }
    return text;
}

std::string OctetsText(std::string_view bytes, const ClientOutputOptions& options, bool quick) {
    if (bytes.empty()) {
        return "\"\"";
    }
    const bool text = !options.allHex && (options.allAscii || IsText(bytes));
    if (text) {
        const std::string shown = options.allAscii ? Ascii(bytes) : std::string(bytes);
        return (quick ? "" : "STRING: ") + Quoted(shown);
    }
    const std::string hex = HexLines(bytes, options.hexWithText);
    return quick ? "\"" + hex + "\"" : "Hex-STRING: " + hex;
}

std::string TicksText(std::uint32_t ticks, const ClientOutputOptions& options, bool quick) {
    if (options.ticksNumeric) {
        return FormatText("%u", ticks);
    }
    const std::uint32_t days = ticks / 8640000;
    const std::uint32_t hours = ticks / 360000 % 24;
    const std::uint32_t minutes = ticks / 6000 % 60;
    const std::uint32_t seconds = ticks / 100 % 60;
    const std::uint32_t hundredths = ticks % 100;
    if (quick) {
        return FormatText("%u:%u:%02u:%02u.%02u", days, hours, minutes, seconds, hundredths);
    }
    std::string text = FormatText("Timeticks: (%u) ", ticks);
    if (days > 0) {
        text += FormatText("%u %s, ", days, days == 1 ? "day" : "days");
    }
    return text + FormatText("%u:%02u:%02u.%02u", hours, minutes, seconds, hundredths);
}

// The number in `content` read big-endian, sign-extended when `isSigned`.
std::uint64_t BigEndian(std::string_view content, bool isSigned) {
    std::uint64_t value = isSigned && !content.empty() && (content[0] & 0x80) ? ~0ull : 0;
    for (const unsigned char c : content) {
        value = (value << 8) | c;
    }
    return value;
}

// An Opaque that wraps one of net-snmp's tagged numbers (9F 78 float, 79 double, 7A Int64,
// 7B UInt64, 76 Counter64) reads as that number; any other as its octets.
std::string OpaqueText(std::string_view bytes, const ClientOutputOptions& options, bool quick) {
    const std::string raw = HexLines(bytes, options.hexWithText);
    if (bytes.size() < 3 || static_cast<unsigned char>(bytes[0]) != 0x9F ||
        static_cast<unsigned char>(bytes[2]) != bytes.size() - 3) {
        return quick ? raw : "OPAQUE: " + raw;
    }
    const std::string_view content = bytes.substr(3);
    const std::string head = quick ? "" : "Opaque: ";
    switch (static_cast<unsigned char>(bytes[1])) {
    case 0x78:
        if (content.size() == 4) {
            const auto bits = static_cast<std::uint32_t>(BigEndian(content, false));
            float value = 0;
            std::memcpy(&value, &bits, sizeof value);
            return head + (quick ? "" : "Float: ") + FormatText("%f", double{value});
        }
        break;
    case 0x79:
        if (content.size() == 8) {
            const std::uint64_t bits = BigEndian(content, false);
            double value = 0;
            std::memcpy(&value, &bits, sizeof value);
            // net-snmp names a double "Float" too.
            return head + (quick ? "" : "Float: ") + FormatText("%f", value);
        }
        break;
    case 0x7A:
        if (!content.empty() && content.size() <= 8) {
            return head + (quick ? "" : "Int64: ") +
                   FormatText("%lld", static_cast<long long>(BigEndian(content, true)));
        }
        break;
    case 0x7B:
    case 0x76: {
        const bool zeroLed = content.size() == 9 && content[0] == 0;
        if (!content.empty() && (content.size() <= 8 || zeroLed)) {
            const char* word = bytes[1] == 0x7B ? "UInt64: " : "Counter64: ";
            return head + (quick ? "" : word) +
                   FormatText("%llu", static_cast<unsigned long long>(
                                          BigEndian(zeroLed ? content.substr(1) : content, false)));
        }
        break;
    }
    default:
        break;
    }
    return quick ? raw : "OPAQUE: " + raw;
}

std::string ValueText(const CSnmpVarBind& vb, const ClientOutputOptions& options) {
    const bool quick = options.quick || options.quickEquals;
    const SnmpValueType* type = SnmpValueTypeOf(vb.m_byType);
    if (!type) {
        return FormatText("type(%u)", vb.m_byType);
    }
    const std::string label = quick ? "" : std::string(type->label) + ": ";
    const std::uint8_t* bytes = vb.GetBytes();
    const std::string_view octets(reinterpret_cast<const char*>(bytes), bytes ? vb.m_wLength : 0);
    switch (type->form) {
    case SnmpForm::Signed:
        return label + FormatText("%lld", static_cast<long long>(vb.GetInt64()));
    case SnmpForm::Unsigned:
        return vb.m_byType == SNMP_TYPE_TIMETICKS ? TicksText(vb.GetUInt32(), options, quick)
                                                  : label + FormatText("%u", vb.GetUInt32());
    case SnmpForm::Unsigned64:
        return label + FormatText("%llu", static_cast<unsigned long long>(vb.GetInt64()));
    case SnmpForm::Octets:
    case SnmpForm::Mac:
        return OctetsText(octets, options, quick);
    case SnmpForm::Opaque:
        return OpaqueText(octets, options, quick);
    case SnmpForm::Address:
        if (octets.size() == 4) {
            return label + FormatText("%u.%u.%u.%u", bytes[0], bytes[1], bytes[2], bytes[3]);
        }
        return label + HexLines(octets, false);
    case SnmpForm::ObjectId:
        return label + ClientOidText(vb.GetText().empty() ? "0" : vb.GetText());
    case SnmpForm::Null:
        return "NULL";
    case SnmpForm::Exception:
        return type->label;
    }
    return {};
}

} // namespace

bool ParseOutputOptions(const std::string& letters, ClientOutputOptions& options, char& bad) {
    for (const char letter : letters) {
        switch (letter) {
        case 'q':
            options.quick = true;
            break;
        case 'Q':
            options.quickEquals = true;
            break;
        case 'v':
            options.valueOnly = true;
            break;
        case 't':
            options.ticksNumeric = true;
            break;
        case 'x':
            options.allHex = true;
            break;
        case 'a':
            options.allAscii = true;
            break;
        case 'T':
            options.hexWithText = true;
            break;
        default:
            if (std::string_view("nsSfubeEXU0").find(letter) == std::string_view::npos) {
                bad = letter;
                return false;
            }
            break;
        }
    }
    if (letters.empty()) {
        bad = '-';
        return false;
    }
    return true;
}

std::string ClientOidText(const std::string& oid) {
    return "." + oid;
}

std::string FormatClientBinding(const CSnmpVarBind& vb, const ClientOutputOptions& options) {
    const std::string value = ValueText(vb, options);
    if (options.valueOnly) {
        return value;
    }
    const bool spaceOnly = options.quick && !options.quickEquals;
    return ClientOidText(vb.m_strOid) + (spaceOnly ? " " : " = ") + value;
}

std::string PduTypeName(std::uint16_t pduType) {
    const std::string word = PduTypeWord(pduType);
    if (word.back() == '?') {
        return FormatText("type(0x%02X)", pduType & 0xFF);
    }
    std::string name;
    for (const char c : word.substr(0, word.size() - 4)) {
        name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return name;
}

std::string PduTypeWord(std::uint16_t pduType) {
    switch (pduType & 0xFF) {
    case SNMP_PDU_GET:
        return "GET-PDU";
    case SNMP_PDU_GETNEXT:
        return "GETNEXT-PDU";
    case SNMP_PDU_RESPONSE:
        return "RESPONSE-PDU";
    case SNMP_PDU_SET:
        return "SET-PDU";
    case SNMP_PDU_TRAP:
        return "TRAP-PDU";
    case SNMP_PDU_GETBULK:
        return "GETBULK-PDU";
    case SNMP_PDU_INFORM:
        return "INFORM-PDU";
    case SNMP_PDU_TRAP2:
        return "TRAP2-PDU";
    case SNMP_PDU_REPORT:
        return "REPORT-PDU";
    default:
        return FormatText("?0x%02X?", pduType & 0xFF);
    }
}
