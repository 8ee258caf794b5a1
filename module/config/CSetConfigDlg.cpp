#include "module/config/CSetConfigDlg.h"

#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "module/config/ConfigSupport.h"
#include "module/config/StatusTexts.h"
#include "module/slots/CDlgData.h"
#include "module/slots/PanelMessages.h"
#include "platform/ui/WindowDC.h"

namespace {

// The system colour of inactive window borders, the dialog's background.
constexpr int kInactiveBorderColour = 11;

COLORREF Inverse(COLORREF c) {
    return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}

DialogTemplate SetConfigTemplate() {
    DialogTemplate tpl;
    tpl.title = "Set Configuration";
    tpl.x = 30;
    tpl.y = 30;
    tpl.cx = 248;
    tpl.cy = 150;
    tpl.style = WS_CAPTION | WS_SYSMENU;
    tpl.items = {
        {CSetConfigDlg::kTabId, "SysTabControl32", 6, 6, 236, 118, WS_VISIBLE | WS_TABSTOP, ""},
        {CSetConfigDlg::kRefreshId, "FlatBtnCtrlClass", 52, 130, 50, 14, WS_VISIBLE | WS_TABSTOP,
         ""},
        {CSetConfigDlg::kApplyId, "FlatBtnCtrlClass", 146, 130, 50, 14, WS_VISIBLE | WS_TABSTOP,
         ""},
    };
    return tpl;
}

} // namespace

CSetConfigDlg::CSetConfigDlg(CWnd* mainWnd, CDlgData* record)
    : CModelessDialog(SetConfigTemplate(), mainWnd), m_pMainWnd(mainWnd),
      m_nKind(record ? record->m_nKind : 1) {
    CTabCtrl::Register();
    m_background = GetSysColor(kInactiveBorderColour);
    m_frameBrushes[0] = std::make_unique<CBrush>(RGB(0, 255, 255));
    m_frameBrushes[1] = std::make_unique<CBrush>(RGB(255, 255, 255));
    m_frameBrushes[2] = std::make_unique<CBrush>(Inverse(m_background));
}

CSetConfigDlg::~CSetConfigDlg() = default;

CWnd* CSetConfigDlg::CreateFor(CWnd* mainWnd, CDlgData* record) {
    return CModelessDialog::CreateFor<CSetConfigDlg, CDlgData>(mainWnd, record);
}

BOOL CSetConfigDlg::OnInitDialog() {
    if (auto* refresh = dynamic_cast<CFBCtrl*>(GetDlgItem(kRefreshId)))
        refresh->InitFlatButton("Refresh");
    if (auto* apply = dynamic_cast<CFBCtrl*>(GetDlgItem(kApplyId)))
        apply->InitFlatButton("Apply");
    if (CWnd* tab = GetDlgItem(kTabId)) {
        m_tabs.SubclassWindow(tab->m_hWnd);
        m_tabFont = std::make_unique<CFont>();
        m_tabFont->CreateFont(-11, "MS Sans Serif");
        m_tabs.SetFont(m_tabFont.get());
        for (int i = 0; i < kPages; ++i)
            m_tabs.InsertItem(i, ConfigPageTable()[std::size_t(i)].tab);
    }
    CreatePages();
    return TRUE;
}

void CSetConfigDlg::CreatePages() {
    CRect area;
    if (m_tabs.m_hWnd) {
        m_tabs.GetWindowRect(&area);
        ScreenToClient(&area);
        m_tabs.AdjustRect(FALSE, &area);
    }
    CSize base = GetDialogBaseUnits();
    area.OffsetRect(base.cx / 4, base.cy / 8);

    for (int i = 0; i < kPages; ++i)
        m_pages[std::size_t(i)] = std::make_unique<CConfigPage>(ConfigPageTable()[std::size_t(i)]);
    for (auto& page : m_pages) {
        if (!page->CreatePage(this, m_pMainWnd, m_nKind))
            continue;
        CRect own;
        page->GetWindowRect(&own);
        page->MoveWindow(area.left, area.top, own.Width(), own.Height());
        page->ShowWindow(SW_HIDE);
    }
    m_tabs.SetCurSel(0);
    ShowPage(0);
}

void CSetConfigDlg::ShowPage(int index) {
    if (index < 0 || index >= kPages)
        return;
    if (m_pages[std::size_t(m_nShown)] && m_pages[std::size_t(m_nShown)]->m_hWnd)
        m_pages[std::size_t(m_nShown)]->ShowWindow(SW_HIDE);
    m_nShown = index;
    if (m_pages[std::size_t(index)] && m_pages[std::size_t(index)]->m_hWnd)
        m_pages[std::size_t(index)]->ShowWindow(SW_SHOW);
}

void CSetConfigDlg::OnClick(UINT id) {
    if (id == kRefreshId) {
        for (auto& page : m_pages)
            page->Read();
    } else if (id == kApplyId) {
        Apply();
    }
}

void CSetConfigDlg::Apply() {
    std::string notRead;
    bool shownSent = false;
    for (int i = 0; i < kPages; ++i) {
        PageWrite outcome = m_pages[std::size_t(i)]->Write();
        if (outcome == PageWrite::NotRead)
            notRead +=
                std::string(notRead.empty() ? "" : ", ") + m_pages[std::size_t(i)]->Spec().name;
        if (outcome == PageWrite::Sent && i == m_nShown)
            shownSent = true;
    }
    // The operator sees one page: it tells which others kept their values unwritten.
    if (shownSent && !notRead.empty())
        m_pages[std::size_t(m_nShown)]->ShowStatusText(std::string(kSendSetRequestText) +
                                                       " Not read: " + notRead);
    PostToMain(m_pMainWnd, PANEL_REFRESH, m_nKind);
}

void CSetConfigDlg::RaiseButtons() {
    for (UINT id : {kRefreshId, kApplyId})
        if (auto* button = dynamic_cast<CFBCtrl*>(GetDlgItem(int(id))))
            button->RaiseButton();
}

void CSetConfigDlg::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_background);
    // Three nested one-pixel frames: cyan outside, white, then the background's inverse.
    for (auto& brush : m_frameBrushes) {
        dc.FrameRect(&client, brush.get());
        client = CRect(client.left + 1, client.top + 1, client.right - 1, client.bottom - 1);
    }
}

void CSetConfigDlg::OnCancel() {
    PostToMain(m_pMainWnd, PANEL_CHILD_CLOSED, m_nKind);
    DestroyWindow();
}

LRESULT CSetConfigDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case CTRL_CLICK_MSG:
        OnClick(UINT(lParam));
        return 0;
    case PANEL_REFRESH:
        // Its own Apply's refresh changes nothing here; another window's set does.
        if (lParam == PANEL_REFRESH_WRITTEN)
            for (auto& page : m_pages)
                page->Reread();
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->idFrom == kTabId && header->code == TCN_SELCHANGE)
            ShowPage(m_tabs.GetCurSel());
        return 0;
    }
    case WM_MOUSEMOVE:
        RaiseButtons();
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
