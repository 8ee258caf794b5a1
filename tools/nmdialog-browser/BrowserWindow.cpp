#include "tools/nmdialog-browser/BrowserWindow.h"

#include "dialogs/CNmDlgGet.h"
#include "dialogs/CNmDlgGetNext.h"
#include "dialogs/CNmDlgPortCtrl.h"
#include "dialogs/CNmDlgSet.h"
#include "dialogs/CNmDlgStatistic.h"
#include "dialogs/NmDlgResources.h"
#include "platform/ui/AppWindow.h"
#include "tools/nmdialog-browser/BrowserFit.h"

#include <algorithm>

namespace {

const CSize kLargestWindow(1600, 1000);
constexpr int kMostRowsShown = 24;

template <class Dialog>
CNmDlgLayout* Make(const BrowserOptions& o, const BrowserTarget& t, const std::string& key) {
    return new Dialog(nullptr, key, o.agent, o.readCommunity, o.writeCommunity, t.rowCount, t.rows,
                      t.instance);
}

} // namespace

std::string BrowserTargetText(const BrowserTarget& target) {
    return target.name + (target.instance.empty() ? "" : " " + target.instance);
}

std::string BrowserDialogKey(const BrowserOptions& options, const BrowserTarget& target) {
    return std::string(BrowserDialogName(options.dialog)) + " " + BrowserTargetText(target) +
           " on " + options.agent;
}

CNmDlgLayout* OpenBrowserDialog(const BrowserOptions& options, const BrowserTarget& target) {
    const std::string key = BrowserDialogKey(options, target);
    nmdlgSetRequestOptions(NmDlgRequestOptions{options.timeoutMs, options.retries});
    CNmDlgLayout* dlg = nullptr;
    switch (options.dialog) {
    case BrowserDialog::Get:
        dlg = Make<CNmDlgGet>(options, target, key);
        break;
    case BrowserDialog::GetNext:
        dlg = Make<CNmDlgGetNext>(options, target, key);
        break;
    case BrowserDialog::Set:
        dlg = Make<CNmDlgSet>(options, target, key);
        break;
    case BrowserDialog::PortCtrl:
        dlg = Make<CNmDlgPortCtrl>(options, target, key);
        break;
    case BrowserDialog::Statistic:
        dlg = Make<CNmDlgStatistic>(options, target, key);
        break;
    }
    dlg->SetTarget(BrowserTargetText(target));
    dlg->ShowWindow(SW_SHOW);
    FitBrowserDialog(*dlg, options.dialog);
    return dlg;
}

void FitBrowserDialog(CNmDlgLayout& dlg, BrowserDialog kind) {
    CNmListCtrl& list = dlg.m_listCtrl;
    CDC* dc = list.GetDC();
    dc->SelectObject(list.GetFont());
    const int blank = int(dc->GetTextExtent(" ").cx);
    const int columns = list.GetColumnCount();
    int total = 0;
    for (int col = 0; col < columns; ++col) {
        if (kind == BrowserDialog::PortCtrl && col > 0) {
            total += list.GetColumnWidth(col);
            continue;
        }
        std::vector<int> widths{int(dc->GetTextExtent(list.GetColumnHeading(col)).cx)};
        for (int row = 0; row < list.GetItemCount(); ++row)
            widths.push_back(int(dc->GetTextExtent(list.GetItemText(row, col)).cx));
        // Texts are inset by two blanks a side; the first column also shows the row image.
        int padding = 4 * blank + (col == 0 ? kNmListImageSize + 2 : 0);
        int width = FittedColumnWidth(list.GetColumnWidth(col), widths, padding);
        if (width != list.GetColumnWidth(col))
            list.SetColumnWidth(col, width);
        total += width;
    }
    list.ReleaseDC(dc);

    const int rows = std::min(std::max(list.GetItemCount(), 4), kMostRowsShown);
    CRect client, rowsRect, window;
    list.GetClientRect(&client);
    rowsRect = list.GetRowsRect();
    // What the scroll bars and the header take stays as it is.
    CSize needed(total + (client.Width() - rowsRect.Width()) + 2,
                 list.GetHeaderHeight() + rows * list.GetRowHeight() +
                     (client.Height() - rowsRect.Height() - list.GetHeaderHeight()) + 2);
    dlg.GetWindowRect(&window);
    // Never past the screen: at twice the size a 1600-pixel screen holds 800 window pixels.
    CSize largest = kLargestWindow;
    const CRect area = GetDesktopWorkArea();
    if (!area.IsRectEmpty())
        largest = CSize(std::min(largest.cx, area.Width()), std::min(largest.cy, area.Height()));
    CSize size = GrownWindowSize(CSize(window.Width(), window.Height()),
                                 CSize(client.Width(), client.Height()), needed, largest);
    if (size.cx != window.Width() || size.cy != window.Height())
        dlg.MoveWindow(window.left, window.top, size.cx, size.cy);
}

std::vector<std::string> ListRows(const CNmDlgLayout& dlg) {
    std::vector<std::string> rows;
    const CNmListCtrl& list = dlg.m_listCtrl;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        std::string line;
        for (int col = 0; col < list.GetColumnCount(); ++col)
            line += (col ? "\t" : "") + list.GetItemText(row, col);
        rows.push_back(line);
    }
    return rows;
}
