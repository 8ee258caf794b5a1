#pragma once
// The base of every generic MIB window: a modeless dialog with a key (its title), five side
// buttons bound to a small set of functions, a resize rule that never makes the window smaller
// than it first was, and membership in the library's registry of open dialogs. Every CNmDlg is
// made with new and deletes itself when its window goes.

#include "dialogs/NmDialogApi.h"
#include "platform/ui/CDialog.h"

#include <string>

class NMDIALOG_API CNmDlg : public CDialog {
public:
    using ButtonHandler = void (CNmDlg::*)();

    // Prepares the dialog object (not its window) and registers it.
    CNmDlg(UINT templateId, CWnd* parent, std::string key);
    ~CNmDlg() override;

    std::string m_strKey;
    int m_nMinWidth = 0;
    int m_nMinHeight = 0;
    int m_nLastWidth = 0;
    int m_nLastHeight = 0;
    int m_nButtonFunc[5];
    ButtonHandler m_pfnButton[5];

    virtual void Refresh() {}
    virtual void Set() {}
    virtual void More() {}
    virtual void Delete() {}
    virtual void Apply() {}
    virtual void Print() {}
    virtual void Close() {}
    virtual void Cancel() {}
    // Runs the handler of side button 0–4; other indexes and buttons without one do nothing.
    virtual void ButtonProcess(int index);
    virtual BOOL OnInitDialogEx() { return TRUE; }
    // Called after the layout moved its controls, with the width and height changes.
    virtual void Resize(CSize change) { (void)change; }

    // Moves a child by the offsets (in this dialog's client coordinates) and grows it.
    void MoveControl(CWnd* child, int dx, int dy, int dw, int dh, BOOL repaint);

    // Copies the fields to the controls (save false) or back (save true).
    virtual void DoDataExchange(bool saveAndValidate) { (void)saveAndValidate; }
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // The side button function codes.
    static constexpr int kRefresh = 1;
    static constexpr int kSet = 2;
    static constexpr int kMore = 3;
    static constexpr int kDelete = 4;
    static constexpr int kApply = 5;
    static constexpr int kClose = 8;
    // The caption and handler of a function code; false for codes without them.
    static bool ButtonFunction(int code, const char** caption, ButtonHandler* handler);

protected:
    // The resize rule: false when the window is hidden or was snapped back to its minimum;
    // otherwise `change` holds the changes since the last pass, which becomes this size.
    bool TakeSizeChange(CSize& change);
    // Unregisters and deletes the dialog.
    void PostNcDestroy() override;
};

// The first registered dialog whose key is exactly `key`, or null.
NMDIALOG_API CNmDlg* nmdlgFind(const std::string& key);
// Cascades the registered dialogs from the main window's top-left corner: dialog n goes to
// (20·n, 40 + 22·n) from it, keeping its size. Without a main window dialog n goes to
// (20 + 20·n, 40 + 22·n) from the desktop work area's corner, and the cascade starts again
// rather than leave the area.
NMDIALOG_API void nmdlgArrange();
// Destroys every registered dialog's window (each then leaves the registry and deletes itself).
NMDIALOG_API void nmdlgCloseAll();
