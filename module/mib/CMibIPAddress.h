#pragma once

#include <array>
#include <cstdint>

#include "module/mib/CMibData.h"

// IpAddress values; 0.0.0.0 is the empty value.
class CMibIPAddress : public CMibData {
    DECLARE_DYNCREATE(CMibIPAddress)
public:
    CMibIPAddress() = default;

    void SetEmpty() override { m_byAddr = {}; }
    bool IsEmpty() const override;
    int GetLength() const override { return 4; }
    const std::uint8_t* GetData() const override;
    bool CopyFrom(const CMibData& other) override;
    // Takes the first 4 bytes; bytes a shorter value lacks stay 0.
    void SetRaw(const std::uint8_t* bytes, int length, const _NmEnumPair* table) override;
    std::string Format() const override;
    // Dotted text is read as an instance suffix: fewer than four parts give 0.0.0.0.
    void Parse(const std::string& text) override;
    std::string FormatIndex() const override;
    std::string ParseIndex(const std::string& suffix) override;

private:
    std::array<std::uint8_t, 4> m_byAddr{};
};
