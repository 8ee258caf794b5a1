#include "module/events/CEventsDlg.h"

#include "controls/GridCtl/CTableControl.h"
#include "controls/common/FixedText.h"
#include "module/events/CEventFeed.h"
#include "module/events/EventSources.h"
#include "module/slots/PanelMessages.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/ControlStyles.h"

namespace {

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
    DialogTemplate tpl = CountedTemplate(
        "Events", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, 420);
    tpl.items[0].style |= WS_TABSTOP; // the grid: the keys scroll it
    RegisterDialogTemplate(kTemplateId, tpl);
}

CEventsDlg::CEventsDlg(CWnd* mainWnd, CTableDlgData* record)
    : CSwitchInfoDlg(kTemplateId, mainWnd, record) {
    RegisterTemplate();
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

void CEventsDlg::InitGrid() {
    const auto column = [this](const char* widest, const char* caption) {
        return ColumnCaption(TextWidth(widest) + kCellPadding, caption);
    };
    SetCaptions({column("0000-00-00 00:00:00", "Time"), column("authenticationFailure", "Event"),
                 column("ifIndex.00 = 00; ifAdminStatus.00 = 0; ifOperStatus.00 = 0", "Bindings")},
                0);
}

void CEventsDlg::InitOwnControls() {
    if (!m_pFeed) {
        AppendLog(NoEventSourceText());
        return;
    }
    for (const std::string& line : m_pFeed->SourceLines())
        AppendLog(line);
    m_nSubscription = m_pFeed->Subscribe([this](const auto&) { OnFreshEvents(); });
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
    CTableControl* grid = GetGrid();
    if (!grid)
        return;
    grid->ResetTbl();
    int row = 0;
    if (m_pFeed)
        for (const EventEntry& event : m_pFeed->Events()) {
            _DATAOBJ time{};
            CopyFixedText(time.text, event.row.time.c_str());
            grid->AppendItemString(&time);
            SetCell(*grid, row, 1, event.row.kind);
            SetCell(*grid, row, 2, event.row.bindings);
            ++row;
        }
    ShowCounter(row);
    RedrawGrid();
}

void CEventsDlg::Clear() {
    if (m_pFeed)
        m_pFeed->Clear();
    ShowEvents();
    AppendLog("Cleared at " + CTimeText(Clock::now()));
}

void CEventsDlg::OnButton(const CDlgButton& button) {
    if (button.message == std::int32_t(PANEL_CLEAR))
        Clear();
}

LRESULT CEventsDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kShowTimerId) {
        ShowEvents();
        return 0;
    }
    return CSwitchInfoDlg::WindowProc(msg, wParam, lParam);
}
