#include "dialogs/CNmDlgStatistic.h"

#include "dialogs/NmDlgObjectRules.h"
#include "dialogs/NmTypingWatch.h"
#include "platform/core/CounterColumns.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpErrorStatus.h"

#include <algorithm>
#include <iterator>

namespace {
// The agent's error status for a reply that would not fit its message.
constexpr std::uint32_t kTooBigStatus = 1;
} // namespace

CNmDlgStatistic::CNmDlgStatistic(CWnd* parent, const std::string& key, const std::string& address,
                                 const std::string& getCommunity, const std::string& setCommunity,
                                 int rowCount, const _NmOidTable* table,
                                 const std::string& instance)
    : CNmDlgList(parent, key, address, getCommunity, setCommunity, rowCount, table, instance),
      m_nPollInterval(kNmPollDefault), m_pTable(table), m_strInstance(instance) {
    AttachSnmp(
        new CSnmpClass(this, address, getCommunity, setCommunity, rowCount, table, instance));
    std::vector<std::string> oids;
    std::vector<std::uint8_t> types;
    int counters = 0;
    for (const CSnmpOid* oid : m_pSnmp->GetOidList()) {
        oids.push_back(oid->m_strOid + instance);
        types.push_back(oid->m_byType);
        m_counterOfRow.push_back(IsCounterObject(oid->m_byType) ? counters++ : -1);
    }
    m_runs = NmSplitIntoRuns(oids, types, getCommunity.size());
    m_stats = std::make_unique<CCounterStatistics>(std::size_t(counters));
    CreateHidden();
}

CNmDlgStatistic::~CNmDlgStatistic() {
    CSnmpMsg::Release(m_pRunFailure);
}

BOOL CNmDlgStatistic::OnInitDialog() {
    CNmDlgList::OnInitDialog();
    CreateListImages(4);
    m_numberBox.ShowWindow(SW_SHOW);
    m_spin.ShowWindow(SW_SHOW);
    m_spin.SetRange(kNmPollMin, kNmPollMax);
    m_spin.SetPos(m_nPollInterval);
    m_numberBox.SetWindowText(std::to_string(m_nPollInterval).c_str());
    WatchTyping(m_numberBox, [this](const std::string& text) { OnIntervalTyped(text); });
    int col = 0;
    for (const CounterColumnInfo& column : CounterColumns()) {
        m_listCtrl.InsertColumn(col, column.listHeading, LVCFMT_LEFT, column.listWidth, col,
                                kNmDefaultColor);
        ++col;
    }
    InsertObjectRows(kNmDefaultColor, false);
    SetTimer(kPollTimer, UINT(m_nPollInterval) * 1000);
    Refresh();
    return TRUE;
}

void CNmDlgStatistic::Refresh() {
    if (m_dwPendingReqId != 0 || m_bSendingRun || m_runs.empty())
        return;
    m_nRun = 0;
    SendRun();
}

void CNmDlgStatistic::SendRun() {
    for (;;) {
        const NmRequestRun run = m_runs[m_nRun];
        m_pRun = std::make_unique<CSnmpClass>(
            this, m_pSnmp->m_strIpAddr, m_pSnmp->m_strGetCommunity, m_pSnmp->m_strSetCommunity,
            run.count, m_pTable + run.first, m_strInstance);
        m_pRun->m_nTimeoutMs = m_pSnmp->m_nTimeoutMs;
        m_pRun->m_nRetries = m_pSnmp->m_nRetries;
        m_pRun->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CNmDlgStatistic::RunReceiver));
        m_bSendingRun = true;
        m_bRunSendFailed = false;
        const std::uint32_t id = m_pRun->SendSnmp(SNMP_PDU_GET);
        m_bSendingRun = false;
        if (!m_bRunSendFailed) {
            m_dwPendingReqId = id;
            return;
        }
        // The failure came before SendSnmp returned; it is handled here, where no request
        // object is in use.
        CSnmpMsg* failed = m_pRunFailure;
        m_pRunFailure = nullptr;
        const bool halved = HalveRun(m_nRunFailure, failed);
        if (!halved)
            DisplayStatus(std::uint16_t(m_nRunFailure), failed);
        CSnmpMsg::Release(failed);
        if (!halved)
            return;
    }
}

void CNmDlgStatistic::RunReceiver(std::uint16_t code, CSnmpMsg* msg) {
    if (m_bSendingRun && code != 0) {
        m_bRunSendFailed = true;
        m_nRunFailure = code;
        CSnmpMsg::Release(m_pRunFailure);
        m_pRunFailure = msg;
        return;
    }
    OnSnmpSendReply(code, LPARAM(msg));
}

void CNmDlgStatistic::OnSnmpSendReply(UINT code, LPARAM lParam) {
    auto* msg = reinterpret_cast<CSnmpMsg*>(lParam);
    // Only the outcome of the run on its way counts: a late reply to an earlier poll would
    // put its values into this one.
    if (m_dwPendingReqId == 0 || !msg || !msg->m_pPdu ||
        msg->m_pPdu->m_dwReqId != m_dwPendingReqId) {
        CSnmpMsg::Release(msg);
        return;
    }
    m_dwPendingReqId = 0;
    TakeRunOutcome(code, msg);
    CSnmpMsg::Release(msg);
}

