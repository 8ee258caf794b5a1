#include "dialogs/NmDlgRegistry.h"

#include "dialogs/CNmDlg.h"
#include "dialogs/NmDlgLayoutRules.h"
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

} // namespace NmDlgRegistry

CNmDlg* nmdlgFind(const std::string& key) {
    for (CNmDlg* dlg : dialogs())
        if (dlg->m_strKey == key)
            return dlg;
    return nullptr;
}

void nmdlgArrange() {
    // A host without a main window of its own (a browser of dialogs, say) has them cascaded
    // from the desktop work area's corner instead, kept inside the area. Positions are of the
    // client area: the 40 pixels above leave room for the caption, the 20 to the left for the
    // frame, so no window starts with its frame off the screen.
    CRect area;
    CPoint origin;
    if (CWnd* main = AfxGetMainWnd()) {
        CRect r;
        main->GetWindowRect(&r);
        origin = CPoint(r.left, r.top + 40);
    } else {
        area = GetDesktopWorkArea();
        if (area.IsRectEmpty())
            return;
        origin = CPoint(area.left + 20, area.top + 40);
    }
    int n = 0;
    for (CNmDlg* dlg : dialogs()) {
        CRect r;
        dlg->GetWindowRect(&r);
        CPoint at = CascadePosition(n++, origin, CSize(r.Width(), r.Height()), area);
        dlg->MoveWindow(at.x, at.y, r.Width(), r.Height());
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
