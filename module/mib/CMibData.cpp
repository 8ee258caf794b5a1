#include "module/mib/CMibData.h"

IMPLEMENT_DYNAMIC(CMibData, CObject)

std::unique_ptr<CMibData> CMibData::Clone() const {
    std::unique_ptr<CMibData> copy(static_cast<CMibData*>(GetRuntimeClass()->CreateObject()));
    if (copy) {
        copy->CopyFrom(*this);
        // An empty octet string does not take the other's table in CopyFrom; a clone must.
        copy->m_pEnum = m_pEnum;
    }
    return copy;
}

bool CMibData::CopyFrom(const CMibData& other) {
    m_pEnum = other.m_pEnum;
    return true;
}
