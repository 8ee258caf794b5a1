#include "module/monitor/CStatTableDlg.h"

#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/GridCtl/CTableControl.h"
#include "controls/KoSample/CSampMsgControl.h"
#include "controls/KoSpin/CUDCtrl.h"
#include "controls/common/FixedText.h"
#include "module/dialogbase/CObjectReader.h"
#include "module/dialogbase/DialogFrame.h"
#include "module/dialogbase/ReplyStatus.h"
#include "module/monitor/ObjectDisplay.h"
#include "module/slots/PanelMessages.h"
#include "module/slots/SlotOpening.h"
#include "module/tables/PortLineRates.h"
#include "platform/core/Clock.h"
#include "platform/core/CounterColumns.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DialogTemplate.h"
#include "snmp/CSnmpClass.h"

#include <algorithm>
#include <array>

namespace {

std::size_t ShownCounterCount(const CTableDlgData& record) {
    std::size_t n = 0;
    for (int row = 0; row < record.m_nRowCount; ++row)
        if (!IsIndexAccess(record.m_pOidTable[row].wAccess))
            ++n;
    return n;
}

} // namespace

void CStatTableDlg::RegisterTemplate() {
    if (FindDialogTemplate(kTemplateId))
        return;
    DialogTemplate tpl = FramedTemplate("Port Traffic", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                                                            WS_MAXIMIZEBOX | WS_THICKFRAME);
    tpl.items.push_back({kCounterId, "SampMsgCtrlClass", 243, 7, 36, 20, WS_VISIBLE, ""});
    tpl.items.push_back({kIntervalBoxId, "SampMsgCtrlClass", 244, 33, 36, 20, WS_VISIBLE, ""});
    tpl.items.push_back({kUpDownId, "UpDownCtrlClass", 281, 33, 9, 12, WS_VISIBLE, ""});
    CFlatButtonColumn::AddToTemplate(tpl, {59, 81, 105, 127, 149, 171, 193});
    RegisterDialogTemplate(kTemplateId, tpl);
}

CStatTableDlg::CStatTableDlg(CWnd* mainWnd, CTableDlgData* record)
    : CSwitchInfoDlg(kTemplateId, mainWnd, record), m_statistics(ShownCounterCount(*record)) {
    RegisterTemplate();
    m_pRead = std::make_unique<CSnmpClass>(
        this, record->m_szHeaderValue[2], record->m_strReadCommunity, record->m_strWriteCommunity,
        record->m_nRowCount, record->m_pOidTable, record->InstanceSuffix());
    m_pRead->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CStatTableDlg::OnPollReply));
    m_pSpeed = std::make_unique<CObjectReader>(
        PortSpeedRow(), *record, [this](std::int64_t value) { TakePortSpeed(value); });
}

CStatTableDlg::~CStatTableDlg() = default;

CWnd* CStatTableDlg::CreateFor(CWnd* mainWnd, CDlgData* record) {
    return CSwitchInfoDlg::CreateFor<CStatTableDlg, CTableDlgData>(mainWnd, record);
}

int CStatTableDlg::SteppedInterval(int seconds, bool up) {
    return std::max(1, up ? seconds + 1 : seconds - 1);
}

void CStatTableDlg::InitGrid() {
    std::vector<_CAPTIONDATA> captions;
    for (const CounterColumnInfo& column : CounterColumns())
        captions.push_back(ColumnCaption(column.tableWidth, column.tableHeading));
    SetCaptions(captions, 0);
    CTableControl* grid = GetGrid();
    int row = 0;
    for (const CSnmpOid* oid : m_pRead->GetOidList()) {
        if (IsIndexAccess(oid->m_wAccess))
            continue;
        const std::int32_t attribute = CellAttribute(oid->m_wAccess);
        _DATAOBJ name = MakeCell(oid->m_strName, attribute);
        grid->AppendItemString(&name);
        // Before the first reply: "0" for the numbers, nothing for when a peak was seen.
        for (int column = 1; column < int(CounterColumns().size()); ++column) {
            const bool peakAt = CounterColumns()[std::size_t(column)].role == CounterColumn::PeakAt;
            _DATAOBJ cell = MakeCell(peakAt ? "" : "0", attribute);
            grid->SetItemString(row, column, &cell);
        }
        ++row;
    }
}

