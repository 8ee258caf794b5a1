#pragma once
// The dialog nmdialog-browser shows: opened for the chosen kind and table, kept sized to what
// it lists, and read back as text rows.

#include "tools/nmdialog-browser/BrowserArgs.h"

#include "snmp/NmOidTable.h"

#include <string>
#include <vector>

class CNmDlgLayout;

struct BrowserTarget {
    std::string name; // the table's name (or the file's)
    const _NmOidTable* rows = nullptr;
    int rowCount = 0;
    std::string instance;
};

// The dialog's key and title: the dialog's name, the table, the instance and the agent, as in
// "get system .0 on 127.0.0.1:1161".
std::string BrowserDialogKey(const BrowserOptions& options, const BrowserTarget& target);
// The dialog's Target header: the table and the instance.
std::string BrowserTargetText(const BrowserTarget& target);
// Creates and shows the dialog; it deletes itself when its window goes.
CNmDlgLayout* OpenBrowserDialog(const BrowserOptions& options, const BrowserTarget& target);
// Widens the columns (except port columns, which keep their width) to their texts and grows
// the window so the list shows them all.
void FitBrowserDialog(CNmDlgLayout& dlg, BrowserDialog kind);
// Every row of the list, cells separated by tabs.
std::vector<std::string> ListRows(const CNmDlgLayout& dlg);
