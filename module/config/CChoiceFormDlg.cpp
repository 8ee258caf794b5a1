#include "module/config/CChoiceFormDlg.h"

#include "controls/KoCombo/CCBCtrl.h"
#include "module/config/CEnumChoice.h"
#include "module/config/ChoiceValues.h"
#include "module/slots/CDlgData.h"

#include <algorithm>

CChoiceFormDlg::CChoiceFormDlg(CWnd* mainWnd, CFormDlgData* record)
    : CSettingsForm(kIds, mainWnd, record) {}

CWnd* CChoiceFormDlg::CreateFor(CWnd* mainWnd, CDlgData* record) {
    auto* form = dynamic_cast<CFormDlgData*>(record);
    return form && form->m_pOidTable
               ? CModelessDialog::CreateFor<CChoiceFormDlg, CFormDlgData>(mainWnd, form)
               : nullptr;
}

std::unique_ptr<CObjectInput> CChoiceFormDlg::MakeInput(int input, int row) {
    auto choice = std::make_unique<CEnumChoice>();
    choice->Attach(dynamic_cast<CCBCtrl*>(Input(input)), Row(row).pEnum);
    return choice;
}

std::size_t CChoiceFormDlg::LongestInputText() const {
    std::size_t longest = 0;
    for (int row = 0; row < Rows().RowCount(); ++row)
        longest = std::max(longest, LongestEnumText(Row(row).pEnum));
    return longest;
}
