#include "module/dialogbase/CModelessDialog.h"

bool CModelessDialog::CreateAndShow() {
    BeforeCreate();
    m_bCreating = true;
    const bool created = Create() && m_hWnd;
    m_bCreating = false;
    if (!created)
        return false;
    ShowWindow(SW_SHOW);
    return true;
}

void CModelessDialog::PostNcDestroy() {
    if (!m_bCreating)
        delete this;
}
