#pragma once
// The statistic dialog: one row per object with its total, and for counters the rate over the
// last interval, the average rate since the first sample, the peak rate and when it was seen.
// It polls with a get every poll interval, which the number box and its spin set in seconds;
// a new interval counts from the moment it is typed or spun.

#include "dialogs/CNmDlgList.h"
#include "platform/core/CounterStatistics.h"

#include <memory>

class NMDIALOG_API CNmDlgStatistic : public CNmDlgList {
public:
    CNmDlgStatistic(CWnd* parent, const std::string& key, const std::string& address,
                    const std::string& getCommunity, const std::string& setCommunity, int rowCount,
                    const _NmOidTable* table, const std::string& instance);

    static constexpr UINT_PTR kPollTimer = 1;
    int m_nPollInterval;

    BOOL OnInitDialog() override;
    void Refresh() override;
    void OnSnmpSendReply(UINT code, LPARAM msg) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Takes the interval the number box asks for: shows it in the box and the spin, and
    // restarts the poll timer when it changed.
    void TakePollInterval(int interval);
    // Restarts the poll timer with a changed interval.
    void ApplyPollInterval(int interval);
    // The operator typed `text` into the number box.
    void OnIntervalTyped(const std::string& text);
    void ShowStatistics();

    std::unique_ptr<CCounterStatistics> m_stats;
};