void CNmDlgStatistic::TakeRunOutcome(UINT code, CSnmpMsg* msg) {
    const CSnmpPdu* pdu = msg->m_pPdu;
    if (code != 0 || pdu->m_dwErrorStatus != 0) {
        if (HalveRun(code, msg))
            SendRun();
        else if (code != 0)
            DisplayStatus(std::uint16_t(code), msg);
        else
            DisplayStatus(pdu);
        return;
    }
    if (const std::uint32_t missing = SnmpFirstException(*pdu)) {
        // No sample: a counter the agent does not have is no counter that fell to zero.
        const CSnmpVarBind* binding = *std::next(pdu->m_varBindList.begin(), missing - 1);
        const std::size_t row = std::size_t(m_runs[m_nRun].first) + missing - 1;
        const std::list<CSnmpOid*>& objects = m_pSnmp->GetOidList();
        const std::string name = row < objects.size()
                                     ? (*std::next(objects.begin(), std::ptrdiff_t(row)))->m_strName
                                     : std::string();
        AppendStatusLine(SnmpExceptionPhrase(binding->m_byType, name));
        return;
    }
    TakeRunValues(*pdu, msg->ReceivedMs());
    if (++m_nRun < m_runs.size()) {
        SendRun();
        return;
    }
    DisplayStatus(pdu);
    if (m_stats->AnyUnmeasured())
        AppendStatusLine(kCounterWrapWarning);
    ShowStatistics();
}

bool CNmDlgStatistic::HalveRun(UINT code, const CSnmpMsg* msg) {
    const bool tooBig =
        code == SNMP_ERR_RESPONSE_TOO_BIG || code == SNMP_ERR_ENCODE_OVERFLOW ||
        (code == 0 && msg && msg->m_pPdu && msg->m_pPdu->m_dwErrorStatus == kTooBigStatus);
    if (!tooBig || m_nRun >= m_runs.size() || m_runs[m_nRun].count < 2)
        return false;
    m_runs = NmHalveRun(m_runs, m_nRun);
    return true;
}

void CNmDlgStatistic::TakeRunValues(const CSnmpPdu& pdu, std::int64_t receivedMs) {
    const NmRequestRun run = m_runs[m_nRun];
    std::list<CSnmpOid*>& objects = m_pSnmp->GetOidList();
    auto object = objects.begin();
    std::advance(object, std::min<std::ptrdiff_t>(run.first, std::ptrdiff_t(objects.size())));
    auto binding = pdu.m_varBindList.begin();
    std::vector<std::uint32_t> counts;
    int firstCounter = -1;
    for (int i = 0; i < run.count && object != objects.end() && binding != pdu.m_varBindList.end();
         ++i, ++object, ++binding) {
        (*object)->m_strValue = CSnmpClass::FormatValue(*binding, *object);
        const int counter = m_counterOfRow[std::size_t(run.first + i)];
        if (counter < 0)
            continue;
        if (counts.empty())
            firstCounter = counter;
        counts.push_back((*binding)->GetUInt32());
    }
    if (!counts.empty())
        m_stats->TakeValues(std::size_t(firstCounter), counts, receivedMs,
                            PeakTimeText(receivedMs / 1000));
}

void CNmDlgStatistic::ShowStatistics() {
    int row = 0;
    for (const CSnmpOid* oid : m_pSnmp->GetOidList()) {
        const int r = row++;
        m_listCtrl.SetItemText(r, 1, oid->m_strValue.c_str());
        const int counter = m_counterOfRow[std::size_t(r)];
        if (counter < 0)
            continue;
        int col = 0;
        for (const CounterColumnInfo& column : CounterColumns()) {
            // The total is the value as the object formats it, like every other row's.
            if (column.role != CounterColumn::Name && column.role != CounterColumn::Total)
                m_listCtrl.SetItemText(
                    r, col,
                    CounterCellText(m_stats->At(std::size_t(counter)), column.role).c_str());
            ++col;
        }
    }
}
void CNmDlgStatistic::TakePollInterval(int interval) {
    interval = std::clamp(interval, kNmPollMin, kNmPollMax);
    if (m_spin.GetPos() != interval)
        m_spin.SetPos(interval);
    std::string text = std::to_string(interval);
    if (m_numberBox.GetWindowText() != text)
        m_numberBox.SetWindowText(text.c_str());
    ApplyPollInterval(interval);
}

void CNmDlgStatistic::ApplyPollInterval(int interval) {
    if (interval == m_nPollInterval)
        return;
    m_nPollInterval = interval;
    SetTimer(kPollTimer, UINT(interval) * 1000);
}

void CNmDlgStatistic::OnIntervalTyped(const std::string& text) {
    const int interval = PollIntervalFromText(text, m_nPollInterval);
    // The spin follows a number typed as it stands (it writes back the same text); text that
    // is not yet that number ("0", "90000", " 7") stays as typed until the next poll tidies
    // it, not under the operator's caret.
    if (text == std::to_string(interval) && m_spin.GetPos() != interval)
        m_spin.SetPos(interval);
    ApplyPollInterval(interval);
}

LRESULT CNmDlgStatistic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        if (wParam == kPollTimer) {
            TakePollInterval(PollIntervalFromText(m_numberBox.GetWindowText(), m_nPollInterval));
            Refresh();
            return 0;
        }
        break;
    case WM_VSCROLL:
        if (HWND(lParam) == m_spin.m_hWnd) {
            TakePollInterval(m_spin.GetPos());
            return 0;
        }
        break;
    case WM_DESTROY:
        KillTimer(kPollTimer);
        break;
    default:
        break;
    }
    return CNmDlgList::WindowProc(msg, wParam, lParam);
}
