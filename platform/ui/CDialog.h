#pragma once
// Dialogs built from templates (DialogTemplate.h): every item is created by its class name at
// its dialog-unit rectangle, then WM_INITDIALOG runs OnInitDialog. DoModal runs the dialog
// until EndDialog; Create makes a modeless dialog that lives until it is destroyed.

#include "platform/ui/CWnd.h"
#include "platform/ui/DialogTemplate.h"

#include <memory>
#include <optional>

class QEventLoop;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    CDialog(const DialogTemplate& tpl, CWnd* parent);
    ~CDialog() override;

    // Modeless creation from the registered template `templateId` (0: the constructor's).
    BOOL Create(UINT templateId = 0, CWnd* parent = nullptr);
    BOOL CreateIndirect(const DialogTemplate& tpl, CWnd* parent = nullptr);
    // Runs the dialog modally; returns EndDialog's result, or -1 when it cannot be created.
    virtual INT_PTR DoModal();
    // Modal: ends DoModal with `result`. Modeless: destroys the window.
    void EndDialog(int result);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // WM_INITDIALOG → OnInitDialog; WM_COMMAND IDOK / IDCANCEL and WM_CLOSE → OnOK / OnCancel.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The button Enter presses wherever the focus is in the dialog (a focused button excepted);
    // 0: none, Enter then presses nothing.
    void SetDefID(UINT id) { m_defId = id; }

    // Converts a rectangle from this dialog's units to pixels.
    void MapDialogRect(LPRECT rect) const;
    CSize GetDialogBaseUnits() const { return m_baseUnits; }

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    std::optional<DialogTemplate> m_template;
    CSize m_baseUnits;
    std::unique_ptr<CFont> m_font;
    UINT m_defId = 0;
    bool m_modal = false;
    bool m_ended = false;
    int m_result = IDCANCEL;
    QEventLoop* m_loop = nullptr;
};
