#include "module/mib/CMibIPAddress.h"

#include <algorithm>

#include "module/mib/MibText.h"
#include "platform/core/TextFormat.h"

IMPLEMENT_DYNCREATE(CMibIPAddress, CMibData)

bool CMibIPAddress::IsEmpty() const {
    return std::all_of(m_byAddr.begin(), m_byAddr.end(), [](std::uint8_t b) { return b == 0; });
}

const std::uint8_t* CMibIPAddress::GetData() const {
    return IsEmpty() ? nullptr : m_byAddr.data();
}

bool CMibIPAddress::CopyFrom(const CMibData& other) {
    if (!other.IsKindOf(RUNTIME_CLASS(CMibIPAddress))) {
        SetEmpty();
        return false;
    }
    m_byAddr = static_cast<const CMibIPAddress&>(other).m_byAddr;
    m_pEnum = other.GetEnumTable();
    return true;
}

void CMibIPAddress::SetRaw(const std::uint8_t* bytes, int length, const _NmEnumPair* table) {
    SetEmpty();
    if (bytes && length > 0) {
        std::copy_n(bytes, std::min(length, 4), m_byAddr.begin());
    }
    m_pEnum = table;
}

std::string CMibIPAddress::Format() const {
    return FormatText("%d.%d.%d.%d", m_byAddr[0], m_byAddr[1], m_byAddr[2], m_byAddr[3]);
}

void CMibIPAddress::Parse(const std::string& text) {
    ParseIndex(text);
}

std::string CMibIPAddress::FormatIndex() const {
    return "." + Format();
}

std::string CMibIPAddress::ParseIndex(const std::string& suffix) {
    SetEmpty();
    if (SuffixComponentCount(suffix) < 4) {
        return {};
    }
    std::string rest = suffix;
    for (std::uint8_t& byte : m_byAddr) {
        byte = static_cast<std::uint8_t>(DecimalValue(SuffixFirstComponent(rest, rest)) & 0xFF);
    }
    return rest;
}
