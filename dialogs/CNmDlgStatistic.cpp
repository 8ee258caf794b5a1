#include "dialogs/CNmDlgStatistic.h"

#include "dialogs/NmDlgObjectRules.h"
#include "dialogs/NmTypingWatch.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"

#include <algorithm>
#include <array>

CNmDlgStatistic::CNmDlgStatistic(CWnd* parent, const std::string& key, const std::string& address,
                                 const std::string& getCommunity, const std::string& setCommunity,
                                 int rowCount, const _NmOidTable* table,
                                 const std::string& instance)
    : CNmDlgList(parent, key, address, getCommunity, setCommunity, rowCount, table, instance),
      m_nPollInterval(kNmPollDefault) {
    AttachSnmp(
        new CSnmpClass(this, address, getCommunity, setCommunity, rowCount, table, instance));
    std::size_t counters = 0;
    for (const CSnmpOid* oid : m_pSnmp->GetOidList())
        counters += IsCounterObject(oid->m_byType) ? 1 : 0;
    m_stats = std::make_unique<CCounterStatistics>(counters);
    CreateHidden();
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
    m_listCtrl.InsertColumn(0, "Object", LVCFMT_LEFT, 140, 0, kNmDefaultColor);
    const char* headings[] = {"Total", "Rate/s", "Avg Rate/s", "Peak Rate/s", "Peak At"};
    for (int col = 1; col <= 5; ++col)
        m_listCtrl.InsertColumn(col, headings[col - 1], LVCFMT_LEFT, 100, col, kNmDefaultColor);
    InsertObjectRows(kNmDefaultColor, false);
    SetTimer(kPollTimer, UINT(m_nPollInterval) * 1000);
    Refresh();
    return TRUE;
}

void CNmDlgStatistic::Refresh() {
    if (m_dwPendingReqId == 0)
        SendAndWait(SNMP_PDU_GET);
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

void CNmDlgStatistic::OnSnmpSendReply(UINT code, LPARAM lParam) {
    auto* msg = reinterpret_cast<CSnmpMsg*>(lParam);
    // Whatever outcome arrives ends the wait: the dialog has at most one poll outstanding.
    m_dwPendingReqId = 0;
    if (code != 0 || !msg || !msg->m_pPdu) {
        DisplayStatus(std::uint16_t(code), msg);
    } else {
        DisplayStatus(msg->m_pPdu);
        if (msg->m_pPdu->m_dwErrorStatus == 0) {
            std::vector<std::uint32_t> counts;
            auto binding = msg->m_pPdu->m_varBindList.begin();
            for (CSnmpOid* oid : m_pSnmp->GetOidList()) {
                if (binding == msg->m_pPdu->m_varBindList.end())
                    break;
                oid->m_strValue = CSnmpClass::FormatValue(*binding, oid);
                if (IsCounterObject(oid->m_byType))
                    counts.push_back((*binding)->GetUInt32());
                ++binding;
            }
            const std::int64_t now = Clock::now();
            m_stats->TakeSample(counts, Clock::nowMs(), FormatLocalTime(now, "%H:%M:%S"));
            ShowStatistics();
        }
    }
    CSnmpMsg::Release(msg);
}

void CNmDlgStatistic::ShowStatistics() {
    int row = 0;
    std::size_t k = 0;
    for (const CSnmpOid* oid : m_pSnmp->GetOidList()) {
        const int r = row++;
        m_listCtrl.SetItemText(r, 1, oid->m_strValue.c_str());
        if (!IsCounterObject(oid->m_byType))
            continue;
        const std::array<std::string, 4> texts = CounterRateTexts(m_stats->At(k++));
        for (int column = 2; column <= 5; ++column)
            m_listCtrl.SetItemText(r, column, texts[std::size_t(column - 2)].c_str());
    }
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
