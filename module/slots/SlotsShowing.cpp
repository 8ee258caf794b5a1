#include "module/slots/SlotsShowing.h"

namespace {

// Whether `name` is an instance of `column` ("column.instance") that `record` shows.
bool Shows(const CTableDlgData& record, const std::string& column, const std::string& name) {
    if (name.size() <= column.size() || name.compare(0, column.size(), column) != 0 ||
        name[column.size()] != '.')
        return false;
    const bool walked = record.IndexColumnCount() > 0 && record.m_nKeyCount == 0;
    return walked || name.substr(column.size()) == record.InstanceSuffix();
}

bool ShowsAny(const CTableDlgData& record, const std::vector<std::string>& names) {
    for (int row = 0; record.m_pOidTable && row < record.m_nRowCount; ++row)
        for (const std::string& name : names)
            if (Shows(record, record.m_pOidTable[row].szOid, name))
                return true;
    return false;
}

} // namespace

std::vector<int> SlotsShowing(const SlotRecordTable& records,
                              const std::vector<std::string>& names) {
    std::vector<int> slots;
    for (int slot = 0; slot < int(records.size()); ++slot) {
        const auto* record = dynamic_cast<const CTableDlgData*>(records[std::size_t(slot)].get());
        if (record && ShowsAny(*record, names))
            slots.push_back(slot);
    }
    return slots;
}

std::vector<int> SlotsShowing(const std::vector<std::string>& names) {
    static const SlotRecordTable records = [] {
        SlotRecordTable built;
        BuildSlotRecords(built, ModuleIdentity{});
        return built;
    }();
    return SlotsShowing(records, names);
}
