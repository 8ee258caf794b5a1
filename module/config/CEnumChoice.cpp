#include "module/config/CEnumChoice.h"

#include "controls/KoCombo/CCBCtrl.h"
#include "module/config/ChoiceValues.h"
#include "platform/core/TextFormat.h"

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
    m_bUnknown = false;
    Fill(m_labels);
}

void CEnumChoice::Fill(const std::vector<_zrkenumerate>& entries) {
    if (!m_pCombo)
        return;
    std::vector<_zrkenumerate> copy = entries;
    m_pCombo->InitComboBox(int(copy.size()), copy.data());
}

void CEnumChoice::ShowValue(std::int64_t value) {
    const int index = EnumIndexOfValue(m_pValues, value);
    if (index >= 0 && index < int(m_labels.size())) {
        if (m_bUnknown)
            Fill(m_labels);
        m_bUnknown = false;
        if (m_pCombo)
            m_pCombo->SetSelect(index);
        return;
    }
    // The extra entry's command must differ from every entry's: it takes a value none has.
    std::vector<_zrkenumerate> entries = m_labels;
    _zrkenumerate extra{};
    for (const _zrkenumerate& entry : entries)
        extra.value = std::max(extra.value, entry.value + 1);
    std::strncpy(extra.text, UnknownValueText(value).c_str(), sizeof extra.text - 1);
    entries.push_back(extra);
    m_bUnknown = true;
    Fill(entries);
    if (m_pCombo)
        m_pCombo->SetSelect(int(entries.size()) - 1);
}

std::string CEnumChoice::ChosenText() const {
    if (!m_pCombo)
        return {};
    const int chosen = m_pCombo->GetSelect();
    return chosen < int(m_labels.size()) ? EnumTextAt(m_pValues, chosen) : std::string();
}

bool CEnumChoice::Owns(int controlId) const {
    return m_pCombo && m_pCombo->GetDlgCtrlID() == controlId;
}

void CEnumChoice::Raise() {
    if (m_pCombo)
        m_pCombo->RaiseComboBox();
}
