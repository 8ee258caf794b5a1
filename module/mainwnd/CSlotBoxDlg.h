#pragma once
// A box the main window opens in a slot of its own that has no record (the About box, the
// manual): modeless, closed by its one button, Esc or the close box, and then telling the main
// window that its slot is free.

#include "platform/ui/CDialog.h"

class CSlotBoxDlg : public CDialog {
public:
    CSlotBoxDlg(const DialogTemplate& tpl, CWnd* mainWnd, int slot, UINT closeButtonId);

    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

protected:
    // Makes and shows `box`; null, with `box` deleted, when its window cannot be made.
    static CWnd* Show(CSlotBoxDlg* box);
    // The main window the box belongs to.
    CWnd* MainWnd() const { return m_pMainWnd; }

private:
    CWnd* m_pMainWnd;
    int m_nSlot;
    UINT m_nCloseButtonId;
};
