#include "module/events/CEventsDlg.h"

#include "controls/BannerCtl/CMsgControl.h"
#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/GridCtl/CTableControl.h"
#include "controls/KoSample/CSampMsgControl.h"
#include "controls/LogListCtl/CLMsgControl.h"
#include "controls/common/ControlMessages.h"
#include "controls/common/FixedText.h"
#include "module/dialogbase/GridContextMenu.h"
#include "module/events/CEventFeed.h"
#include "module/events/EventSources.h"
#include "module/slots/PanelMessages.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/WindowDC.h"

namespace {

constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kFontPoints = 8;
// Room for a cell's text beside the grid's lines.
constexpr int kCellPadding = 12;

void SetCell(CTableControl& grid, int row, int column, const std::string& text) {
    _DATAOBJ cell{};
    CopyFixedText(cell.text, text.c_str());
    grid.SetItemString(row, column, &cell);
}

} // namespace

void CEventsDlg::RegisterTemplate() {
    if (FindDialogTemplate(kTemplateId))
        return;
    // The table windows' frame, wider: an event's bindings are a long line.
    DialogTemplate tpl;
    tpl.title = "Events";
    tpl.x = 20;
    tpl.y = 20;
    tpl.cx = 420;
    tpl.cy = 241;
    tpl.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
    tpl.fontFace = kFontFace;
    tpl.fontPoints = kFontPoints;
    tpl.items = {
        {kGridId, "GridCtlClass", 7, 38, 347, 155, WS_VISIBLE | WS_TABSTOP, ""},
        {kBannerId, "MsgCtrlClass", 7, 7, 347, 30, WS_VISIBLE, ""},
        {kLogId, "LogListCtlClass", 7, 194, 347, 40, WS_VISIBLE, ""},
        {kCounterId, "SampMsgCtrlClass", 359, 7, 40, 22, WS_VISIBLE, ""},
    };
    CFlatButtonColumn::AddToTemplate(tpl, {38, 60, 82, 104, 125, 146, 167}, 368);
    RegisterDialogTemplate(kTemplateId, tpl);
}

CEventsDlg::CEventsDlg(CWnd* mainWnd, CTableDlgData* record)
    : CModelessDialog(kTemplateId, mainWnd), m_pRecord(record), m_pMainWnd(mainWnd) {
    RegisterTemplate();
    m_font.CreateFont(-((kFontPoints * 96 + 36) / 72), kFontFace);
    if (auto* source = dynamic_cast<CEventFeedSource*>(mainWnd))
        m_pFeed = source->EventFeed();
}

CEventsDlg::~CEventsDlg() {
    if (m_pFeed && m_nSubscription)
        m_pFeed->Unsubscribe(m_nSubscription);
}

CWnd* CEventsDlg::CreateFor(CWnd* mainWnd, CDlgData* record) {
    return CModelessDialog::CreateFor<CEventsDlg, CTableDlgData>(mainWnd, record);
}

void CEventsDlg::BeforeCreate() {
    CopyFixedText(m_pRecord->m_szHeaderValue[1], CTimeText(Clock::now()).c_str());
}

BOOL CEventsDlg::OnInitDialog() {
    SetWindowText(m_pRecord->m_strTitle.c_str());
    m_pBanner = dynamic_cast<CMsgControl*>(GetDlgItem(kBannerId));
    m_pGrid = dynamic_cast<CTableControl*>(GetDlgItem(kGridId));
    m_pLog = dynamic_cast<CLMsgControl*>(GetDlgItem(kLogId));
    m_pCounter = dynamic_cast<CSampMsgControl*>(GetDlgItem(kCounterId));
    if (!m_pBanner || !m_pGrid || !m_pLog || !m_pCounter)
        return FALSE;
    m_pBanner->InitMsg(m_pRecord->m_szHeaderLabel, m_pRecord->m_szHeaderValue);
    InitGrid();
    m_pLog->InitMsg();
    char caption[80];
    CopyFixedText(caption, "#Events");
    m_pCounter->InitSampMsg(2, caption);
    m_buttons.Init(this, m_pRecord->m_buttons);
    if (m_pFeed) {
        for (const std::string& line : m_pFeed->SourceLines())
            m_pLog->AppendData(line.c_str());
        m_nSubscription = m_pFeed->Subscribe([this](const auto&) { OnFreshEvents(); });
    } else {
        m_pLog->AppendData(NoEventSourceText().c_str());
    }
    ShowEvents();
    return TRUE;
}

