#include "module/mainwnd/DialogFactory.h"

#include "module/mainwnd/CAboutDlg.h"
#include "module/monitor/CInfoDlg.h"
#include "module/monitor/CTableDlg.h"

#include <iterator>

namespace {

const SlotDialogRow kRows[] = {
    {0, 0, &CInfoDlg::CreateFor},    {2, 3, &CTableDlg::CreateFor},  {5, 5, &CTableDlg::CreateFor},
    {27, 27, &CAboutDlg::CreateFor}, {50, 77, &CInfoDlg::CreateFor},
};

} // namespace

const SlotDialogRow* FindSlotDialog(int slot) {
    for (const SlotDialogRow& row : kRows)
        if (slot >= row.first && slot <= row.last)
            return &row;
    return nullptr;
}
