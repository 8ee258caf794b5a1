#pragma once
// A modeless child dialog of the main window, made by the dialog factory. It deletes itself
// when its window is destroyed, except while it is being created: the factory deletes a dialog
// whose creation failed.

#include "module/slots/CDlgData.h"
#include "platform/ui/CDialog.h"

class CModelessDialog : public CDialog {
public:
    using CDialog::CDialog;
    void PostNcDestroy() override;

protected:
    // The factory's function: a dialog `Dlg` for a record of kind `Record`, made and shown;
    // null when the record is of another kind or the window could not be made.
    template <typename Dlg, typename Record>
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record) {
        auto* own = dynamic_cast<Record*>(record);
        if (!own)
            return nullptr;
        auto* dlg = new Dlg(mainWnd, own);
        if (!dlg->CreateAndShow()) {
            delete dlg;
            return nullptr;
        }
        return dlg;
    }
    // Runs before the window is made.
    virtual void BeforeCreate() {}

private:
    bool CreateAndShow();

    bool m_bCreating = false;
};
