#include "module/mainwnd/CModuleMainDlg.h"

#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoMenu/CKoMCtrl.h"
#include "module/events/EventKind.h"
#include "module/mainwnd/AgentStatusText.h"
#include "module/mainwnd/ControlRegistration.h"
#include "module/mainwnd/DialogFactory.h"
#include "module/panel/CPanelWnd.h"
#include "module/res/PanelResources.h"
#include "platform/ui/Prompt.h"
#include "platform/ui/WindowDC.h"

#include <cstdio>
#include <new>

namespace {

std::string Format(const char* pattern, int n) {
    char text[128];
    std::snprintf(text, sizeof text, pattern, n);
    return text;
}

constexpr const char* kAboutMenuText = "&About Taurel..."; // string 101

} // namespace

CModuleMainDlg::CModuleMainDlg(const ModuleIdentity& identity, CWnd* parent)
    : CDialog(kTemplateId, parent), m_identity(identity) {
    RegisterTemplate();
    RegisterPanelResources();
    m_hIcon = LoadIcon(kIconId);
    RegisterModuleControls();
    BuildSlotRecords(m_DlgData, m_identity);
}

CModuleMainDlg::~CModuleMainDlg() {
    SetEventFeed(nullptr);
    for (CWnd* wnd : m_windowList)
        delete wnd;
    m_windowList.clear();
    m_pPanel = nullptr;
    DestroyWindow();
}

BOOL CModuleMainDlg::OnInitDialog() {
    // Linux window managers own the system menu: the About item is offered from a context
    // menu on the button-menu bar instead (OnContextMenu).
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_pButtonMenu = dynamic_cast<CKoMCtrl*>(GetDlgItem(kButtonMenuId));
    m_menu.Build();
    if (m_pButtonMenu)
        m_pButtonMenu->InitKoMenu(CMainMenu::kEntries, m_menu.Entries());

    CRect outer;
    GetWindowRect(&outer);
    MoveWindow(outer.left, outer.top, kClientWidth, kClientHeight, FALSE);
    BringWindowToTop();
    if (m_pButtonMenu)
        m_pButtonMenu->MoveWindow(0, 0, kClientWidth, kMenuHeight);
    m_pStatusLine = dynamic_cast<CDlgMsgControl*>(GetDlgItem(kStatusLineId));
    if (m_pStatusLine) {
        m_pStatusLine->MoveWindow(0, kMenuHeight + kPanelHeight, kClientWidth, kStatusHeight);
        m_pStatusLine->InitDlgMsg();
    }

    // Children open beside or below the main window; where the screen has no room for them
    // there, below the button menu, so they never cover its menus.
    SetChildCascade(CPoint(0, kMenuHeight));

    m_pPanel =
        new CPanelWnd(0, kMenuHeight, kClientWidth, kPanelHeight, this, m_identity.agentAddress,
                      m_identity.readCommunity, m_identity.writeCommunity);
    CRect panelRect = m_pPanel->GetPanelRect();
    m_pPanel->MoveWindow(&panelRect);
    m_windowList.push_back(m_pPanel);

    SetWindowText(ModuleWindowTitle(m_identity).c_str());
    return TRUE;
}

void CModuleMainDlg::CloseChildDialogs() {
    for (int slot = 0; slot < PANEL_CHILD_DIALOG_NUMBER; ++slot) {
        HWND child = m_hChildWnd[slot];
        m_pChildDlg[slot] = nullptr;
        m_hChildWnd[slot] = 0;
        if (child && ::IsWindow(child))
            ::SendMessage(child, WM_CLOSE, 0, 0);
    }
}

void CModuleMainDlg::OnCancel() {
    if (auto hook = std::move(m_beforeClose))
        hook();
    CloseChildDialogs();
    EndDialog(IDCANCEL);
}

CDlgData* CModuleMainDlg::GetRecord(int slot) const {
    return slot >= 0 && slot < PANEL_CHILD_DIALOG_NUMBER ? m_DlgData[slot].get() : nullptr;
}

