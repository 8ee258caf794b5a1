#pragma once
// What the line-curve and bar-graph dialogs share (template 196, "Statistic Line Graph" and
// "Statistic Bar Graph" slots): a port's counters polled on a timer through the poller, each
// completed sample handed to the drawing window and the rate statistics, the statistics of
// the counter chosen in the picker in the lower value boxes, the poll interval and time span
// stepped with their up/down boxes, and "Pause" / "Start" / "Close". The two dialogs differ
// only in their drawing window and in the sequence counter shared by all dialogs of a kind.

#include "module/dialogbase/CModelessDialog.h"
#include "module/graphs/CStatObjects.h"
#include "module/graphs/CStatPoller.h"
#include "module/graphs/CValueBox.h"
#include "module/graphs/windows/CLegendItem.h"
#include "module/graphs/windows/CRateStats.h"
#include "module/slots/CDlgData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CFBCtrl;
class CGraphFrameWnd;
class CObjectReader;
class CMsgControl;

class CGraphDlg : public CModelessDialog {
public:
    static constexpr UINT kTemplateId = 196;
    static constexpr int kStartInterval = 5; // seconds
    static constexpr int kStartSpan = 60;    // seconds
    static constexpr double kStartValueRange = 1000;

    ~CGraphDlg() override;
    static void RegisterTemplate();

    BOOL OnInitDialog() override;
    void OnCancel() override { DestroyWindow(); }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    virtual CGraphFrameWnd& Graph() = 0;
    const CStatObjects& Objects() const { return m_objects; }
    const CStatPoller& Poller() const { return m_poller; }
    const CRateStats& Stats() const { return m_stats; }
    int PollInterval() const { return m_nInterval; }
    int TimeSpan() const { return m_nSpan; }
    int SelectedCounter() const { return m_nSelected; }
    bool IsRunning() const { return m_bRunning; }
    CValueBox& Box(UINT id);
    CLegendItem& Picker() { return m_picker; }
    CMsgControl* Banner() const { return m_pBanner; }
    // Every counter's name, rate, average, peak and peak time, as `taurel --print` writes them.
    std::vector<std::vector<std::string>> CounterRows() const;
    // Shows the first counters in the drawing window's legend items, each in its item's own
    // colour, and the first counter's statistics; once their first rates are in, widens the
    // value range to take them, as an operator would. Every graph starts so.
    void ChooseFirstCounters();

protected:
    CGraphDlg(CWnd* mainWnd, CTableDlgData* record);
    // The number the next sample of this dialog's kind gets.
    virtual std::uint32_t& SequenceCounter() = 0;

private:
    bool Build();
    void LayOut();
    void Poll();
    void OnSampleReady();
    void ShowSelectedCounter();
    void FitValueRange();
    void OnValueBox(UINT id, bool up);
    void OnButton(UINT id);
    void SetRunning(bool running);
    // The port's speed object read `value`: the counters' line rates follow it.
    void TakePortSpeed(std::int64_t value);

    CTableDlgData* m_pRecord;
    CWnd* m_pMainWnd;
    CStatPoller m_poller;
    CStatObjects m_objects;
    CRateStats m_stats;
    std::unique_ptr<CObjectReader> m_pSpeed;
    CMsgControl* m_pBanner = nullptr; // the controls delete themselves with their windows
    CFBCtrl* m_pPause = nullptr;
    CFBCtrl* m_pStart = nullptr;
    CFBCtrl* m_pClose = nullptr;
    CValueBox m_rate, m_span, m_average, m_peak, m_peakAt;
    CLegendItem m_picker;
    int m_nInterval = kStartInterval;
    int m_nSpan = kStartSpan;
    int m_nSelected = 0;
    bool m_bRunning = true;
    // Samples the value range still widens to fit the shown counters' first rates.
    static constexpr int kFitSamples = 5;
    int m_nFitSamples = 0;
};
