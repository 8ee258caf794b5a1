#pragma once
// NmDialog's statistic dialog as a counter test sees it, apart from the module's windows (the
// two sets of window headers each define a few of the same control constants).

#include <array>
#include <string>

class CNmDlgStatistic;

class StatisticListView {
public:
    // The dialog over port 4's packet counters at `address`.
    explicit StatisticListView(const std::string& address);
    ~StatisticListView();
    StatisticListView(const StatisticListView&) = delete;
    StatisticListView& operator=(const StatisticListView&) = delete;

    void Tick();
    int Runs() const;
    const std::string& Status() const;
    // "Rate/s", "Avg Rate/s" and "Peak Rate/s" of the counter called `name`; empty texts when
    // there is no such row.
    std::array<std::string, 3> Rates(const std::string& name) const;

private:
    CNmDlgStatistic* m_dlg;
};
