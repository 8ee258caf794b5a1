#include "module/config/ShownText.h"

void CShownText::Remember(std::string read, std::string shown) {
    m_read = std::move(read);
    m_shown = std::move(shown);
    m_bValid = true;
}

void CShownText::Forget() {
    m_bValid = false;
    m_read.clear();
    m_shown.clear();
}

std::string CShownText::OctetsFor(const std::string& fieldText) const {
    return m_bValid && fieldText == m_shown ? m_read : fieldText;
}
