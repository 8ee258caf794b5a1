#pragma once
// The statistic dialog: one row per object with its total, and for counters the rate over the
// last interval, the average rate since the first sample, the peak rate and when it was seen.
// It polls with gets every poll interval, which the number box and its spin set in seconds;
// a new interval counts from the moment it is typed or spun. Any number of objects is polled:
// they are asked for in runs whose requests and replies fit the engine's message area, one get
// after the other, and a poll's status line is written once its last run is in.

#include "dialogs/CNmDlgList.h"
#include "dialogs/NmDlgRequestRuns.h"
#include "platform/core/CounterStatistics.h"

#include <memory>
#include <vector>

class NMDIALOG_API CNmDlgStatistic : public CNmDlgList {
public:
    CNmDlgStatistic(CWnd* parent, const std::string& key, const std::string& address,
                    const std::string& getCommunity, const std::string& setCommunity, int rowCount,
                    const _NmOidTable* table, const std::string& instance);
    ~CNmDlgStatistic() override;

    static constexpr UINT_PTR kPollTimer = 1;
    int m_nPollInterval;

    BOOL OnInitDialog() override;
    void Refresh() override;
    void OnSnmpSendReply(UINT code, LPARAM msg) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The runs one poll asks for, in order.
    const std::vector<NmRequestRun>& Runs() const { return m_runs; }
    const CCounterStatistics& Statistics() const { return *m_stats; }

private:
    // Takes the interval the number box asks for: shows it in the box and the spin, and
    // restarts the poll timer when it changed.
    void TakePollInterval(int interval);
    // Restarts the poll timer with a changed interval.
    void ApplyPollInterval(int interval);
    // The operator typed `text` into the number box.
    void OnIntervalTyped(const std::string& text);
    // The receiver of every run's request: a failure while the run is being sent is kept for
    // SendRun, everything else goes to OnSnmpSendReply.
    void RunReceiver(std::uint16_t code, CSnmpMsg* msg);
    // Sends the get of run m_nRun; a send that fails is handled once SendSnmp has returned.
    void SendRun();
    // The outcome of run m_nRun: the next run, the same run halved, or the end of the poll.
    void TakeRunOutcome(UINT code, CSnmpMsg* msg);
    // A run the agent or the engine found too big is cut in two and asked for again; false
    // for a run of one object.
    bool HalveRun(UINT code, const CSnmpMsg* msg);
    void TakeRunValues(const CSnmpPdu& pdu, std::int64_t receivedMs);
    void ShowStatistics();

    const _NmOidTable* m_pTable;
    std::string m_strInstance;
    std::vector<NmRequestRun> m_runs;
    std::vector<int> m_counterOfRow;    // for each object, its counter number, or -1
    std::unique_ptr<CSnmpClass> m_pRun; // the request object of the run on its way
    std::size_t m_nRun = 0;
    bool m_bSendingRun = false;
    bool m_bRunSendFailed = false;
    UINT m_nRunFailure = 0;
    CSnmpMsg* m_pRunFailure = nullptr;
    std::unique_ptr<CCounterStatistics> m_stats;
};
