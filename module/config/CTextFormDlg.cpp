#include "module/config/CTextFormDlg.h"

#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/CTextInput.h"
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

std::unique_ptr<CObjectInput> CTextFormDlg::MakeInput(int input, int row) {
    auto* field = dynamic_cast<CTextEditControl*>(Input(input));
    std::string start;
    if (Rows().Role(row) == FormRowRole::Index) {
        const int position = Rows().KeyPositionOf(row);
        const std::string key = position >= 0 && position < CDlgData::kMaxKeys
                                    ? Record()->m_strKeys[std::size_t(position)]
                                    : std::string();
        start = key.empty() ? NewRowPlaceholder(Row(row)) : key;
    }
    return std::make_unique<CTextInput>(field, start);
}

void CTextFormDlg::AfterValues() {
    for (int input = 0; input < Editor().InputCount(); ++input)
        m_longestValue = std::max(m_longestValue, Editor().Input(input)->ShownLength());
    LayOut();
}