void CStatTableDlg::TakePortSpeed(std::int64_t value) {
    const std::uint64_t bits = PortSpeedBits(value);
    std::size_t counter = 0;
    for (int row = 0; row < m_pRecord->m_nRowCount; ++row) {
        const _NmOidTable& oidRow = m_pRecord->m_pOidTable[row];
        if (!IsIndexAccess(oidRow.wAccess))
            m_statistics.SetLineRate(counter++, CounterLineRate(oidRow, bits));
    }
}

void CStatTableDlg::InitOwnControls() {
    m_pIntervalBox = dynamic_cast<CSampMsgControl*>(GetDlgItem(kIntervalBoxId));
    m_pUpDown = dynamic_cast<CUDCtrl*>(GetDlgItem(kUpDownId));
    if (m_pIntervalBox) {
        char caption[] = "Poll Interval";
        m_pIntervalBox->InitSampMsg(2, caption);
        ShowInterval();
    }
    if (m_pIntervalBox && m_pUpDown)
        m_nUpDownOffset = ChildRect(this, m_pUpDown).left - ChildRect(this, m_pIntervalBox).left;
    Resume();
    if (m_pUpDown)
        m_pUpDown->InitUpDown();
}

std::vector<CWnd*> CStatTableDlg::RightEdgeBoxes() const {
    std::vector<CWnd*> boxes = CSwitchInfoDlg::RightEdgeBoxes();
    boxes.push_back(m_pIntervalBox);
    return boxes;
}

void CStatTableDlg::MoveUpDownWithBoxes() {
    if (!m_pIntervalBox || !m_pUpDown)
        return;
    const CRect box = ChildRect(this, m_pIntervalBox);
    const CRect upDown = ChildRect(this, m_pUpDown);
    m_pUpDown->MoveWindow(box.left + m_nUpDownOffset, upDown.top, upDown.Width(), upDown.Height());
}

void CStatTableDlg::ShowInterval() {
    if (m_pIntervalBox)
        m_pIntervalBox->SetText(FormatText("%d sec", m_nInterval).c_str());
}

void CStatTableDlg::StartTimer() {
    KillTimer(kPollTimerId);
    SetTimer(kPollTimerId, UINT(m_nInterval) * 1000u);
}

void CStatTableDlg::EnableSamplingButtons(bool running) {
    for (int i = 0; i < CFlatButtonColumn::kButtons; ++i) {
        const std::int32_t message = m_pRecord->m_buttons[i].message;
        if (message != std::int32_t(PANEL_PAUSE) && message != std::int32_t(PANEL_RESUME))
            continue;
        if (CFBCtrl* button = Buttons().Button(i))
            button->EnableWindow((message == std::int32_t(PANEL_PAUSE)) == running);
    }
}

void CStatTableDlg::Pause() {
    m_bRunning = false;
    EnableSamplingButtons(false);
    KillTimer(kPollTimerId);
}

void CStatTableDlg::Resume() {
    m_bRunning = true;
    EnableSamplingButtons(true);
    StartTimer();
}

void CStatTableDlg::OnButton(const CDlgButton& button) {
    switch (button.message) {
    case std::int32_t(PANEL_MSG):
        PostOpenSlot(m_pMainWnd, button.param, m_pRecord);
        break;
    case std::int32_t(PANEL_REFRESH):
        Poll();
        break;
    case std::int32_t(PANEL_PAUSE):
        Pause();
        break;
    case std::int32_t(PANEL_RESUME):
        Resume();
        break;
    default:
        break;
    }
}

void CStatTableDlg::Poll() {
    if (!m_request.IsBusy())
        m_request.Start([this] { return m_pRead->SendSnmp(SNMP_PDU_GET); });
    if (!m_bSpeedAsked) {
        m_bSpeedAsked = true;
        m_pSpeed->Read();
    }
}

