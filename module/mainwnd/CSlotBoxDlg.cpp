#include "module/mainwnd/CSlotBoxDlg.h"

#include "controls/common/ControlMessages.h"
#include "module/slots/PanelMessages.h"

CSlotBoxDlg::CSlotBoxDlg(const DialogTemplate& tpl, CWnd* mainWnd, int slot, UINT closeButtonId)
    : CDialog(tpl, mainWnd), m_pMainWnd(mainWnd), m_nSlot(slot), m_nCloseButtonId(closeButtonId) {}

CWnd* CSlotBoxDlg::Show(CSlotBoxDlg* box) {
    if (!box->Create()) {
        delete box;
        return nullptr;
    }
    box->ShowWindow(SW_SHOW);
    return box;
}

void CSlotBoxDlg::OnCancel() {
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->PostMessage(PANEL_CHILD_CLOSED, WPARAM(m_nSlot), 0);
    DestroyWindow();
}

LRESULT CSlotBoxDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CTRL_CLICK_MSG && UINT(lParam) == m_nCloseButtonId) {
        OnCancel();
        return 0;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
