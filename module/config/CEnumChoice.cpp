#include "module/config/CEnumChoice.h"

#include "controls/KoCombo/CCBCtrl.h"
#include "module/config/ChoiceValues.h"

void CEnumChoice::Attach(CCBCtrl* combo, const _NmEnumPair* list) {
    m_pCombo = combo;
    m_pList = list;
    m_index = 0;
    if (!combo)
        return;
    auto entries = EnumChoices(list);
    combo->InitComboBox(int(entries.size()), entries.data());
}

void CEnumChoice::ShowText(const std::string& text) {
    m_index = EnumIndexOfText(m_pList, text);
    if (m_pCombo && m_index < EnumCount(m_pList))
        m_pCombo->SetSelect(m_index);
}

void CEnumChoice::Picked() {
    if (m_pCombo)
        m_index = m_pCombo->GetSelect();
}

std::string CEnumChoice::ChosenText() const {
    return EnumTextAt(m_pList, m_index);
}

bool CEnumChoice::Owns(int controlId) const {
    return m_pCombo && m_pCombo->GetDlgCtrlID() == controlId;
}

void CEnumChoice::Raise() {
    if (m_pCombo)
        m_pCombo->RaiseComboBox();
}
