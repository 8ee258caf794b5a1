#include "module/mib/MibTypeMap.h"

#include <string>

#include "module/mib/CMibIPAddress.h"
#include "module/mib/CMibInt32.h"
#include "module/mib/CMibOctetString.h"
#include "snmp/SnmpValueType.h"

const CRuntimeClass* MibDataClassOf(std::uint8_t type) {
    const SnmpValueType* row = SnmpValueTypeOf(type);
    switch (row ? row->form : SnmpForm::Octets) {
    case SnmpForm::Signed:
    case SnmpForm::Unsigned:
        return RUNTIME_CLASS(CMibInt32);
    case SnmpForm::Address:
        return RUNTIME_CLASS(CMibIPAddress);
    case SnmpForm::Null:
        return nullptr;
    default:
        return RUNTIME_CLASS(CMibOctetString);
    }
}

namespace {
CMibData* HolderOfClass(std::unique_ptr<CMibData>& holder, std::uint8_t type) {
    const CRuntimeClass* cls = MibDataClassOf(type);
    if (!cls) {
        holder.reset();
        return nullptr;
    }
    if (!holder || holder->GetRuntimeClass() != cls) {
        holder.reset(static_cast<CMibData*>(cls->CreateObject()));
    }
    return holder.get();
}
} // namespace

void MibDataForVarBind(std::unique_ptr<CMibData>& holder, const CSnmpVarBind& vb) {
    CMibData* value = HolderOfClass(holder, vb.m_byType);
    if (!value) {
        return;
    }
    if (value->IsKindOf(RUNTIME_CLASS(CMibInt32))) {
        // A number is stored as 32 or 64 bits; the value class keeps the low 32 bits either way.
        const std::uint32_t number = vb.GetUInt32();
        value->SetRaw(reinterpret_cast<const std::uint8_t*>(&number), sizeof number, nullptr);
        return;
    }
    // Byte values and OID text alike: only the binding's own bytes are read.
    const std::string bytes = vb.GetText();
    value->SetRaw(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                  static_cast<int>(bytes.size()), nullptr);
}

void MibDataForOidRow(std::unique_ptr<CMibData>& holder, const _NmOidTable& row) {
    if (CMibData* value = HolderOfClass(holder, row.byType)) {
        value->SetEnumTable(row.pEnum);
    }
}
