#include "tools/taurel-snmp/ClientSetValue.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <vector>

#include "snmp/NmOidTable.h"
#include "snmp/SnmpValueText.h"
#include "snmp/SnmpValueType.h"

namespace {

// The highest bit number b takes: 512 octets of bits, far beyond any BITS object.
constexpr unsigned long kMaxBit = 4095;

enum class Refusal { None, OutOfRange, BadNotation, UnknownOid };

bool IsDigits(const std::string& text) {
    return !text.empty() && text.size() <= 19 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

Refusal ParseSigned32(const std::string& text, std::uint32_t& value) {
    const bool sign = !text.empty() && (text[0] == '-' || text[0] == '+');
    if (!IsDigits(sign ? text.substr(1) : text)) {
        return Refusal::OutOfRange;
    }
    const std::int64_t number = SnmpDecimalText(text);
    if (number < INT32_MIN || number > INT32_MAX) {
        return Refusal::OutOfRange;
    }
    value = static_cast<std::uint32_t>(number);
    return Refusal::None;
}

Refusal ParseUnsigned32(const std::string& text, std::uint32_t& value) {
    if (!IsDigits(text)) {
        return Refusal::BadNotation;
    }
    const std::int64_t number = SnmpDecimalText(text);
    if (number > UINT32_MAX) {
        return Refusal::OutOfRange;
    }
    value = static_cast<std::uint32_t>(number);
    return Refusal::None;
}

// Hex digits in pairs; blanks (and colons) may stand between the pairs.
Refusal ParseHex(const std::string& text, std::string& bytes) {
    std::string digits;
    for (const char c : text) {
        if (c == ' ' || c == ':' || c == '\t') {
            if (digits.size() % 2 != 0) {
                return Refusal::BadNotation;
            }
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return Refusal::BadNotation;
        }
        digits += c;
    }
    if (digits.size() % 2 != 0) {
        return Refusal::BadNotation;
    }
    bytes = SnmpHexTextToBytes(digits);
    return Refusal::None;
}

// The parts of `text` between `separators`; empty parts are kept, so "1..2" has three.
std::vector<std::string> Parts(const std::string& text, const char* separators) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (std::string_view(separators).find(c) != std::string_view::npos) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

// Octets given as decimal numbers separated by dots: "1.2.3".
Refusal ParseDecimalOctets(const std::string& text, std::string& bytes) {
    for (const std::string& part : Parts(text, ".")) {
        if (part.size() > 3 || !IsDigits(part) || SnmpDecimalText(part) > 255) {
            return Refusal::BadNotation;
        }
        bytes += static_cast<char>(SnmpDecimalText(part));
    }
    return Refusal::None;
}

// Bit numbers separated by commas or blanks: bit 0 is the top bit of the first octet.
Refusal ParseBits(const std::string& text, std::string& bytes) {
    for (const std::string& part : Parts(text, ", ")) {
        if (part.empty()) {
            continue;
        }
        if (!IsDigits(part) || static_cast<unsigned long>(SnmpDecimalText(part)) > kMaxBit) {
            return Refusal::OutOfRange;
        }
        const auto bit = static_cast<std::size_t>(SnmpDecimalText(part));
        if (bytes.size() <= bit / 8) {
            bytes.resize(bit / 8 + 1, '\0');
        }
        bytes[bit / 8] = static_cast<char>(bytes[bit / 8] | (0x80 >> (bit % 8)));
    }
    return Refusal::None;
}

Refusal ParseIp(const std::string& text, std::array<std::uint8_t, 4>& bytes) {
    const std::vector<std::string> parts = Parts(text, ".");
    if (parts.size() != bytes.size()) {
        return Refusal::BadNotation;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (parts[i].size() > 3 || !IsDigits(parts[i]) || SnmpDecimalText(parts[i]) > 255) {
            return Refusal::BadNotation;
        }
        bytes[i] = static_cast<std::uint8_t>(SnmpDecimalText(parts[i]));
    }
    return Refusal::None;
}

const char* RefusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::OutOfRange:
        return "Value out of range";
    case Refusal::UnknownOid:
        return "Unknown Object Identifier";
    default:
        return "Bad value notation";
    }
}

} // namespace

bool AddClientSetBinding(CSnmpPdu& pdu, const ClientSetItem& item, std::string& error) {
    const SnmpValueType* type = SnmpValueTypeOfLetter(item.type);
    std::uint32_t number = 0;
    std::string bytes;
    std::array<std::uint8_t, 4> ip{};
    std::vector<std::uint8_t> mac;
    Refusal refusal = Refusal::None;
    switch (type ? item.type : 0) {
    case 'i':
        if ((refusal = ParseSigned32(item.value, number)) == Refusal::None) {
            pdu.AddOid(item.oid, number, type->wireTag);
        }
        break;
    case 'u':
    case 'c':
    case 'g':
    case 't':
        if ((refusal = ParseUnsigned32(item.value, number)) == Refusal::None) {
            pdu.AddOid(item.oid, number, type->wireTag);
        }
        break;
    case 's':
        pdu.AddOid(item.oid, item.value, type->wireTag);
        break;
    case 'x':
    case 'd':
    case 'b':
        refusal = item.type == 'x'   ? ParseHex(item.value, bytes)
                  : item.type == 'd' ? ParseDecimalOctets(item.value, bytes)
                                     : ParseBits(item.value, bytes);
        if (refusal == Refusal::None) {
            pdu.AddOid(item.oid, bytes, type->wireTag);
        }
        break;
    case 'o':
        if (NormalizeOid(item.value, bytes)) {
            pdu.AddOid(item.oid, bytes, type->wireTag);
        } else {
            refusal = Refusal::UnknownOid;
        }
        break;
    case 'a':
        if ((refusal = ParseIp(item.value, ip)) == Refusal::None) {
            pdu.AddOid(item.oid, ip.data(), static_cast<int>(ip.size()), type->wireTag);
        }
        break;
    case 'n':
        pdu.AddOid(item.oid); // NULL: the value is not read
        break;
    case 'm':
        if (SnmpMacTextToBytes(item.value, mac) && mac.size() == 6) {
            pdu.AddOid(item.oid, mac.data(), static_cast<int>(mac.size()), type->wireTag);
        } else {
            refusal = Refusal::BadNotation;
        }
        break;
    default:
        error = item.typed + ": Bad object type: " + item.type;
        return false;
    }
    if (refusal != Refusal::None) {
        error = item.typed + ": " + RefusalText(refusal) + " (" + item.value + ")";
        return false;
    }
    return true;
}
