#pragma once
// A choice list for one enumerated object: entry i stands for enumeration entry i, under the
// enumeration's own text or a label of the list's own. A value the enumeration does not name is
// shown as its number ("7 (unknown)") in an extra entry; while that entry is chosen nothing is
// written for the object, so a value the program does not know never becomes one it does.

#include "controls/KoCombo/ComboTypes.h"
#include "snmp/NmOidTable.h"

#include <cstdint>
#include <string>
#include <vector>

class CCBCtrl;

class CEnumChoice {
public:
    // Fills the list with the enumeration's texts; the first entry is chosen.
    void Attach(CCBCtrl* combo, const _NmEnumPair* values);
    // Fills the list with `labels`, entry i standing for enumeration entry i of `values`.
    void Attach(CCBCtrl* combo, std::vector<_zrkenumerate> labels, const _NmEnumPair* values);
    // Shows the entry that stands for `value`, or the value as a number of its own.
    void ShowValue(std::int64_t value);
    // The enumeration text of the chosen entry, what a set request writes; empty while the
    // number of an unknown value is chosen.
    std::string ChosenText() const;
    bool ShowsUnknown() const { return m_bUnknown; }
    bool Owns(int controlId) const;
    void Raise();

private:
    void Fill(const std::vector<_zrkenumerate>& entries);

    CCBCtrl* m_pCombo = nullptr;
    const _NmEnumPair* m_pValues = nullptr;
    std::vector<_zrkenumerate> m_labels;
    bool m_bUnknown = false;
};

// The extra entry that shows a value outside the enumeration: "<value> (unknown)".
std::string UnknownValueText(std::int64_t value);
