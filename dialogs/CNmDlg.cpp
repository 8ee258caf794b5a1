#include "dialogs/CNmDlg.h"

#include "dialogs/NmDlgLayoutRules.h"
#include "dialogs/NmDlgRegistry.h"
#include "dialogs/NmDlgResources.h"

CNmDlg::CNmDlg(UINT templateId, CWnd* parent, std::string key)
    : CDialog(templateId, parent), m_strKey(std::move(key)) {
    NmDialogRegisterResources();
    for (int i = 0; i < 5; ++i) {
        m_nButtonFunc[i] = -1;
        m_pfnButton[i] = nullptr;
    }
    NmDlgRegistry::Add(this);
}

CNmDlg::~CNmDlg() {
    NmDlgRegistry::Remove(this);
}

bool CNmDlg::ButtonFunction(int code, const char** caption, ButtonHandler* handler) {
    struct Entry {
        int code;
        const char* caption;
        ButtonHandler handler;
    };
    static const Entry table[] = {
        {kRefresh, "&Refresh", &CNmDlg::Refresh}, {kSet, "&Set", &CNmDlg::Set},
        {kMore, "&More", &CNmDlg::More},          {kDelete, "&Delete", &CNmDlg::Delete},
        {kApply, "&Apply", &CNmDlg::Apply},       {kClose, "&Close", &CNmDlg::OnCancel},
    };
    for (const Entry& e : table)
        if (e.code == code) {
            *caption = e.caption;
            *handler = e.handler;
            return true;
        }
    return false;
}

void CNmDlg::ButtonProcess(int index) {
    if (index < 0 || index >= 5 || !m_pfnButton[index])
        return;
    (this->*m_pfnButton[index])();
}

void CNmDlg::MoveControl(CWnd* child, int dx, int dy, int dw, int dh, BOOL repaint) {
    if (!child)
        return;
    CRect r;
    child->GetWindowRect(&r);
    ScreenToClient(&r);
    child->MoveWindow(r.left + dx, r.top + dy, r.Width() + dw, r.Height() + dh, repaint);
}

BOOL CNmDlg::UpdateData(BOOL saveAndValidate) {
    DoDataExchange(saveAndValidate != 0);
    return TRUE;
}

bool CNmDlg::TakeSizeChange(CSize& change) {
    if (!IsWindowVisible())
        return false;
    CRect r;
    GetWindowRect(&r);
    ResizeStep step = DecideResize(CSize(r.Width(), r.Height()), CSize(m_nMinWidth, m_nMinHeight),
                                   CSize(m_nLastWidth, m_nLastHeight));
    if (step.snapBack) {
        MoveWindow(r.left, r.top, step.snapSize.cx, step.snapSize.cy);
        return false;
    }
    change = step.change;
    m_nLastWidth = r.Width();
    m_nLastHeight = r.Height();
    return true;
}

void CNmDlg::PostNcDestroy() {
    delete this;
}
