#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/core/CObject.h"
#include "snmp/CSnmpOidText.h"
#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpTypes.h"

// One variable binding: a name and a typed value.
//
// `m_pValue` points at the value: a 32-bit number (`m_wLength` 4), a 64-bit number (8), a byte
// area of `m_wLength` + 1 bytes ending in a zero byte (octet types), or a std::string holding
// dotted text (type 6); null for NULL. Numbers and short byte areas live inside the binding, so
// decoding a reply does not allocate per value.
class NMSNMP_API CSnmpVarBind : public CObject {
    DECLARE_SERIAL(CSnmpVarBind)
public:
    explicit CSnmpVarBind(std::string_view oid) : m_strOid(oid) {}
    ~CSnmpVarBind() override { FreeValue(); }
    CSnmpVarBind(const CSnmpVarBind&) = delete;
    CSnmpVarBind& operator=(const CSnmpVarBind&) = delete;

    // A binding receives its value once, right after construction.
    // Inline: a reply's counters are set this way, one per binding.
    void SetValue(std::uint32_t value, std::uint8_t type) {
        SetNumber(value, Storage::Number32, type);
    }
    void SetValue(std::int64_t value, std::uint8_t type);
    // Type 6 keeps the text as dotted OID text; any other type keeps the bytes (zeros included).
    void SetValue(const std::string& value, std::uint8_t type);
    void SetValue(const std::uint8_t* bytes, int length, std::uint8_t type);

    void Release() { delete this; }
    static void Release(CSnmpVarBind* p) { delete p; }
    void Serialize(CArchive& ar) override;

    // Typed views of the value; each returns 0 or empty when the value is of another form.
    std::uint32_t GetUInt32() const;
    std::int64_t GetInt64() const;
    const std::uint8_t* GetBytes() const;
    std::string GetText() const;

    CSnmpOidText m_strOid;
    std::uint8_t m_byType = 5;
    std::uint16_t m_wLength = 0;
    void* m_pValue = nullptr;

protected:
    CSnmpVarBind() = default;

private:
    friend class CSnmpVarBindList;
    enum class Storage : std::uint8_t { None, Number32, Number64, Bytes, Text };
    void FreeValue() {
        if (m_storage == Storage::Text || (m_storage == Storage::Bytes && m_pValue != m_inline)) {
            FreeHeapValue();
        }
        m_pValue = nullptr;
        m_storage = Storage::None;
    }
    void FreeHeapValue();
    // A number kept inside the binding: 4 or 8 bytes, by its type.
    template <class Number> void SetNumber(Number value, Storage storage, std::uint8_t type) {
        FreeValue();
        std::memcpy(m_inline, &value, sizeof value);
        m_pValue = m_inline;
        m_storage = storage;
        m_byType = type;
        m_wLength = sizeof value;
    }
    std::uint8_t* AllocBytes(std::size_t size);

    Storage m_storage = Storage::None;
    bool m_bInListStorage = false; // built into a PDU's binding list, which destroys it
    alignas(8) std::uint8_t m_inline[24] = {};
};
