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

void CChoiceFormDlg::SetUpInput(int input, int row) {
    if (int(m_choices.size()) <= input)
        m_choices.resize(std::size_t(input) + 1);
    m_choices[std::size_t(input)].Attach(dynamic_cast<CCBCtrl*>(Input(input)), Row(row).pEnum);
}

std::string CChoiceFormDlg::InputText(int input) {
    return input >= 0 && input < int(m_choices.size()) ? m_choices[std::size_t(input)].ChosenText()
                                                       : std::string();
}

void CChoiceFormDlg::ShowValue(int input, int, const std::string&, const CSnmpVarBind& binding) {
    if (input >= 0 && input < int(m_choices.size()))
        m_choices[std::size_t(input)].ShowValue(std::int32_t(binding.GetUInt32()));
}

std::size_t CChoiceFormDlg::LongestInputText() const {
    std::size_t longest = 0;
    for (int row = 0; row < Rows().RowCount(); ++row)
        longest = std::max(longest, LongestEnumText(Row(row).pEnum));
    return longest;
}

void CChoiceFormDlg::RaiseInputs() {
    for (CEnumChoice& choice : m_choices)
        choice.Raise();
}
