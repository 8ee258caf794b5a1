#include "tests/module/app/StatisticListView.h"

#include "dialogs/CNmDlgStatistic.h"
#include "module/tables/PortTables.h"

StatisticListView::StatisticListView(const std::string& address)
    : m_dlg(new CNmDlgStatistic(nullptr, "port 4", address, "tessla", "marbelo",
                                kPortPacketRowCount - 2, g_PortPacketTable + 2, ".1.4")) {}

StatisticListView::~StatisticListView() {
    m_dlg->DestroyWindow(); // the dialog deletes itself
}

void StatisticListView::Tick() {
    m_dlg->SendMessage(WM_TIMER, CNmDlgStatistic::kPollTimer);
}

int StatisticListView::Runs() const {
    return int(m_dlg->Runs().size());
}

const std::string& StatisticListView::Status() const {
    return m_dlg->m_strStatus;
}

std::array<std::string, 3> StatisticListView::Rates(const std::string& name) const {
    const CNmListCtrl& list = m_dlg->m_listCtrl;
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, 0) == name)
            return {list.GetItemText(row, 2), list.GetItemText(row, 3), list.GetItemText(row, 4)};
    return {};
}