CWnd* CModuleMainDlg::GetChildDialog(int slot) const {
    if (slot < 0 || slot >= PANEL_CHILD_DIALOG_NUMBER || !m_pChildDlg[slot])
        return nullptr;
    return ::IsWindow(m_hChildWnd[slot]) ? CWnd::FromHandle(m_hChildWnd[slot]) : nullptr;
}

std::vector<int> CModuleMainDlg::OpenSlots() const {
    std::vector<int> open;
    for (int slot = 0; slot < PANEL_CHILD_DIALOG_NUMBER; ++slot)
        if (GetChildDialog(slot))
            open.push_back(slot);
    return open;
}

void CModuleMainDlg::OpenSlot(int n, const CDlgData* keys) {
    if (n < 0 || n >= PANEL_CHILD_DIALOG_NUMBER) {
        AfxMessageBox(
            Format("Error PANEL_MSG:\nWPARAM: %d>= PANEL_CHILD_DIALOG_NUMBER", n).c_str());
        return;
    }
    if (n == Slot::kEvents && m_nUnseenEvents) {
        m_nUnseenEvents = 0; // the window shows them all
        m_menu.ShowUnseenEvents(0);
    }
    if (CWnd* open = GetChildDialog(n)) {
        // Asked for again, the open window comes to the front where the operator can see it.
        open->ShowWindow(SW_SHOW);
        open->SetForegroundWindow();
        return;
    }
    if (!m_DlgData[n] && n != Slot::kAbout && n != Slot::kHelp) {
        AfxMessageBox(Format("There has no Dialog Data in m_DlgData[%d]", n).c_str());
        return;
    }
    m_pChildDlg[n] = nullptr;
    m_hChildWnd[n] = 0;
    CDlgData* record = m_DlgData[n].get();
    if (record)
        TakeOpenerKeys(n, *record, keys);
    const SlotDialogRow* row = FindSlotDialog(n);
    if (!row)
        return; // no dialog is built for this slot
    CWnd* dialog = nullptr;
    try {
        dialog = row->create(this, record);
    } catch (const std::bad_alloc&) {
        dialog = nullptr; // the slot stays empty
    }
    m_pChildDlg[n] = dialog;
    if (dialog && dialog->m_hWnd)
        m_hChildWnd[n] = dialog->m_hWnd;
}

void CModuleMainDlg::SetEventFeed(CEventFeed* feed) {
    if (m_pEvents && m_nEventSubscription)
        m_pEvents->Unsubscribe(m_nEventSubscription);
    m_pEvents = feed;
    m_nEventSubscription = feed ? feed->Subscribe([this](const std::vector<EventEntry>& fresh) {
        OnFreshEvents(fresh);
    })
                                : 0;
}

void CModuleMainDlg::OnFreshEvents(const std::vector<EventEntry>& fresh) {
    bool panelChanged = false;
    for (const EventEntry& event : fresh)
        panelChanged = panelChanged || EventChangesPanel(event.genericTrap);
    if (panelChanged && m_pPanel)
        m_pPanel->PollNow();
    if (GetChildDialog(Slot::kEvents))
        return; // shown as they come
    m_nUnseenEvents += int(fresh.size());
    m_menu.ShowUnseenEvents(m_nUnseenEvents);
}

LPARAM CModuleMainDlg::StoreKeys(const CDlgData& keys) {
    LPARAM ticket = ++m_nextTicket;
    CDlgData copy;
    copy.CopyKeys(keys);
    m_pendingKeys.emplace(ticket, copy);
    return ticket;
}

void CModuleMainDlg::OnChildClosed(int n) {
    if (n < 0 || n >= PANEL_CHILD_DIALOG_NUMBER) {
        AfxMessageBox(Format("Error PANEL_MSG:\nWPARAM: %d\n", n).c_str());
        return;
    }
    // Only the handle is used: the dialog object may already have destroyed itself.
    if (m_hChildWnd[n] && ::IsWindow(m_hChildWnd[n]))
        ::PostMessage(m_hChildWnd[n], WM_CLOSE, 0, 0);
    m_pChildDlg[n] = nullptr;
    m_hChildWnd[n] = 0;
}

