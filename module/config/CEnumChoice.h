#pragma once
// A choice list that shows the enumeration of one object: entry i is enumeration entry i. A
// value the enumeration does not name leaves the list without a valid choice until the operator
// picks one; what is then written is no value at all rather than a stale one.

#include "snmp/NmOidTable.h"

#include <string>

class CCBCtrl;

class CEnumChoice {
public:
    // Fills the list with the enumeration's texts; the first entry is chosen.
    void Attach(CCBCtrl* combo, const _NmEnumPair* list);
    // Shows the entry whose text is `text` exactly (case counts); none when no entry has it.
    void ShowText(const std::string& text);
    // The operator chose from the list.
    void Picked();
    // The chosen entry's text, empty without a valid choice.
    std::string ChosenText() const;
    int Chosen() const { return m_index; }
    bool Owns(int controlId) const;
    void Raise();

private:
    CCBCtrl* m_pCombo = nullptr;
    const _NmEnumPair* m_pList = nullptr;
    int m_index = 0;
};
