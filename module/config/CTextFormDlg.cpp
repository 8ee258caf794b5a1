#include "module/config/CTextFormDlg.h"

#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/ConfigSupport.h"
#include "module/slots/CDlgData.h"

#include <algorithm>

CTextFormDlg::CTextFormDlg(CWnd* mainWnd, CFormDlgData* record)
    : CSettingsForm(kIds, mainWnd, record) {}

CWnd* CTextFormDlg::CreateFor(CWnd* mainWnd, CDlgData* record) {
    auto* form = dynamic_cast<CFormDlgData*>(record);
    return form && form->m_pOidTable
               ? CModelessDialog::CreateFor<CTextFormDlg, CFormDlgData>(mainWnd, form)
               : nullptr;
}

void CTextFormDlg::SetUpInput(int input, int row) {
    if (int(m_shown.size()) <= input)
        m_shown.resize(std::size_t(input) + 1);
    auto* field = dynamic_cast<CTextEditControl*>(Input(input));
    if (!field)
        return;
    InitField(field);
    if (Rows().Role(row) != FormRowRole::Index)
        return;
    int position = Rows().KeyPositionOf(row);
    std::string key = position >= 0 && position < CDlgData::kMaxKeys
                          ? Record()->m_strKeys[std::size_t(position)]
                          : std::string();
    std::string shown = key.empty() ? NewRowPlaceholder(Row(row)) : key;
    field->SetText(shown.c_str());
}

std::string CTextFormDlg::InputText(int input) {
    std::string typed = FieldText(dynamic_cast<CTextEditControl*>(Input(input)));
    return input >= 0 && input < int(m_shown.size()) ? m_shown[std::size_t(input)].OctetsFor(typed)
                                                     : typed;
}

void CTextFormDlg::ShowValue(int input, int, const std::string& text, const CSnmpVarBind&) {
    auto* field = dynamic_cast<CTextEditControl*>(Input(input));
    if (field) {
        field->SetText(text.c_str());
        if (input >= 0 && input < int(m_shown.size()))
            m_shown[std::size_t(input)].Remember(text, FieldText(field));
    }
    m_longestValue = std::max(m_longestValue, text.size());
}
