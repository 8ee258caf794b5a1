#include "module/slots/SlotsShowing.h"

#include "module/slots/SlotOpening.h"
#include "module/tables/ConfigTables.h"

namespace {

// Whether `name` is an instance of `column` ("column.instance") that a window showing
// `instance` shows; an empty `instance` stands for every instance.
bool Shows(const std::string& column, const std::string& instance, const std::string& name) {
    if (name.size() <= column.size() || name.compare(0, column.size(), column) != 0 ||
        name[column.size()] != '.')
        return false;
    return instance.empty() || name.substr(column.size()) == instance;
}

bool ShowsAny(const _NmOidTable* table, int rowCount, const std::string& instance,
              const std::vector<std::string>& names) {
    for (int row = 0; table && row < rowCount; ++row) {
        const _NmOidTable& object = table[row];
        if ((object.wAccess & SNMP_ACCESS_MASK) == SNMP_ACCESS_WRITEONLY)
            continue;
        for (const std::string& name : names)
            if (Shows(object.szOid, instance, name))
                return true;
    }
    return false;
}

// The instance a table or information window shows ("" for every one).
std::string TableInstance(const CTableDlgData& record) {
    const bool walked = record.IndexColumnCount() > 0 && record.m_nKeyCount == 0;
    return walked ? std::string() : record.InstanceSuffix();
}

// The instance a form shows ("" for every one).
std::string FormInstance(int slot, const CFormDlgData& record) {
    return TakesOpenerKeys(slot) ? std::string() : record.InstanceSuffix();
}

const SlotRecordTable& BuiltRecords() {
    static const SlotRecordTable records = [] {
        SlotRecordTable built;
        BuildSlotRecords(built, ModuleIdentity{});
        return built;
    }();
    return records;
}

} // namespace

std::vector<int> SlotsShowing(const SlotRecordTable& records,
                              const std::vector<std::string>& names) {
    std::vector<int> slots;
    for (int slot = 0; slot < int(records.size()); ++slot) {
        const auto* record = dynamic_cast<const CTableDlgData*>(records[std::size_t(slot)].get());
        if (record &&
            ShowsAny(record->m_pOidTable, record->m_nRowCount, TableInstance(*record), names))
            slots.push_back(slot);
    }
    return slots;
}

std::vector<int> SlotsShowing(const std::vector<std::string>& names) {
    return SlotsShowing(BuiltRecords(), names);
}

std::vector<int> FormSlotsShowing(const SlotRecordTable& records,
                                  const std::vector<std::string>& names) {
    std::vector<int> slots;
    for (int slot = 0; slot < int(records.size()); ++slot) {
        const auto* record = dynamic_cast<const CFormDlgData*>(records[std::size_t(slot)].get());
        if (!record)
            continue;
        // Set Configuration's record names only its kind; its pages show the configuration table.
        const bool pages = slot == Slot::kSetConfiguration;
        if (ShowsAny(pages ? g_ConfigTable : record->m_pOidTable,
                     pages ? kConfigRowCount : record->m_nRowCount, FormInstance(slot, *record),
                     names))
            slots.push_back(slot);
    }
    return slots;
}

std::vector<int> FormSlotsShowing(const std::vector<std::string>& names) {
    return FormSlotsShowing(BuiltRecords(), names);
}
