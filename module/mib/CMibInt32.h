#pragma once

#include <cstdint>

#include "module/mib/CMibData.h"

// INTEGER, Counter, Gauge and TimeTicks values. -1 (all bits set) is the empty value, so an
// unmatched enumeration text or an unset field reads as "no value".
class CMibInt32 : public CMibData {
    DECLARE_DYNCREATE(CMibInt32)
public:
    CMibInt32() = default;

    void SetEmpty() override { m_nValue = -1; }
    bool IsEmpty() const override { return m_nValue == -1; }
    int GetLength() const override { return 4; }
    const std::uint8_t* GetData() const override;
    bool CopyFrom(const CMibData& other) override;
    // Reads the first 4 bytes in host order; fewer bytes fill only the low-order part.
    void SetRaw(const std::uint8_t* bytes, int length, const _NmEnumPair* table) override;
    std::string Format() const override;
    void Parse(const std::string& text) override;
    std::string FormatIndex() const override;
    std::string ParseIndex(const std::string& suffix) override;

    std::int32_t GetValue() const { return m_nValue; }
    void SetValue(std::int32_t value) { m_nValue = value; }

private:
    std::int32_t m_nValue = -1;
};
