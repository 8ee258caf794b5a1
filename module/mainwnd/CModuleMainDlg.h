#pragma once
// The main module window (template 102): the button menu over the front panel, and the 320
// child-dialog slots with their records. Every request to open a window arrives here as
// PANEL_MSG; a slot holds at most one open dialog.

#include "module/events/CEventFeed.h"
#include "module/identity/ModuleIdentity.h"
#include "module/mainwnd/MainMenu.h"
#include "module/slots/SlotOpening.h"
#include "module/slots/SlotRecords.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/Icons.h"

#include <array>
#include <functional>
#include <map>
#include <vector>

class CDlgMsgControl;
class CKoMCtrl;
class CPanelWnd;

class CModuleMainDlg : public CDialog, public CSlotKeyStore, public CEventFeedSource {
public:
    static constexpr UINT kTemplateId = 102;
    static constexpr UINT kButtonMenuId = 1000;
    static constexpr UINT kStatusLineId = 1001;
    static constexpr UINT kIconId = 128;
    static constexpr int kClientWidth = 495;
    static constexpr int kMenuHeight = 50;
    static constexpr int kPanelHeight = 144;
    // Below the panel: whether the switch answers, in words.
    static constexpr int kStatusHeight = 18;
    static constexpr int kClientHeight = kMenuHeight + kPanelHeight + kStatusHeight;

    explicit CModuleMainDlg(const ModuleIdentity& identity, CWnd* parent = nullptr);
    ~CModuleMainDlg() override;

    // Registers the main window's template (done by the constructor too).
    static void RegisterTemplate();

    BOOL OnInitDialog() override;
    void OnOK() override {}
    // Closing the main window closes every child dialog first.
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The PANEL_MSG handling for slot n; `keys` (may be null) gives slot 6 its entry.
    void OpenSlot(int slot, const CDlgData* keys = nullptr);
    // Sends WM_CLOSE to every open child dialog.
    void CloseChildDialogs();

    CDlgData* GetRecord(int slot) const;
    // The open dialog of a slot whose window still exists, or null.
    CWnd* GetChildDialog(int slot) const;
    std::vector<int> OpenSlots() const;
    CPanelWnd* GetPanel() const { return m_pPanel; }
    CKoMCtrl* GetButtonMenu() const { return m_pButtonMenu; }
    HMENU GetMenuPopup(int entry) const { return m_menu.Popup(entry); }
    const ModuleIdentity& GetIdentity() const { return m_identity; }
    // The switch's events: the panel asks at once after a link change or a restart, and the
    // Events item counts what came while the events window was not open. The feed outlives
    // the window.
    void SetEventFeed(CEventFeed* feed);
    CEventFeed* EventFeed() const override { return m_pEvents; }
    int UnseenEvents() const { return m_nUnseenEvents; }
    // Runs first when the main window closes (the program saves its screenshots there).
    void SetBeforeClose(std::function<void()> hook) { m_beforeClose = std::move(hook); }
    // What the status line says: empty while the switch answers.
    std::string GetStatusText() const;
    // The program's manual, shown by Help > Help; the program gives it (its usage text).
    void SetManualText(std::string text) { m_manualText = std::move(text); }
    const std::string& GetManualText() const { return m_manualText; }

private:
    void OnChildClosed(int slot);
    // Has the slot's open dialog re-read; `why` (PANEL_REFRESH's LPARAM) goes with it.
    void OnRefresh(int slot, LPARAM why);
    void OnAgentState(WPARAM state);
    void OnContextMenu(HWND source, CPoint screenPoint);
    void OnPaint();
    void OnFreshEvents(const std::vector<EventEntry>& fresh);
    LPARAM StoreKeys(const CDlgData& keys) override;
    void DropKeys(LPARAM ticket) override { m_pendingKeys.erase(ticket); }

    ModuleIdentity m_identity;
    std::array<CWnd*, PANEL_CHILD_DIALOG_NUMBER> m_pChildDlg{};
    std::array<HWND, PANEL_CHILD_DIALOG_NUMBER> m_hChildWnd{};
    SlotRecordTable m_DlgData;
    CMainMenu m_menu;
    CKoMCtrl* m_pButtonMenu = nullptr;
    CDlgMsgControl* m_pStatusLine = nullptr;
    std::string m_manualText;
    // Windows the main window draws; the panel is the first.
    std::vector<CWnd*> m_windowList;
    CPanelWnd* m_pPanel = nullptr;
    HICON m_hIcon = 0;
    // Key records travelling with posted PANEL_MSG messages, by ticket.
    std::map<LPARAM, CDlgData> m_pendingKeys;
    LPARAM m_nextTicket = 0;
    std::function<void()> m_beforeClose;
    CEventFeed* m_pEvents = nullptr;
    int m_nEventSubscription = 0;
    int m_nUnseenEvents = 0;
};
