#include "dialogs/NmDlgRegistry.h"

#include "dialogs/CNmDlg.h"
#include "platform/ui/AppWindow.h"

#include <algorithm>

namespace {
std::vector<CNmDlg*>& dialogs() {
    static std::vector<CNmDlg*> list;
    return list;
}
} // namespace

namespace NmDlgRegistry {

void Add(CNmDlg* dlg) {
    dialogs().push_back(dlg);
}

void Remove(CNmDlg* dlg) {
    auto& list = dialogs();
    list.erase(std::remove(list.begin(), list.end(), dlg), list.end());
}

const std::vector<CNmDlg*>& All() {
    return dialogs();
}

} // namespace NmDlgRegistry

CNmDlg* nmdlgFind(const std::string& key) {
    for (CNmDlg* dlg : dialogs())
        if (dlg->m_strKey == key)
            return dlg;
    return nullptr;
}

void nmdlgArrange() {
    CWnd* main = AfxGetMainWnd();
    if (!main)
        return;
    CRect origin;
    main->GetWindowRect(&origin);
    int n = 0;
    for (CNmDlg* dlg : dialogs()) {
        CRect r;
        dlg->GetWindowRect(&r);
        dlg->MoveWindow(origin.left + 20 * n, origin.top + 40 + 22 * n, r.Width(), r.Height());
        ++n;
    }
}

void nmdlgCloseAll() {
    // Each destruction removes its dialog from the list: work on a copy, and skip dialogs a
    // previous destruction already took with it.
    std::vector<CNmDlg*> open = dialogs();
    for (CNmDlg* dlg : open) {
        const auto& now = dialogs();
        if (std::find(now.begin(), now.end(), dlg) != now.end() && dlg->m_hWnd)
            dlg->DestroyWindow();
    }
}