std::vector<std::uint32_t> CStatTableDlg::CounterValues(const CSnmpPdu& pdu) const {
    std::vector<std::uint32_t> values;
    auto binding = pdu.m_varBindList.begin();
    for (const CSnmpOid* oid : m_pRead->GetOidList()) {
        if (binding == pdu.m_varBindList.end())
            break;
        const CSnmpVarBind* value = *binding++;
        if (!IsIndexAccess(oid->m_wAccess))
            values.push_back(value->GetUInt32());
    }
    return values;
}

void CStatTableDlg::ShowCounters() {
    CTableControl* grid = GetGrid();
    int row = 0;
    for (const CSnmpOid* oid : m_pRead->GetOidList()) {
        if (IsIndexAccess(oid->m_wAccess))
            continue;
        const CCounterStatistics::Counter& c = m_statistics.At(std::size_t(row));
        const std::int32_t attribute = CellAttribute(oid->m_wAccess);
        for (int column = 1; column < int(CounterColumns().size()); ++column) {
            _DATAOBJ cell =
                MakeCell(CounterCellText(c, CounterColumns()[std::size_t(column)].role), attribute);
            grid->SetItemString(row, column, &cell);
        }
        ++row;
    }
}

void CStatTableDlg::OnPollReply(std::uint16_t code, CSnmpMsg* msg) {
    const CSnmpPdu* pdu = AcceptReply(code, msg);
    if (!pdu)
        return;
    const std::int64_t now = Clock::now();
    const std::string missing = ExceptionLogText(*pdu, m_pRead->GetOidList());
    if (pdu->m_dwErrorStatus == 0 && missing.empty()) {
        // Timed by the datagram's receipt, so a reply handled late still counts from when it
        // came.
        const std::int64_t receivedMs = msg->ReceivedMs();
        m_statistics.TakeSample(CounterValues(*pdu), receivedMs,
                                PeakTimeText(Clock::SecondOf(receivedMs)));
        ShowCounters();
        ShowCounter(++m_nSamples);
        const bool unmeasured = m_statistics.AnyUnmeasured();
        if (unmeasured && !m_bWrapWarned)
            AppendLog(kCounterWrapWarning);
        m_bWrapWarned = unmeasured;
        if (m_statistics.AnyOverLine())
            m_pSpeed->Read(); // the port may have changed its speed since it was read
    } else {
        // An error reply carries no counters, nor does one in which the agent says a counter
        // does not exist: the sample times stay as they were, so the next good reply's
        // interval is counted once.
        TakeReplyValues(*m_pRead, *pdu);
        AppendLog(missing.empty() ? ReplyLogText(*pdu, m_pRead->GetOidList(), now) : missing);
    }
    CSnmpMsg::Release(msg);
    RedrawGrid();
}

void CStatTableDlg::OnCancel() {
    KillTimer(kPollTimerId);
    CSwitchInfoDlg::OnCancel();
}

LRESULT CStatTableDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        // A tick that was already on its way when the operator paused starts nothing.
        if (!m_bRunning) {
            KillTimer(kPollTimerId);
            return 0;
        }
        Poll();
        StartTimer();
        return 0;
    case WM_SIZE: {
        const LRESULT result = CSwitchInfoDlg::WindowProc(msg, wParam, lParam);
        MoveUpDownWithBoxes();
        return result;
    }
    case WM_MOUSEMOVE:
        if ((wParam & MK_LBUTTON) && m_pUpDown)
            m_pUpDown->RaiseButton();
        break;
    case CTRL_CLICK_MSG:
        if (UINT(lParam) == kUpDownId) {
            m_nInterval = SteppedInterval(m_nInterval, wParam == CUDCtrl::kUp);
            ShowInterval();
            return 0;
        }
        break;
    default:
        break;
    }
    return CSwitchInfoDlg::WindowProc(msg, wParam, lParam);
}
