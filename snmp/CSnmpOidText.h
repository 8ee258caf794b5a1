#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

#include "snmp/NmSnmpApi.h"
#include "snmp/SmallCopy.h"

// The name of a variable binding as dotted text.
//
// Reads like a std::string (size, c_str, find, substr, comparison, concatenation, streaming)
// and converts to one wherever one is asked for. Names of up to 47 characters, which is nearly
// every name the switch answers with, are held inside the object, so building the bindings of a
// reply allocates no text; longer names go to the heap.
class NMSNMP_API CSnmpOidText {
public:
    static constexpr std::size_t kInlineSize = 47;
    static constexpr std::size_t npos = std::string_view::npos;

    CSnmpOidText() noexcept { m_inline[0] = 0; }
    explicit CSnmpOidText(std::string_view text) { Init(text); }
    explicit CSnmpOidText(const char* text) { Init(text); }
    CSnmpOidText(const CSnmpOidText& other) { Init(other.view()); }
    CSnmpOidText(CSnmpOidText&& other) noexcept;
    ~CSnmpOidText() {
        if (m_data != m_inline) {
            delete[] m_data;
        }
    }

    CSnmpOidText& operator=(const CSnmpOidText& other);
    CSnmpOidText& operator=(CSnmpOidText&& other) noexcept;
    CSnmpOidText& operator=(std::string_view text);
    CSnmpOidText& operator=(const char* text) { return *this = std::string_view(text); }
    CSnmpOidText& operator=(const std::string& text) { return *this = std::string_view(text); }

    const char* data() const noexcept { return m_data; }
    const char* c_str() const noexcept { return m_data; }
    std::size_t size() const noexcept { return m_size; }
    std::size_t length() const noexcept { return m_size; }
    bool empty() const noexcept { return m_size == 0; }
    const char* begin() const noexcept { return m_data; }
    const char* end() const noexcept { return m_data + m_size; }
    char operator[](std::size_t i) const noexcept { return m_data[i]; }

    std::string_view view() const noexcept { return {m_data, m_size}; }
    std::string str() const { return std::string(m_data, m_size); }
    operator std::string_view() const noexcept { return view(); }
    operator std::string() const { return str(); }

    std::size_t find(std::string_view s, std::size_t pos = 0) const noexcept {
        return view().find(s, pos);
    }
    std::size_t find(char c, std::size_t pos = 0) const noexcept { return view().find(c, pos); }
    std::size_t rfind(std::string_view s, std::size_t pos = npos) const noexcept {
        return view().rfind(s, pos);
    }
    std::size_t rfind(char c, std::size_t pos = npos) const noexcept {
        return view().rfind(c, pos);
    }
    int compare(std::string_view s) const noexcept { return view().compare(s); }
    bool starts_with(std::string_view s) const noexcept { return view().starts_with(s); }
    bool ends_with(std::string_view s) const noexcept { return view().ends_with(s); }
    std::string substr(std::size_t pos = 0, std::size_t n = npos) const {
        return std::string(view().substr(pos, n));
    }

    friend bool operator==(const CSnmpOidText& a, const CSnmpOidText& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator==(const CSnmpOidText& a, std::string_view b) noexcept {
        return a.view() == b;
    }
    friend std::strong_ordering operator<=>(const CSnmpOidText& a, const CSnmpOidText& b) noexcept {
        return a.view() <=> b.view();
    }
    friend std::strong_ordering operator<=>(const CSnmpOidText& a, std::string_view b) noexcept {
        return a.view() <=> b;
    }
    friend std::string operator+(const CSnmpOidText& a, const CSnmpOidText& b) {
        return Concat(a.view(), b.view());
    }
    friend std::string operator+(const CSnmpOidText& a, std::string_view b) {
        return Concat(a.view(), b);
    }
    friend std::string operator+(std::string_view a, const CSnmpOidText& b) {
        return Concat(a, b.view());
    }
    friend std::ostream& operator<<(std::ostream& out, const CSnmpOidText& text);

private:
    // Every binding of a reply builds its name here: inline, the copy is a few moves.
    void Init(std::string_view text) {
        m_size = text.size();
        if (m_size <= kInlineSize) {
            SmallCopy(m_inline, text.data(), m_size);
            m_inline[m_size] = 0;
            return;
        }
        m_data = new char[m_size + 1];
        std::memcpy(m_data, text.data(), m_size);
        m_data[m_size] = 0;
    }
    void Free() noexcept;
    static std::string Concat(std::string_view a, std::string_view b);

    char* m_data = m_inline;
    std::size_t m_size = 0;
    char m_inline[kInlineSize + 1];
};
