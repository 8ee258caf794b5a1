#include "snmp/CSnmpVarBind.h"

#include <cstring>

#include "platform/core/CArchive.h"
#include "snmp/NmOidTable.h"
#include "snmp/SnmpValueType.h"

IMPLEMENT_SERIAL(CSnmpVarBind, CObject, 1)

void CSnmpVarBind::FreeHeapValue() {
    if (m_storage == Storage::Text) {
        delete static_cast<std::string*>(m_pValue);
    } else {
        delete[] static_cast<std::uint8_t*>(m_pValue);
    }
}

std::uint8_t* CSnmpVarBind::AllocBytes(std::size_t size) {
    std::uint8_t* area = size <= sizeof m_inline ? m_inline : new std::uint8_t[size];
    m_pValue = area;
    m_storage = Storage::Bytes;
    return area;
}

void CSnmpVarBind::SetValue(std::int64_t value, std::uint8_t type) {
    SetNumber(value, Storage::Number64, type);
}

void CSnmpVarBind::SetValue(const std::string& value, std::uint8_t type) {
    if (type == SNMP_TYPE_OID) {
        FreeValue();
        m_pValue = new std::string(value);
        m_storage = Storage::Text;
        m_byType = type;
        m_wLength = static_cast<std::uint16_t>(value.size());
        return;
    }
    SetValue(reinterpret_cast<const std::uint8_t*>(value.data()), static_cast<int>(value.size()),
             type);
}

void CSnmpVarBind::SetValue(const std::uint8_t* bytes, int length, std::uint8_t type) {
    FreeValue();
    const auto n = static_cast<std::uint16_t>(length < 0 ? 0 : length);
    std::uint8_t* area = AllocBytes(std::size_t{n} + 1);
    if (n > 0 && bytes) {
        std::memcpy(area, bytes, n);
    } else if (n > 0) {
        std::memset(area, 0, n);
    }
    area[n] = 0;
    m_byType = type;
    m_wLength = n;
}

std::uint32_t CSnmpVarBind::GetUInt32() const {
    std::uint32_t v32 = 0;
    std::int64_t v64 = 0;
    switch (m_storage) {
    case Storage::Number32:
        std::memcpy(&v32, m_pValue, sizeof v32);
        return v32;
    case Storage::Number64:
        std::memcpy(&v64, m_pValue, sizeof v64);
        return static_cast<std::uint32_t>(v64);
    default:
        return 0;
    }
}

std::int64_t CSnmpVarBind::GetInt64() const {
    std::int64_t v64 = 0;
    if (m_storage == Storage::Number64) {
        std::memcpy(&v64, m_pValue, sizeof v64);
        return v64;
    }
    // A 4-byte value is the 32-bit number as it arrived; INTEGER is signed, the others not.
    const std::uint32_t v32 = GetUInt32();
    return m_byType == SNMP_TYPE_INTEGER ? static_cast<std::int32_t>(v32) : std::int64_t{v32};
}

const std::uint8_t* CSnmpVarBind::GetBytes() const {
    return m_storage == Storage::Bytes ? static_cast<const std::uint8_t*>(m_pValue) : nullptr;
}

std::string CSnmpVarBind::GetText() const {
    if (m_storage == Storage::Text) {
        return *static_cast<const std::string*>(m_pValue);
    }
    if (m_storage == Storage::Bytes) {
        return std::string(static_cast<const char*>(m_pValue), m_wLength);
    }
    return {};
}

namespace {
// How the archive holds a value: by the type's storage, for the types that travel on the wire.
// A Counter64's 64 bits were never archived, so old and new logs read alike.
SnmpStorage ArchivedStorage(std::uint8_t type) {
    const SnmpValueType* row = SnmpValueTypeOf(type);
    return row && row->onWire && row->storage != SnmpStorage::Number64 ? row->storage
                                                                       : SnmpStorage::None;
}
} // namespace

void CSnmpVarBind::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strOid.str() << m_byType << m_wLength;
        switch (ArchivedStorage(m_byType)) {
        case SnmpStorage::Number:
            if (m_wLength == 4) {
                ar << GetUInt32();
            } else {
                ar << GetInt64();
            }
            break;
        case SnmpStorage::Bytes:
            ar.Write(m_storage == Storage::Bytes ? m_pValue : m_inline,
                     m_storage == Storage::Bytes ? m_wLength : 0);
            break;
        case SnmpStorage::Text:
            ar << GetText();
            break;
        default:
            break;
        }
        return;
    }

    std::uint8_t type = 0;
    std::uint16_t length = 0;
    std::string name;
    ar >> name >> type >> length;
    m_strOid = name;
    switch (ArchivedStorage(type)) {
    case SnmpStorage::Number:
        if (length == 4) {
            std::uint32_t v = 0;
            ar >> v;
            SetValue(v, type);
        } else {
            std::int64_t v = 0;
            ar >> v;
            SetValue(v, type);
        }
        break;
    case SnmpStorage::Bytes: {
        std::uint8_t* area = AllocBytes(std::size_t{length} + 1);
        area[length] = 0;
        m_byType = type;
        m_wLength = length;
        ar.Read(area, length);
        break;
    }
    case SnmpStorage::Text: {
        std::string text;
        ar >> text;
        SetValue(text, type);
        m_wLength = length;
        break;
    }
    default:
        // No value is stored for these types, so the loaded binding claims none.
        FreeValue();
        m_byType = type;
        m_wLength = 0;
        break;
    }
}
