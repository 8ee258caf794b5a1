#pragma once
// A text field showing an object's value. A value read is shown as the display reads its
// octets (control characters marked) and in full, however long: the field's limit is for what
// the operator types. An unedited field writes back exactly the octets read.

#include "module/config/CObjectInput.h"
#include "module/config/ShownText.h"

class CTextEditControl;

class CTextInput : public CObjectInput {
public:
    // Sets the field up (font, kTypedTextLimit) and shows `start` (a new row's placeholder or a
    // key; nothing read yet).
    explicit CTextInput(CTextEditControl* field, const std::string& start = {});

    void ShowRead(const std::string& text, const CSnmpVarBind& binding) override;
    bool IsEdited() const override;
    std::string ValueText() const override;
    std::string ReadText() const override { return m_shown.Read(); }
    int ControlId() const override;
    std::size_t ShownLength() const override;

private:
    CTextEditControl* m_pField;
    std::string m_start;
    CShownText m_shown;
};
