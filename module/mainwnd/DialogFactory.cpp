#include "module/mainwnd/DialogFactory.h"

#include "module/mainwnd/CAboutDlg.h"

#include <iterator>

namespace {

const SlotDialogRow kRows[] = {
    {27, 27, &CAboutDlg::CreateFor},
};

} // namespace

const SlotDialogRow* FindSlotDialog(int slot) {
    for (const SlotDialogRow& row : kRows)
        if (slot >= row.first && slot <= row.last)
            return &row;
    return nullptr;
}
