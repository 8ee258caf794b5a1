#include "module/mib/CIndexSuffix.h"

#include "module/mib/MibText.h"
#include "platform/core/TextFormat.h"

namespace {
// A MAC address is six hex pairs each followed by one separator: 00-80-C8-01-02-03.
constexpr std::size_t kMacTextLength = 17;
constexpr std::size_t kMacBytes = 6;
} // namespace

CIndexSuffix::CIndexSuffix(const _NmOidTable* row, const std::string& text)
    : m_pRow(row), m_strSuffix(Build(row, text)) {}

std::string CIndexSuffix::Build(const _NmOidTable* row, const std::string& text) {
    if (!row || text.empty()) {
        return {};
    }
    const std::string value = text[0] == '.' ? text.substr(1) : text;
    std::string suffix;
    switch (row->byType) {
    case SNMP_TYPE_OCTETS:
        suffix = FormatText(".%zu", value.size());
        for (char c : value) {
            suffix += FormatText(".%u", static_cast<unsigned>(static_cast<unsigned char>(c)));
        }
        return suffix;
    case SNMP_TYPE_MAC:
        if (value.size() != kMacTextLength) {
            return {};
        }
        for (std::size_t i = 0; i < kMacBytes; ++i) {
            suffix +=
                FormatText(".%u", static_cast<unsigned>(HexTextValue(value.substr(3 * i, 2))));
        }
        return suffix;
    default:
        return "." + value;
    }
}
