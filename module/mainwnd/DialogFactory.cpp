#include "module/mainwnd/DialogFactory.h"

#include "module/config/CChoiceFormDlg.h"
#include "module/config/CResetDlg.h"
#include "module/config/CSetConfigDlg.h"
#include "module/config/CTextFormDlg.h"
#include "module/events/CEventsDlg.h"
#include "module/graphs/CBarGraphDlg.h"
#include "module/graphs/CLineGraphDlg.h"
#include "module/mainwnd/CAboutDlg.h"
#include "module/mainwnd/CHelpDlg.h"
#include "module/monitor/CInfoDlg.h"
#include "module/monitor/CStatTableDlg.h"
#include "module/monitor/CTableDlg.h"

#include <iterator>

namespace {

const SlotDialogRow kRows[] = {
    {0, 0, &CInfoDlg::CreateFor},          {1, 1, &CSetConfigDlg::CreateFor},
    {2, 3, &CTableDlg::CreateFor},         {4, 4, &CTextFormDlg::CreateFor},
    {5, 5, &CTableDlg::CreateFor},         {6, 6, &CTextFormDlg::CreateFor},
    {7, 7, &CChoiceFormDlg::CreateFor},    {26, 26, &CResetDlg::CreateFor},
    {27, 27, &CAboutDlg::CreateFor},       {28, 28, &CHelpDlg::CreateFor},
    {50, 77, &CInfoDlg::CreateFor},        {80, 107, &CChoiceFormDlg::CreateFor},
    {140, 167, &CStatTableDlg::CreateFor}, {170, 197, &CStatTableDlg::CreateFor},
    {200, 257, &CLineGraphDlg::CreateFor}, {260, 317, &CBarGraphDlg::CreateFor},
    {318, 318, &CEventsDlg::CreateFor},
};

} // namespace

const SlotDialogRow* FindSlotDialog(int slot) {
    for (const SlotDialogRow& row : kRows)
        if (slot >= row.first && slot <= row.last)
            return &row;
    return nullptr;
}
