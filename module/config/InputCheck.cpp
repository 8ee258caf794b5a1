#include "module/config/InputCheck.h"

#include "platform/core/TextFormat.h"
#include "snmp/SnmpValueText.h"

#include <cctype>
#include <limits>

namespace {

// Address-table ageing, in seconds (the bridge MIB's range for dot1dTpAgingTime).
constexpr const char* kAgingTimeOid = "1.3.6.1.2.1.17.4.2";
// A trap receiver's community.
constexpr const char* kTrapCommunityOid = "1.3.6.1.4.1.88888.11.1.3.10.1.2";

bool AllDigits(const std::string& text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// A whole decimal number with an optional minus sign and nothing else; false when it is not
// one or does not fit 64 bits.
bool ParseWholeNumber(const std::string& text, std::int64_t& value) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    if (!AllDigits(digits) || digits.size() > 18)
        return false;
    value = std::stoll(digits);
    if (negative)
        value = -value;
    return true;
}

std::string IntegerRefusal(const CSnmpOid& object, const std::string& text) {
    std::int64_t value = 0;
    if (!ParseWholeNumber(text, value))
        return "not a whole number";
    const IntegerRange range = RangeOf(object.m_strOid);
    if (value < range.low || value > range.high)
        return FormatText("not between %lld and %lld", static_cast<long long>(range.low),
                          static_cast<long long>(range.high));
    return {};
}

std::string AddressRefusal(const CSnmpOid& object, const std::string& text, bool newRow) {
    std::array<std::uint8_t, 4> octets{};
    if (!ParseIpAddress(text, octets))
        return "not an IP address (four numbers 0-255)";
    const bool isIndex = (object.m_wAccess & SNMP_ACCESS_KIND_MASK) == SNMP_ACCESS_INDEX;
    if (newRow && isIndex && octets == std::array<std::uint8_t, 4>{})
        return "0.0.0.0 names no host";
    return {};
}

} // namespace

bool ParseIpAddress(const std::string& text, std::array<std::uint8_t, 4>& octets) {
    std::array<std::uint8_t, 4> parsed{};
    std::size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t end = part < 3 ? text.find('.', start) : text.size();
        if (end == std::string::npos)
            return false;
        const std::string number = text.substr(start, end - start);
        if (!AllDigits(number) || number.size() > 3 || std::stoi(number) > 255)
            return false;
        parsed[std::size_t(part)] = std::uint8_t(std::stoi(number));
        start = end + 1;
    }
    octets = parsed;
    return true;
}

IntegerRange RangeOf(const std::string& oid) {
    if (oid == kAgingTimeOid)
        return {10, 1000000};
    return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
}

std::size_t OctetLimitOf(const std::string& oid) {
    return oid == kTrapCommunityOid ? kTrapCommunityOctets : kDisplayStringOctets;
}

std::string RefusalOf(const CSnmpOid& object, const std::string& text, bool newRow) {
    if (newRow && text.empty())
        return "empty";
    switch (object.m_byType) {
    case SNMP_TYPE_INTEGER:
        // Choices are checked by their lists: an entry or nothing is written.
        return object.m_enumList.empty() ? IntegerRefusal(object, text) : std::string();
    case SNMP_TYPE_IPADDR:
        return AddressRefusal(object, text, newRow);
    case SNMP_TYPE_OCTETS: {
        const std::size_t limit = OctetLimitOf(object.m_strOid);
        return text.size() > limit ? FormatText("longer than %zu bytes", limit) : std::string();
    }
    case SNMP_TYPE_MAC: {
        std::vector<std::uint8_t> bytes;
        return SnmpMacTextToBytes(text, bytes) ? std::string() : "not a MAC address";
    }
    default:
        return {};
    }
}

std::string RefusalLine(const std::string& field, const std::string& reason) {
    return field + ": " + reason;
}
