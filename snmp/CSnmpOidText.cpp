#include "snmp/CSnmpOidText.h"

#include <cstring>
#include <ostream>

void CSnmpOidText::Free() noexcept {
    if (m_data != m_inline) {
        delete[] m_data;
    }
    m_data = m_inline;
    m_size = 0;
    m_inline[0] = 0;
}

CSnmpOidText::CSnmpOidText(CSnmpOidText&& other) noexcept {
    if (other.m_data == other.m_inline) {
        Init(other.view());
        return;
    }
    m_data = other.m_data;
    m_size = other.m_size;
    other.m_data = other.m_inline;
    other.m_size = 0;
    other.m_inline[0] = 0;
}

CSnmpOidText& CSnmpOidText::operator=(const CSnmpOidText& other) {
    return *this = other.view();
}

CSnmpOidText& CSnmpOidText::operator=(CSnmpOidText&& other) noexcept {
    if (this == &other) {
        return *this;
    }
    Free();
    m_size = other.m_size;
    if (other.m_data == other.m_inline) {
        std::memcpy(m_inline, other.m_inline, m_size + 1);
        return *this;
    }
    m_data = other.m_data;
    other.m_data = other.m_inline;
    other.m_size = 0;
    other.m_inline[0] = 0;
    return *this;
}

CSnmpOidText& CSnmpOidText::operator=(std::string_view text) {
    // The text may be this object's own, or part of it: copy it out before freeing.
    if (text.size() <= kInlineSize) {
        char copy[kInlineSize + 1];
        std::memcpy(copy, text.data(), text.size());
        Free();
        std::memcpy(m_inline, copy, text.size());
        m_size = text.size();
        m_inline[m_size] = 0;
        return *this;
    }
    char* heap = new char[text.size() + 1];
    std::memcpy(heap, text.data(), text.size());
    heap[text.size()] = 0;
    Free();
    m_data = heap;
    m_size = text.size();
    return *this;
}

std::string CSnmpOidText::Concat(std::string_view a, std::string_view b) {
    std::string out;
    out.reserve(a.size() + b.size());
    out.append(a).append(b);
    return out;
}

std::ostream& operator<<(std::ostream& out, const CSnmpOidText& text) {
    return out << text.view();
}
