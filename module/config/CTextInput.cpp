#include "module/config/CTextInput.h"

#include "controls/KoTextEdit/CTextEditControl.h"
#include "module/config/ConfigSupport.h"
#include "module/config/StatusTexts.h"
#include "module/config/Utf8Text.h"
#include "platform/ui/OctetText.h"

CTextInput::CTextInput(CTextEditControl* field, const std::string& start)
    : m_pField(field), m_start(start) {
    InitField(m_pField);
    if (m_pField && !start.empty())
        m_pField->SetText(start.c_str());
}

void CTextInput::ShowRead(const std::string& text, const CSnmpVarBind&) {
    if (!m_pField)
        return;
    // The limit holds what is typed; a value the switch holds is shown whole.
    m_pField->LimitText(0);
    m_pField->SetText(ShowableText(text).c_str());
    m_pField->LimitText(kTypedTextLimit);
    m_shown.Remember(text, FieldText(m_pField));
}

bool CTextInput::IsEdited() const {
    const std::string now = FieldText(m_pField);
    return m_shown.IsValid() ? m_shown.IsEdited(now) : now != m_start;
}

std::string CTextInput::ValueText() const {
    return m_shown.OctetsFor(FieldText(m_pField));
}

int CTextInput::ControlId() const {
    return m_pField ? m_pField->GetDlgCtrlID() : 0;
}

std::size_t CTextInput::ShownLength() const {
    return CodePointCount(FieldText(m_pField));
}
