#pragma once

#include <cstdint>
#include <vector>

#include "module/mib/CMibData.h"

// OCTET STRING and every other non-numeric value (OBJECT IDENTIFIER text, Opaque, MAC address).
// The buffer keeps one zero byte after the data so it can be shown as text.
class CMibOctetString : public CMibData {
    DECLARE_DYNCREATE(CMibOctetString)
public:
    CMibOctetString() = default;

    void SetEmpty() override;
    bool IsEmpty() const override { return m_nLength == 0; }
    int GetLength() const override { return m_nLength; }
    const std::uint8_t* GetData() const override;
    // Unlike the other classes, copying from another class leaves this value as it was.
    bool CopyFrom(const CMibData& other) override;
    void SetRaw(const std::uint8_t* bytes, int length, const _NmEnumPair* table) override;
    std::string Format() const override;
    void Parse(const std::string& text) override;
    // The length, then every byte: "abc" gives .3.97.98.99.
    std::string FormatIndex() const override;
    std::string ParseIndex(const std::string& suffix) override;

private:
    std::vector<std::uint8_t> m_buffer; // length + 1 bytes, or none when empty
    int m_nLength = 0;
};