int CEventsDlg::TextWidth(const char* text) {
    CClientDC dc(this);
    dc.SelectObject(&m_font);
    return dc.GetTextExtent(text).cx + kCellPadding;
}

void CEventsDlg::InitGrid() {
    auto caption = [](int width, const char* text) {
        _CAPTIONDATA c{};
        c.width = width;
        CopyFixedText(c.caption, text);
        return c;
    };
    m_captions = {caption(TextWidth("0000-00-00 00:00:00"), "Time"),
                  caption(TextWidth("authenticationFailure"), "Event"),
                  caption(TextWidth("ifIndex.00 = 00; ifAdminStatus.00 = 0; ifOperStatus.00 = 0"),
                          "Bindings")};
    m_pGrid->InitTable(int(m_captions.size()), m_captions.data(), 0);
}

void CEventsDlg::OnFreshEvents() {
    if (m_bShowPending || !m_hWnd)
        return;
    m_bShowPending = true;
    SetTimer(kShowTimerId, kShowDelayMs);
}

void CEventsDlg::ShowEvents() {
    if (m_bShowPending) {
        KillTimer(kShowTimerId);
        m_bShowPending = false;
    }
    if (!m_pGrid || !m_pCounter)
        return;
    m_pGrid->ResetTbl();
    int row = 0;
    if (m_pFeed)
        for (const EventEntry& event : m_pFeed->Events()) {
            _DATAOBJ time{};
            CopyFixedText(time.text, event.row.time.c_str());
            m_pGrid->AppendItemString(&time);
            SetCell(*m_pGrid, row, 1, event.row.kind);
            SetCell(*m_pGrid, row, 2, event.row.bindings);
            ++row;
        }
    m_pCounter->SetText(FormatText("%d", row).c_str());
    m_pGrid->RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CEventsDlg::Clear() {
    if (m_pFeed)
        m_pFeed->Clear();
    ShowEvents();
    m_pLog->AppendData(("Cleared at " + CTimeText(Clock::now())).c_str());
}

TableText CEventsDlg::GridText() const {
    return m_pGrid ? ReadGridText(*m_pGrid, m_captions) : TableText();
}

void CEventsDlg::OnCancel() {
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->PostMessage(PANEL_CHILD_CLOSED, WPARAM(m_pRecord->m_nKind), 0);
    DestroyWindow();
}

LRESULT CEventsDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        PaintDialogFrame(this);
        return 0;
    case WM_SIZE:
        m_sizer.OnSize(this, m_pBanner, m_pGrid, m_pLog, m_buttons, {m_pCounter});
        return 0;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            m_buttons.RaiseAll();
        break;
    case WM_TIMER:
        if (wParam == kShowTimerId) {
            ShowEvents();
            return 0;
        }
        break;
    case CTRL_CLICK_MSG: {
        const int index = CFlatButtonColumn::IndexOf(UINT(lParam));
        if (index >= 0 && m_pRecord->m_buttons[index].label[0] != '\0') {
            if (m_pRecord->m_buttons[index].message == std::int32_t(PANEL_CLEAR))
                Clear();
            if (CFBCtrl* button = m_buttons.Button(index))
                button->RaiseButton();
        }
        return 0;
    }
    case WM_CONTEXTMENU:
        OfferGridMenu(this, m_pGrid, m_captions, HWND(wParam),
                      POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                      m_pRecord->m_strTitle + ".csv");
        return 0;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
