#include "module/config/CEnumChoice.h"

#include "controls/KoCombo/CCBCtrl.h"
#include "module/config/ChoiceValues.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpVarBind.h"

#include <algorithm>
#include <cstring>

std::string UnknownValueText(std::int64_t value) {
    return FormatText("%lld (unknown)", static_cast<long long>(value));
}

void CEnumChoice::Attach(CCBCtrl* combo, const _NmEnumPair* values) {
    Attach(combo, EnumChoices(values), values);
}

void CEnumChoice::Attach(CCBCtrl* combo, std::vector<_zrkenumerate> labels,
                         const _NmEnumPair* values) {
    m_pCombo = combo;
    m_pValues = values;
    m_labels = std::move(labels);
    ShowUnread();
}

void CEnumChoice::Fill(const std::vector<_zrkenumerate>& entries) {
    if (!m_pCombo)
        return;
    std::vector<_zrkenumerate> copy = entries;
    m_pCombo->InitComboBox(int(copy.size()), copy.data());
    // The list does not repaint itself: the entry it chose must show even when a SetSelect
    // of the same entry changes nothing.
    m_pCombo->Invalidate(TRUE);
}

int CEnumChoice::Selected() const {
    return m_pCombo ? m_pCombo->GetSelect() : -1;
}

void CEnumChoice::ShowExtra(const std::string& text) {
    // The extra entry's command must differ from every entry's: it takes a value none has.
    std::vector<_zrkenumerate> entries = m_labels;
    _zrkenumerate extra{};
    for (const _zrkenumerate& entry : entries)
        extra.value = std::max(extra.value, entry.value + 1);
    std::strncpy(extra.text, text.c_str(), sizeof extra.text - 1);
    entries.push_back(extra);
    Fill(entries);
    if (m_pCombo)
        m_pCombo->SetSelect(int(entries.size()) - 1);
    m_shownIndex = Selected();
}

void CEnumChoice::ShowUnread() {
    m_bRead = false;
    ShowExtra("");
}

void CEnumChoice::ShowValue(std::int64_t value) {
    m_bRead = true;
    m_readValue = value;
    const int index = EnumIndexOfValue(m_pValues, value);
    if (index >= 0 && index < int(m_labels.size())) {
        if (m_pCombo && m_pCombo->GetCount() != int(m_labels.size()))
            Fill(m_labels);
        if (m_pCombo)
            m_pCombo->SetSelect(index);
        m_shownIndex = Selected();
        return;
    }
    ShowExtra(UnknownValueText(value));
}

void CEnumChoice::ShowRead(const std::string&, const CSnmpVarBind& binding) {
    ShowValue(std::int32_t(binding.GetUInt32()));
}

bool CEnumChoice::IsEdited() const {
    return Selected() != m_shownIndex;
}

std::string CEnumChoice::ReadText() const {
    return m_bRead ? FormatText("%lld", static_cast<long long>(m_readValue)) : std::string();
}

std::string CEnumChoice::ChosenText() const {
    const int chosen = Selected();
    return chosen >= 0 && chosen < int(m_labels.size()) ? EnumTextAt(m_pValues, chosen)
                                                        : std::string();
}

int CEnumChoice::ControlId() const {
    return m_pCombo ? m_pCombo->GetDlgCtrlID() : 0;
}

void CEnumChoice::Raise() {
    if (m_pCombo)
        m_pCombo->RaiseComboBox();
}
