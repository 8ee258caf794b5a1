#include "module/config/CChoiceFormDlg.h"

#include "controls/KoCombo/CCBCtrl.h"
#include "module/config/ChoiceValues.h"
#include "module/config/ConfigSupport.h"
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

const _NmEnumPair* CChoiceFormDlg::EnumOfInput(int input) const {
    std::vector<int> rows = Rows().InputRows();
    return input >= 0 && input < int(rows.size()) ? Row(rows[std::size_t(input)]).pEnum : nullptr;
}

void CChoiceFormDlg::SetUpInput(int input, int row) {
    if (auto* list = dynamic_cast<CCBCtrl*>(Input(input))) {
        auto entries = EnumChoices(Row(row).pEnum);
        list->InitComboBox(int(entries.size()), entries.data());
    }
}

std::string CChoiceFormDlg::InputText(int input) {
    auto* list = dynamic_cast<CCBCtrl*>(Input(input));
    return list ? EnumTextAt(EnumOfInput(input), list->GetSelect()) : std::string();
}

void CChoiceFormDlg::ShowValue(int input, int row, const std::string&,
                               const CSnmpVarBind& binding) {
    const _NmEnumPair* values = Row(row).pEnum;
    auto* list = dynamic_cast<CCBCtrl*>(Input(input));
    if (list && values)
        list->SetSelect(EnumIndexOfValue(values, std::int32_t(binding.GetUInt32())));
}

std::size_t CChoiceFormDlg::LongestInputText() const {
    std::size_t longest = 0;
    for (int row = 0; row < Rows().RowCount(); ++row)
        longest = std::max(longest, LongestEnumText(Row(row).pEnum));
    return longest;
}

void CChoiceFormDlg::RaiseInputs() {
    for (int k = 0; k < InputCount(); ++k)
        if (auto* list = dynamic_cast<CCBCtrl*>(Input(k)))
            list->RaiseComboBox();
}
