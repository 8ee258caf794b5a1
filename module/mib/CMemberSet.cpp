#include "module/mib/CMemberSet.h"

#include "module/mib/MibText.h"
#include "platform/core/TextFormat.h"

namespace {
void NameMember(std::vector<std::string>& names, int value, const std::string& text) {
    if (value >= 0 && static_cast<std::size_t>(value) < names.size()) {
        names[static_cast<std::size_t>(value)] = text;
    }
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
} // namespace

CMemberSet::CMemberSet(const _NmEnumPair* table) {
    std::size_t count = 0;
    for (const _NmEnumPair* pair = table; pair && pair->pszText; ++pair) {
        ++count;
    }
    m_names.resize(count);
    for (const _NmEnumPair* pair = table; pair && pair->pszText; ++pair) {
        NameMember(m_names, pair->nValue, pair->pszText);
    }
}

CMemberSet::CMemberSet(const std::list<CEnumData*>& pairs) {
    m_names.resize(pairs.size());
    for (const CEnumData* pair : pairs) {
        if (pair) {
            NameMember(m_names, pair->m_nValue, pair->m_strText);
        }
    }
}

std::string CMemberSet::GetMemberName(int member) const {
    if (member < 0 || static_cast<std::size_t>(member) >= m_names.size()) {
        return {};
    }
    return m_names[static_cast<std::size_t>(member)];
}

std::string CMemberSet::GetEmptyHex() const {
    std::string hex;
    for (std::size_t i = 0; i < (m_names.size() + 7) / 8; ++i) {
        hex += "00";
    }
    return hex;
}

bool CMemberSet::FromHex(const std::string& hex) {
    if (hex.empty()) {
        return false;
    }
    m_strHex = hex;
    m_strBits.clear();
    for (char c : hex) {
        if (!IsHexDigit(c)) {
            continue;
        }
        const std::uint32_t digit = HexTextValue(std::string(1, c));
        for (int shift = 3; shift >= 0; --shift) {
            m_strBits += ((digit >> shift) & 1) ? '1' : '0';
        }
    }
    m_nCursor = 0;
    return true;
}

bool CMemberSet::FromBits(const std::string& bits) {
    if (bits.size() % 8 != 0 || bits.find_first_not_of("01") != std::string::npos) {
        return false;
    }
    m_strBits = bits;
    m_nCursor = 0;
    RebuildHex();
    return true;
}

int CMemberSet::NextMember() {
    const std::size_t bit = m_strBits.find('1', m_nCursor);
    if (bit == std::string::npos) {
        m_nCursor = m_strBits.size();
        return -1;
    }
    m_nCursor = bit + 1;
    return static_cast<int>(bit);
}

std::string CMemberSet::NextMemberName() {
    return GetMemberName(NextMember());
}

void CMemberSet::SetMember(int bit, bool on) {
    if (bit < 0 || m_strBits.size() < static_cast<std::size_t>(bit) + 1) {
        return;
    }
    m_strBits[static_cast<std::size_t>(bit)] = on ? '1' : '0';
    RebuildHex();
}

void CMemberSet::RebuildHex() {
    // A trailing part byte (hex text of an odd digit count) is filled up with clear bits.
    m_strHex.clear();
    for (std::size_t start = 0; start < m_strBits.size(); start += 8) {
        unsigned byte = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            const std::size_t pos = start + i;
            const bool set = pos < m_strBits.size() && m_strBits[pos] != '0';
            byte = (byte << 1) | (set ? 1u : 0u);
        }
        m_strHex += FormatText("%02X", byte);
    }
}
