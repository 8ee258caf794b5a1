#pragma once
// One page of Set Configuration, built from its row of the page table (ConfigPages): a
// frameless child dialog with its status line, its inputs and one request object for its
// scalar objects (instance ".0"), read and written through a CRowEditor. Read sends a get,
// Write re-reads and then sets; a page never has two requests out and shows every outcome on
// its status line. A page writes only what it read: until a get since it opened (or since the
// last Refresh) came back without error, Write sends nothing, since the inputs would hold
// blanks, not the switch's values. Typed values are checked before anything is sent.

#include "module/config/CRowEditor.h"
#include "module/config/ConfigPages.h"
#include "platform/ui/CDialog.h"

#include <string>

class CConfigPage : public CDialog {
public:
    explicit CConfigPage(const ConfigPage& page);
    ~CConfigPage() override;

    // Creates the page inside `parent` (hidden); it reads its objects at once. `mainWnd` is told
    // which slots to refresh after a set; `slot` is the dialog's own.
    BOOL CreatePage(CWnd* parent, CWnd* mainWnd = nullptr, int slot = -1);
    void Read() { m_editor.Read(); }
    // A set elsewhere wrote objects the page shows.
    void Reread() { m_editor.Reread(); }
    PageWrite Write() { return m_editor.Write(); }
    void ShowStatusText(const std::string& text) { m_editor.ShowStatusText(text); }
    bool IsWaiting() const { return m_editor.IsWaiting(); }
    bool IsLoaded() const { return m_editor.IsLoaded(); }
    CSnmpClass* Request() const { return m_editor.Request(); }
    const ConfigPage& Spec() const { return m_page; }

    BOOL OnInitDialog() override;
    // A page is closed with its dialog.
    void OnCancel() override {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnReply(std::uint16_t code, CSnmpMsg* msg) { m_editor.OnReply(code, msg); }

private:
    const ConfigPage& m_page;
    CRowEditor m_editor;
    CWnd* m_pMainWnd = nullptr;
    int m_nSlot = -1;
};
