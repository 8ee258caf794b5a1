#include "snmp/NetSnmpValueText.h"

#include <cstring>

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

std::string OctetsText(std::string_view bytes, const NetSnmpOutput& options, bool quick) {
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

std::string TicksText(std::uint32_t ticks, const NetSnmpOutput& options, bool quick) {
    if (options.ticksNumeric) {
        return FormatText("%u", ticks);
    }
    if (quick) {
        return FormatText("%u:%u:%02u:%02u.%02u", ticks / 8640000, ticks / 360000 % 24,
                          ticks / 6000 % 60, ticks / 100 % 60, ticks % 100);
    }
    return FormatText("Timeticks: (%u) ", ticks) + NetSnmpTimeticksText(ticks);
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
std::string OpaqueText(std::string_view bytes, const NetSnmpOutput& options, bool quick) {
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

} // namespace

bool ParseNetSnmpOutputLetters(const std::string& letters, NetSnmpOutput& output, char& bad) {
    for (const char letter : letters) {
        switch (letter) {
        case 'q':
            output.quick = true;
            break;
        case 'Q':
            output.quickEquals = true;
            break;
        case 'v':
            output.valueOnly = true;
            break;
        case 't':
            output.ticksNumeric = true;
            break;
        case 'x':
            output.allHex = true;
            break;
        case 'a':
            output.allAscii = true;
            break;
        case 'T':
            output.hexWithText = true;
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

std::string NetSnmpName(const std::string& dotted, const NetSnmpOutput& output) {
    if (output.numericNames) {
        return "." + dotted;
    }
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
    const std::string clock = FormatText("%u:%02u:%02u.%02u", ticks / 360000 % 24,
                                         ticks / 6000 % 60, ticks / 100 % 60, ticks % 100);
    if (days == 0) {
        return clock;
    }
    return FormatText("%u %s, ", days, days == 1 ? "day" : "days") + clock;
}

std::string NetSnmpValueText(const NetSnmpValue& value, const NetSnmpOutput& output) {
    const bool quick = output.quick || output.quickEquals;
    const SnmpValueType* type = SnmpValueTypeOf(value.type);
    if (!type || !type->onWire) {
        return "Wrong Type: " + HexLines(value.bytes, false);
    }
    const std::string label = quick ? "" : std::string(type->label) + ": ";
    switch (type->form) {
    case SnmpForm::Signed:
        return label + FormatText("%lld", static_cast<long long>(value.signedNumber));
    case SnmpForm::Unsigned:
        return value.type == SNMP_TYPE_TIMETICKS
                   ? TicksText(static_cast<std::uint32_t>(value.unsignedNumber), output, quick)
                   : label + FormatText("%u", static_cast<std::uint32_t>(value.unsignedNumber));
    case SnmpForm::Unsigned64:
        return label + FormatText("%llu", static_cast<unsigned long long>(value.unsignedNumber));
    case SnmpForm::Octets:
    case SnmpForm::Mac:
        return OctetsText(value.bytes, output, quick);
    case SnmpForm::Opaque:
        return OpaqueText(value.bytes, output, quick);
    case SnmpForm::Address: {
        std::string text;
        for (const unsigned char c : value.bytes) {
            text += (text.empty() ? "" : ".") + std::to_string(c);
        }
        return label + text;
    }
    case SnmpForm::ObjectId:
        return label + NetSnmpName(value.oidText.empty() ? "0" : value.oidText, output);
    case SnmpForm::Null:
        return "NULL";
    case SnmpForm::Exception:
        return type->label;
    }
    return {};
}

std::string NetSnmpLine(const std::string& dotted, const NetSnmpValue& value,
                        const NetSnmpOutput& output) {
    const std::string text = NetSnmpValueText(value, output);
    if (output.valueOnly) {
        return text;
    }
    const bool spaceOnly = output.quick && !output.quickEquals;
    return NetSnmpName(dotted, output) + (spaceOnly ? " " : " = ") + text;
}
