#pragma once
// The library-wide list of open dialogs, in creation order (user-interface thread only).

class CNmDlg;

namespace NmDlgRegistry {
void Add(CNmDlg* dlg);
void Remove(CNmDlg* dlg);
} // namespace NmDlgRegistry
