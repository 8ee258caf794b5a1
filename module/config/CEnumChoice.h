#pragma once
// A choice list for one enumerated object: entry i stands for enumeration entry i, under the
// enumeration's own text or a label of the list's own. Until a value is read the list shows
// nothing chosen (an empty extra entry), so a default is never taken for the switch's value. A
// value the enumeration does not name is shown as its number ("7 (unknown)") in an extra entry;
// while an extra entry is chosen nothing is written for the object, so a value the program does
// not know never becomes one it does.

#include "controls/KoCombo/ComboTypes.h"
#include "module/config/CObjectInput.h"
#include "snmp/NmOidTable.h"

#include <cstdint>
#include <string>
#include <vector>

class CCBCtrl;

class CEnumChoice : public CObjectInput {
public:
    // Fills the list with the enumeration's texts; nothing is chosen.
    void Attach(CCBCtrl* combo, const _NmEnumPair* values);
    // Fills the list with `labels`, entry i standing for enumeration entry i of `values`.
    void Attach(CCBCtrl* combo, std::vector<_zrkenumerate> labels, const _NmEnumPair* values);
    // Shows the entry that stands for `value`, or the value as a number of its own.
    void ShowValue(std::int64_t value);
    // Shows nothing chosen: no value was read.
    void ShowUnread();
    // The enumeration text of the chosen entry, what a set request writes; empty while an
    // extra entry (nothing read, an unknown value) is chosen.
    std::string ChosenText() const;

    void ShowRead(const std::string& text, const CSnmpVarBind& binding) override;
    bool IsEdited() const override;
    std::string ValueText() const override { return ChosenText(); }
    std::string ReadText() const override;
    int ControlId() const override;
    void Raise() override;

private:
    void Fill(const std::vector<_zrkenumerate>& entries);
    // Fills the list with its entries and one extra entry showing `text`, and chooses it.
    void ShowExtra(const std::string& text);
    int Selected() const;

    CCBCtrl* m_pCombo = nullptr;
    const _NmEnumPair* m_pValues = nullptr;
    std::vector<_zrkenumerate> m_labels;
    bool m_bRead = false;
    std::int64_t m_readValue = 0;
    int m_shownIndex = -1;
};

// The extra entry that shows a value outside the enumeration: "<value> (unknown)".
std::string UnknownValueText(std::int64_t value);
