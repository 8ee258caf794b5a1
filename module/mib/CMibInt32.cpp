#include "module/mib/CMibInt32.h"

#include <cstring>

#include "module/mib/MibText.h"
#include "platform/core/TextFormat.h"

IMPLEMENT_DYNCREATE(CMibInt32, CMibData)

const std::uint8_t* CMibInt32::GetData() const {
    return IsEmpty() ? nullptr : reinterpret_cast<const std::uint8_t*>(&m_nValue);
}

bool CMibInt32::CopyFrom(const CMibData& other) {
    SetEmpty();
    if (!other.IsKindOf(RUNTIME_CLASS(CMibInt32))) {
        return false;
    }
    m_nValue = static_cast<const CMibInt32&>(other).m_nValue;
    m_pEnum = other.GetEnumTable();
    return true;
}

void CMibInt32::SetRaw(const std::uint8_t* bytes, int length, const _NmEnumPair* table) {
    std::uint32_t value = 0;
    if (bytes && length > 0) {
        // Only the bytes given are read; a short value must not read past its buffer.
        const auto n = static_cast<std::size_t>(length < 4 ? length : 4);
        std::memcpy(&value, bytes, n);
    }
    m_nValue = static_cast<std::int32_t>(value);
    if (table) {
        m_pEnum = table;
    }
}

std::string CMibInt32::Format() const {
    if (!m_pEnum) {
        return FormatText("%u", static_cast<unsigned>(m_nValue));
    }
    for (const _NmEnumPair* pair = m_pEnum; pair->pszText; ++pair) {
        if (pair->nValue == m_nValue) {
            return pair->pszText;
        }
    }
    return {};
}

void CMibInt32::Parse(const std::string& text) {
    if (!m_pEnum) {
        m_nValue = DecimalValue(text);
        return;
    }
    m_nValue = -1;
    for (const _NmEnumPair* pair = m_pEnum; pair->pszText; ++pair) {
        if (text == pair->pszText) {
            m_nValue = pair->nValue;
            return;
        }
    }
}

std::string CMibInt32::FormatIndex() const {
    return IsEmpty() ? ".0" : FormatText(".%d", m_nValue);
}

std::string CMibInt32::ParseIndex(const std::string& suffix) {
    if (suffix.empty()) {
        m_nValue = -1;
        return {};
    }
    std::string rest;
    m_nValue = DecimalValue(SuffixFirstComponent(suffix, rest));
    return rest;
}
