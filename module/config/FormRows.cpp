#include "module/config/FormRows.h"

#include "module/mib/CIndexSuffix.h"

#include <algorithm>

FormRowRole RoleOf(std::uint16_t access) {
    switch (access & SNMP_ACCESS_KIND_MASK) {
    case SNMP_ACCESS_INDEX:
        return (access & kAccessKeyColumn) ? FormRowRole::Key : FormRowRole::Index;
    case SNMP_ACCESS_ROWSTATUS:
        return FormRowRole::RowStatus;
    default:
        return FormRowRole::Plain;
    }
}

std::string NewRowPlaceholder(const _NmOidTable& row) {
    if ((row.wAccess & kAccessNoPlaceholder) == kAccessNoPlaceholder)
        return {};
    switch (row.byType) {
    case SNMP_TYPE_IPADDR:
        return "000.000.000.000";
    case SNMP_TYPE_MAC:
        return "00:00:00:00:00:00";
    default:
        return "0";
    }
}

std::string ScalarIfEmpty(std::string instance) {
    return instance.empty() ? ".0" : instance;
}

CFormRows::CFormRows(const _NmOidTable* table, int rowCount) : m_pTable(table) {
    int next = 0;
    for (int i = 0; table && i < rowCount; ++i) {
        FormRowRole role = RoleOf(table[i].wAccess);
        m_roles.push_back(role);
        m_inputs.push_back(HasInput(role) ? next++ : -1);
    }
}

int CFormRows::InputCount() const {
    return int(std::count_if(m_inputs.begin(), m_inputs.end(), [](int i) { return i >= 0; }));
}

std::vector<int> CFormRows::InputRows() const {
    std::vector<int> rows;
    for (int row = 0; row < RowCount(); ++row)
        if (InputOf(row) >= 0)
            rows.push_back(row);
    return rows;
}

int CFormRows::KeyPositionOf(int row) const {
    if (row < 0 || row >= RowCount() || !IsIndexRole(Role(row)))
        return -1;
    int position = 0;
    for (int i = 0; i < row; ++i)
        if (IsIndexRole(Role(i)))
            ++position;
    return position;
}

int CFormRows::StatusRow() const {
    for (int row = 0; row < RowCount(); ++row)
        if (Role(row) == FormRowRole::RowStatus)
            return row;
    return -1;
}

namespace {
const std::string& KeyAt(const FormKeys& keys, int position) {
    static const std::string none;
    return position >= 0 && position < int(keys.size()) ? keys[std::size_t(position)] : none;
}
} // namespace

std::string CFormRows::ReadInstance(std::list<CSnmpOid*>& objects, const FormKeys& keys,
                                    bool& complete) const {
    complete = true;
    std::string instance;
    int row = 0;
    for (auto it = objects.begin(); it != objects.end() && row < RowCount(); ++it, ++row) {
        if (!IsIndexRole(Role(row)))
            continue;
        const std::string& key = KeyAt(keys, KeyPositionOf(row));
        if (key.empty()) {
            complete = false;
            continue;
        }
        (*it)->m_strValue = key;
        instance += CIndexSuffix(&m_pTable[row], key).GetSuffix();
    }
    return instance;
}

std::string CFormRows::WriteInstance(std::list<CSnmpOid*>& objects, const FormKeys& keys,
                                     const std::string& rowStatusText,
                                     const std::function<std::string(int input)>& inputText) const {
    std::string instance;
    int row = 0;
    for (auto it = objects.begin(); it != objects.end() && row < RowCount(); ++it, ++row) {
        switch (Role(row)) {
        case FormRowRole::RowStatus:
            (*it)->m_strValue = rowStatusText;
            break;
        case FormRowRole::Key:
            instance += CIndexSuffix(&m_pTable[row], KeyAt(keys, KeyPositionOf(row))).GetSuffix();
            break;
        case FormRowRole::Index:
            instance += CIndexSuffix(&m_pTable[row], inputText(InputOf(row))).GetSuffix();
            break;
        case FormRowRole::Plain:
            (*it)->m_strValue = inputText(InputOf(row));
            break;
        }
    }
    return instance;
}

std::vector<int> CFormRows::ReplyRows(std::size_t bindings, bool afterGet) const {
    std::vector<int> rows;
    for (int row = 0; row < RowCount() && rows.size() < bindings; ++row) {
        FormRowRole role = Role(row);
        if (role == FormRowRole::Plain || (afterGet && IsIndexRole(role)))
            rows.push_back(row);
    }
    rows.resize(bindings, -1);
    return rows;
}
