#include "module/graphs/CStatObjects.h"

#include "module/mib/CMibInt32.h"
#include "module/mib/MibTypeMap.h"
#include "snmp/CSnmpVarBind.h"
#include "snmp/SnmpTypes.h"

#include <algorithm>

namespace {

CStatObject ObjectOfRow(const _NmOidTable& row) {
    CStatObject object;
    object.m_byType = row.byType;
    object.m_wAccess = row.wAccess;
    object.m_strOid = row.szOid;
    object.m_strName = row.szName;
    MibDataForOidRow(object.m_pValue, row);
    return object;
}

} // namespace

void CStatObjects::Fill(const _NmOidTable* table, int rowCount, const std::string& instance) {
    m_index.clear();
    m_status.clear();
    m_values.clear();
    m_valueRows.clear();
    m_valueByOid.clear();
    m_strInstance = instance;
    for (int i = 0; table && i < rowCount; ++i) {
        const _NmOidTable& row = table[i];
        switch (row.wAccess & SNMP_ACCESS_KIND_MASK) {
        case SNMP_ACCESS_INDEX:
            m_index.push_back(ObjectOfRow(row));
            break;
        case SNMP_ACCESS_ROWSTATUS:
            m_status.push_back(ObjectOfRow(row));
            break;
        default:
            // A table naming one object twice keeps the first for the replies' values.
            m_valueByOid.emplace(row.szOid, int(m_values.size()));
            m_values.push_back(ObjectOfRow(row));
            m_valueRows.push_back(row);
            break;
        }
    }
}

const _NmOidTable* CStatObjects::ValueRows(int first) const {
    return first >= 0 && first < ValueCount() ? &m_valueRows[size_t(first)] : nullptr;
}

int CStatObjects::RunLength(int first) const {
    return first >= 0 ? std::clamp(ValueCount() - first, 0, kRunLength) : 0;
}

bool CStatObjects::TakeValue(const CSnmpVarBind& vb, std::int64_t receivedMs) {
    std::string oid = vb.m_strOid;
    const std::string& suffix = m_strInstance;
    if (oid.size() < suffix.size() ||
        oid.compare(oid.size() - suffix.size(), suffix.size(), suffix))
        return false;
    oid.resize(oid.size() - suffix.size());
    const auto found = m_valueByOid.find(oid);
    if (found == m_valueByOid.end())
        return false;
    CStatObject& object = m_values[size_t(found->second)];
    std::unique_ptr<CMibData>& value = object.m_pValue;
    // The object keeps the value class of its row: a binding of another kind is not taken.
    if (!value || MibDataClassOf(vb.m_byType) != value->GetRuntimeClass())
        return false;
    MibDataForVarBind(value, vb);
    object.m_receivedMs = receivedMs;
    return true;
}

std::uint32_t CStatObjects::CounterValue(int i) const {
    if (i < 0 || i >= ValueCount())
        return 0;
    const CMibData* value = m_values[size_t(i)].m_pValue.get();
    if (!value || !value->IsKindOf(RUNTIME_CLASS(CMibInt32)))
        return 0;
    return std::uint32_t(static_cast<const CMibInt32*>(value)->GetValue());
}

CSampleRecord CStatObjects::MakeSample(std::uint32_t sequence, std::uint32_t time) const {
    CSampleRecord sample;
    sample.m_nCount = ValueCount();
    sample.m_dwSeq = sequence;
    sample.m_time = time;
    sample.m_values.reserve(m_values.size());
    for (int i = 0; i < ValueCount(); ++i) {
        sample.m_values.push_back(CounterValue(i));
        const std::int64_t receivedMs = m_values[size_t(i)].m_receivedMs;
        sample.m_valueMs.push_back(receivedMs);
        if (receivedMs > sample.m_timeMs)
            sample.m_timeMs = receivedMs;
    }
    return sample;
}

void CStatObjects::SetStatus(std::uint16_t code, const std::string& text) {
    m_wStatus = code;
    m_strStatus = text;
}
