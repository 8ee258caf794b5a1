#pragma once
// The library-wide list of open dialogs, in creation order (user-interface thread only).

#include <vector>

class CNmDlg;

namespace NmDlgRegistry {
void Add(CNmDlg* dlg);
void Remove(CNmDlg* dlg);
const std::vector<CNmDlg*>& All();
} // namespace NmDlgRegistry