void CModuleMainDlg::OnRefresh(int n, LPARAM why) {
    if (n >= 0 && n < PANEL_CHILD_DIALOG_NUMBER && m_hChildWnd[n] && ::IsWindow(m_hChildWnd[n]))
        ::PostMessage(m_hChildWnd[n], PANEL_REFRESH, 0, why);
}

void CModuleMainDlg::OnAgentState(WPARAM state) {
    if (m_pStatusLine)
        m_pStatusLine->SetText(AgentStatusText(state, m_identity.agentAddress).c_str());
    if (!m_pButtonMenu)
        return;
    m_pButtonMenu->SetActive(state == 0);
    m_pButtonMenu->RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

std::string CModuleMainDlg::GetStatusText() const {
    return m_pStatusLine ? m_pStatusLine->GetText() : "";
}

void CModuleMainDlg::OnContextMenu(HWND source, CPoint screen) {
    if (m_pButtonMenu && source == m_pButtonMenu->m_hWnd) {
        POINT client = screen;
        m_pButtonMenu->ScreenToClient(&client);
        if (m_pButtonMenu->HitTest(CPoint(client.x, client.y)) >= 0)
            return; // the buttons open their own menus
    } else if (source != m_hWnd) {
        return;
    }
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, MenuCmd::kSystemAbout, kAboutMenuText);
    UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD, screen.x, screen.y, this);
    if (chosen)
        SendMessage(WM_SYSCOMMAND, chosen, 0);
}

void CModuleMainDlg::OnPaint() {
    CPaintDC dc(this);
    if (IsIconic()) {
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
        const QImage& icon = IconImage(m_hIcon);
        DrawIcon(dc, (client.Width() - icon.width() + 1) / 2,
                 (client.Height() - icon.height() + 1) / 2, m_hIcon);
        return;
    }
    for (CWnd* wnd : m_windowList) {
        auto* panel = dynamic_cast<CPanelWnd*>(wnd);
        if (!panel || !panel->m_hWnd)
            continue;
        CDC* panelDc = panel->GetDC();
        panel->Draw(*panelDc);
        panel->ReleaseDC(panelDc);
    }
}

LRESULT CModuleMainDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case PANEL_MSG: {
        auto pending = m_pendingKeys.find(lParam);
        if (lParam && pending != m_pendingKeys.end()) {
            CDlgData keys = pending->second;
            m_pendingKeys.erase(pending);
            OpenSlot(int(wParam), &keys);
        } else {
            OpenSlot(int(wParam), nullptr);
        }
        return 0;
    }
    case PANEL_CHILD_CLOSED:
        OnChildClosed(int(wParam));
        return 0;
    case PANEL_REFRESH:
        OnRefresh(int(wParam), lParam);
        return 0;
    case PANEL_PORT_SELECTED:
        m_menu.EnablePortStatistics(std::intptr_t(wParam) != -1);
        return 0;
    case PANEL_OPEN_PORT: {
        int port = int(std::intptr_t(wParam));
        OpenSlot(port < 0 ? Slot::kDeviceInformation : SlotBase::kPortInformation + 1 + port);
        return 0;
    }
    case PANEL_AGENT_STATE:
        OnAgentState(wParam);
        return 0;
    case WM_COMMAND: {
        UINT command = LOWORD(wParam);
        // Esc, meant for a dialog, never ends the program: the close box does.
        if (command == IDCANCEL && lParam == 0)
            return 0;
        if (command == IDOK || command == IDCANCEL)
            break;
        int slot = SlotOfCommand(command, m_pPanel ? m_pPanel->GetSelectedPort() : -1);
        if (slot >= 0)
            OpenSlot(slot);
        return 0;
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == MenuCmd::kSystemAbout) {
            OpenSlot(Slot::kAbout);
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        OnContextMenu(HWND(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        return 0;
    case WM_QUERYDRAGICON:
        return LRESULT(m_hIcon);
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
