#include "module/mib/CMibOctetString.h"

#include "module/mib/MibText.h"
#include "platform/core/TextFormat.h"

IMPLEMENT_DYNCREATE(CMibOctetString, CMibData)

void CMibOctetString::SetEmpty() {
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_nLength = 0;
}

const std::uint8_t* CMibOctetString::GetData() const {
    return m_buffer.empty() ? nullptr : m_buffer.data();
}

bool CMibOctetString::CopyFrom(const CMibData& other) {
    if (!other.IsKindOf(RUNTIME_CLASS(CMibOctetString))) {
        return false;
    }
    const auto& source = static_cast<const CMibOctetString&>(other);
    if (&source == this) {
        return true;
    }
    SetEmpty();
    if (!source.IsEmpty()) {
        m_buffer = source.m_buffer;
        m_nLength = source.m_nLength;
        m_pEnum = source.m_pEnum;
    }
    return true;
}

void CMibOctetString::SetRaw(const std::uint8_t* bytes, int length, const _NmEnumPair* table) {
    SetEmpty();
    m_pEnum = table;
    if (!bytes || length <= 0) {
        return;
    }
    m_buffer.assign(bytes, bytes + length);
    m_buffer.push_back(0);
    m_nLength = length;
}

std::string CMibOctetString::Format() const {
    return IsEmpty() ? std::string() : std::string(reinterpret_cast<const char*>(m_buffer.data()));
}

void CMibOctetString::Parse(const std::string& text) {
    SetRaw(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<int>(text.size()),
           nullptr);
}

std::string CMibOctetString::FormatIndex() const {
    if (IsEmpty()) {
        return ".0";
    }
    std::string suffix = FormatText(".%d", m_nLength);
    for (int i = 0; i < m_nLength; ++i) {
        suffix += FormatText(".%u", static_cast<unsigned>(m_buffer[static_cast<std::size_t>(i)]));
    }
    return suffix;
}

std::string CMibOctetString::ParseIndex(const std::string& suffix) {
    SetEmpty();
    std::string rest;
    const std::int32_t length = DecimalValue(SuffixFirstComponent(suffix, rest));
    // A length the suffix cannot supply (or a nonsensical one) leaves the value empty.
    if (length <= 0 || length > SuffixComponentCount(suffix) - 1) {
        return {};
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(length) + 1);
    for (std::int32_t i = 0; i < length; ++i) {
        const std::string component = SuffixFirstComponent(rest, rest);
        bytes.push_back(static_cast<std::uint8_t>(DecimalValue(component) & 0xFF));
    }
    bytes.push_back(0);
    m_buffer = std::move(bytes);
    m_nLength = length;
    return rest;
}
