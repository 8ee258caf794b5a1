#include "module/slots/CDlgData.h"

#include "controls/common/FixedText.h"
#include "module/mib/CIndexSuffix.h"
#include "snmp/SnmpTypes.h"

#include <algorithm>

void CDlgData::SetKeys(const std::vector<std::string>& keys) {
    if (keys.empty())
        return;
    int count = std::min<int>(int(keys.size()), kMaxKeys);
    for (int i = 0; i < count; ++i)
        m_strKeys[i] = keys[i];
    m_nKeyCount = count;
}

void CDlgData::CopyKeys(const CDlgData& other) {
    m_strKeys = other.m_strKeys;
    m_nKeyCount = std::clamp(other.m_nKeyCount, 0, kMaxKeys);
}

bool CDlgData::AppendKey(const std::string& key) {
    if (m_nKeyCount >= kMaxKeys)
        return false;
    m_strKeys[m_nKeyCount++] = key;
    return true;
}

void CDlgData::ClearKeys() {
    m_nKeyCount = 0;
    m_strKeys.fill(std::string());
}

void CDlgData::SetTable(const _NmOidTable* table, int rowCount) {
    m_pOidTable = table;
    m_nRowCount = table ? rowCount : 0;
}

int CDlgData::NextColumnOfKind(int row, int kind) const {
    for (int i = std::max(row + 1, 0); i < m_nRowCount; ++i)
        if ((m_pOidTable[i].wAccess & SNMP_ACCESS_KIND_MASK) == kind)
            return i;
    return -1;
}

int CDlgData::NextIndexColumn(int row) const {
    return NextColumnOfKind(row, SNMP_ACCESS_INDEX);
}

int CDlgData::NextStatusColumn(int row) const {
    return NextColumnOfKind(row, SNMP_ACCESS_ROWSTATUS);
}

int CDlgData::IndexColumnCount() const {
    int count = 0;
    for (int i = NextIndexColumn(-1); i >= 0; i = NextIndexColumn(i))
        ++count;
    return count;
}

std::string CDlgData::InstanceSuffix() const {
    if (IndexColumnCount() == 0)
        return ".0";
    std::string suffix;
    int position = 0;
    for (int i = NextIndexColumn(-1); i >= 0; i = NextIndexColumn(i), ++position) {
        const std::string& key = position < kMaxKeys ? m_strKeys[position] : std::string();
        suffix += CIndexSuffix(&m_pOidTable[i], key).GetSuffix();
    }
    return suffix;
}

CTableDlgData::CTableDlgData() {
    static const char* const labels[kHeaderFields] = {"Name", "Opened", "IP Address", "Target"};
    for (int i = 0; i < kHeaderFields; ++i)
        CopyFixedText(m_szHeaderLabel[i], labels[i]);
}

void CTableDlgData::SetHeader(const std::string& deviceName, const std::string& agentAddress,
                              const std::string& target) {
    CopyFixedText(m_szHeaderValue[0], deviceName.c_str());
    CopyFixedText(m_szHeaderValue[1], "");
    CopyFixedText(m_szHeaderValue[2], agentAddress.c_str());
    CopyFixedText(m_szHeaderValue[3], target.c_str());
}

bool CTableDlgData::AddButton(const char* label, std::int32_t message, std::int32_t param) {
    int next = ButtonCount();
    if (next >= kButtons)
        return false;
    CopyFixedText(m_buttons[next].label, label);
    m_buttons[next].message = message;
    m_buttons[next].param = param;
    return true;
}

int CTableDlgData::ButtonCount() const {
    int count = 0;
    while (count < kButtons && m_buttons[count].label[0])
        ++count;
    return count;
}

void CEntryTableDlgData::SetEntryTable(const _NmOidTable* table, int rowCount) {
    SetTable(table, rowCount);
    m_bHasStatusColumn = false;
    m_pStatusRow = nullptr;
    int status = NextStatusColumn(-1);
    if (status >= 0) {
        m_bHasStatusColumn = true;
        m_pStatusRow = &m_pOidTable[status];
    }
}

void CEntryTableDlgData::SetRemoveValue(std::int32_t value) {
    m_strRemoveText = "Disable";
    if (!m_pStatusRow || !m_pStatusRow->pEnum)
        return;
    for (const _NmEnumPair* e = m_pStatusRow->pEnum; e->pszText; ++e)
        if (e->nValue == value) {
            m_strRemoveText = e->pszText;
            return;
        }
}
