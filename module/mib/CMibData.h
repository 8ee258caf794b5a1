#pragma once
// A typed MIB value that the module's dialogs hold, show, enter and index independently of the
// SNMP engine. Every value converts between three forms: raw bytes (as a variable binding carries
// them), display text, and an OID instance suffix (".1.2.3" appended to a column's OID).

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/CObject.h"
#include "snmp/NmOidTable.h"

class CMibData : public CObject {
    DECLARE_DYNAMIC(CMibData)
public:
    ~CMibData() override = default;
    CMibData(const CMibData&) = delete;
    CMibData& operator=(const CMibData&) = delete;

    // A new value of this value's class, made from its runtime class, with the same value and
    // enumeration: callers clone values without knowing their class.
    virtual std::unique_ptr<CMibData> Clone() const;
    virtual void SetEmpty() = 0;
    virtual bool IsEmpty() const = 0;
    virtual int GetLength() const = 0;
    // The raw value bytes; null when the value is empty.
    virtual const std::uint8_t* GetData() const = 0;
    // Copies `other` when it is of this value's class and reports whether it was.
    virtual bool CopyFrom(const CMibData& other);
    virtual void SetRaw(const std::uint8_t* bytes, int length, const _NmEnumPair* table) = 0;
    virtual std::string Format() const = 0;
    virtual void Parse(const std::string& text) = 0;
    virtual std::string FormatIndex() const = 0;
    // Reads the value from the front of `suffix` and gives back the unread rest.
    virtual std::string ParseIndex(const std::string& suffix) = 0;

    const _NmEnumPair* GetEnumTable() const { return m_pEnum; }
    void SetEnumTable(const _NmEnumPair* table) { m_pEnum = table; }

protected:
    CMibData() = default;

    const _NmEnumPair* m_pEnum = nullptr; // named values, ended by a null text; or none
};
