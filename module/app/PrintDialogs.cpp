#include "module/app/PrintDialogs.h"

#include "module/dialogbase/CSwitchInfoDlg.h"
#include "module/dialogbase/TableExport.h"
#include "module/events/CEventsDlg.h"
#include "module/graphs/CGraphDlg.h"
#include "module/mainwnd/CModuleMainDlg.h"

std::string PrintedDialog(int slot, const std::string& title,
                          const std::vector<std::vector<std::string>>& rows) {
    // The heading takes the place of the caption line, cleaned like a cell so it stays one line.
    TableText table;
    table.captions = {"slot " + std::to_string(slot) + ": " + title};
    table.rows = rows;
    return TableToTabSeparated(table);
}

std::string PrintedDialogs(const CModuleMainDlg& main) {
    // The main window's status line first: whether the switch answered at all.
    TableText status;
    status.captions = {"main: " + main.GetStatusText()};
    std::string out = TableToTabSeparated(status);
    for (int slot : main.OpenSlots()) {
        CWnd* child = main.GetChildDialog(slot);
        if (auto* events = dynamic_cast<CEventsDlg*>(child))
            events->ShowEvents(); // what arrived since the window last drew
        if (auto* grid = dynamic_cast<CSwitchInfoDlg*>(child))
            out += PrintedDialog(slot, grid->GetWindowText(), grid->GridText().rows);
        else if (auto* graph = dynamic_cast<CGraphDlg*>(child))
            out += PrintedDialog(slot, graph->GetWindowText(), graph->CounterRows());
    }
    return out;
}
