// Display text of reply values, shared by every dialog that shows MIB values.
#include <cstring>

#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpTypes.h"
#include "snmp/SnmpValueType.h"

namespace {

// The value's bytes when it holds at least `count` of them; null otherwise, so a value of the
// wrong form or length is never read past its storage.
const std::uint8_t* BytesOfAtLeast(const CSnmpVarBind& vb, std::size_t count) {
    const std::uint8_t* bytes = vb.GetBytes();
    return bytes && vb.m_wLength >= count ? bytes : nullptr;
}

std::string NumberText(const CSnmpVarBind& vb, const CSnmpOid* oid) {
    const auto value = static_cast<std::int32_t>(vb.GetUInt32());
    if (oid) {
        for (const CEnumData* item : oid->m_enumList) {
            if (item->m_nValue == value) {
                return item->m_strText;
            }
        }
    }
    return FormatText("%d", value);
}

bool IsHexDisplay(const CSnmpOid* oid) {
    return oid && (oid->m_wAccess & SNMP_ACCESS_HEX);
}

// Every octet of the value, or its hex pairs for an object shown in hex.
std::string OctetText(const CSnmpVarBind& vb, const CSnmpOid* oid) {
    const std::uint8_t* bytes = vb.GetBytes();
    if (!bytes) {
        return {};
    }
    if (IsHexDisplay(oid)) {
        std::string text;
        for (std::size_t i = 0; i < vb.m_wLength; ++i) {
            text += FormatText("%02x", bytes[i]);
        }
        return text;
    }
    return std::string(reinterpret_cast<const char*>(bytes), vb.m_wLength);
}

bool IsOctetDisplay(const CSnmpVarBind& vb, const CSnmpOid* oid) {
    const std::uint8_t type = oid && !SnmpIsException(vb.m_byType) ? oid->m_byType : vb.m_byType;
    return type == SNMP_TYPE_OCTETS || type == SNMP_TYPE_OPAQUE;
}

} // namespace

std::string CSnmpClass::FormatValue(const CSnmpVarBind* vb, const CSnmpOid* oid) {
    std::string text = ValueText(vb, oid);
    // Shown as a C string, a plain octet string ends at its first zero byte.
    if (vb && IsOctetDisplay(*vb, oid) && !IsHexDisplay(oid)) {
        text.resize(strnlen(text.c_str(), text.size()));
    }
    return text;
}

std::string CSnmpClass::ValueText(const CSnmpVarBind* vb, const CSnmpOid* oid) {
    if (!vb) {
        return {};
    }
    // An agent's exception stands in place of the value, whatever the row's type; so does a
    // Counter64 an SNMPv2 agent sends for a row of 32 bits, whose high half must not be lost.
    const bool ownType = SnmpIsException(vb->m_byType) || vb->m_byType == SNMP_TYPE_COUNTER64;
    const SnmpValueType* type = SnmpValueTypeOf(oid && !ownType ? oid->m_byType : vb->m_byType);
    switch (type ? type->form : SnmpForm::Null) {
    case SnmpForm::Unsigned64:
        return FormatText("%llu", static_cast<unsigned long long>(vb->GetInt64()));
    case SnmpForm::Exception:
        return type->name;
    case SnmpForm::Signed:
        return NumberText(*vb, oid);
    case SnmpForm::Unsigned:
        // Unsigned 32-bit by definition: 2^31 and above must not read as negative.
        return FormatText("%u", vb->GetUInt32());
    case SnmpForm::Octets:
    case SnmpForm::Opaque:
        return OctetText(*vb, oid);
    case SnmpForm::Null:
        return type ? "Null" : "";
    case SnmpForm::ObjectId:
        return vb->GetText();
    case SnmpForm::Address:
        if (const std::uint8_t* b = BytesOfAtLeast(*vb, 4)) {
            return FormatText("%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
        }
        return {};
    case SnmpForm::Mac:
        if (const std::uint8_t* b = BytesOfAtLeast(*vb, 6)) {
            return FormatText("%02x:%02x:%02x:%02x:%02x:%02x", b[0], b[1], b[2], b[3], b[4], b[5]);
        }
        return {};
    }
    return {};
}
