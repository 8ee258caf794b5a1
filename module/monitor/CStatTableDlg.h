#pragma once
// The statistics table dialog (slots 140 to 197, a port's error or packet counters): polls the
// counters with one get every poll interval and shows, per counter, the total, the rate over the
// last interval, the average rate since the first sample, and the peak rate with its time. The
// operator sets the interval with the up/down control and stops and restarts polling with
// "Pause" and "Resume". The samples box counts the good replies taken. The port's speed, read
// when the dialog opens (and again when a counter went faster than it allows), bounds what a
// counter may plausibly count.

#include "module/dialogbase/CSwitchInfoDlg.h"
#include "platform/core/CounterStatistics.h"

#include <cstdint>
#include <memory>

class CObjectReader;
class CSampMsgControl;
class CSnmpClass;
class CSnmpMsg;
class CUDCtrl;

class CStatTableDlg : public CSwitchInfoDlg {
public:
    static constexpr UINT kTemplateId = 136;
    static constexpr UINT kIntervalBoxId = 1006;
    static constexpr UINT kUpDownId = 1007;
    static constexpr UINT kPollTimerId = 104;
    static constexpr int kFirstInterval = 5;

    CStatTableDlg(CWnd* mainWnd, CTableDlgData* record);
    ~CStatTableDlg() override;
    // The factory's function for the error and packet counter slots.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);
    static void RegisterTemplate();

    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Sends the get, unless one is outstanding.
    void Poll();
    void Pause();
    void Resume();
    void OnPollReply(std::uint16_t code, CSnmpMsg* msg);

    int PollInterval() const { return m_nInterval; }
    bool IsRunning() const { return m_bRunning; }
    const CCounterStatistics& Statistics() const { return m_statistics; }

    // The interval after one step of the up/down control: one second more or less, never
    // below one second.
    static int SteppedInterval(int seconds, bool up);

protected:
    void InitGrid() override;
    const char* CounterCaption() const override { return "samples"; }
    const char* CounterStart() const override { return "0"; }
    void Refresh() override { Poll(); }
    void OnButton(const CDlgButton& button) override;
    void InitOwnControls() override;
    std::vector<CWnd*> RightEdgeBoxes() const override;

private:
    void StartTimer();
    void ShowInterval();
    void EnableSamplingButtons(bool running);
    void ShowCounters();
    // The values of the shown counters in a reply, index columns skipped.
    std::vector<std::uint32_t> CounterValues(const CSnmpPdu& pdu) const;
    void MoveUpDownWithBoxes();
    // The port's speed object read `value`: the counters' line rates follow it.
    void TakePortSpeed(std::int64_t value);

    std::unique_ptr<CSnmpClass> m_pRead;
    std::unique_ptr<CObjectReader> m_pSpeed;
    bool m_bSpeedAsked = false;
    bool m_bWrapWarned = false; // the log says once per run of unmeasured intervals
    CCounterStatistics m_statistics;
    CSampMsgControl* m_pIntervalBox = nullptr;
    CUDCtrl* m_pUpDown = nullptr;
    int m_nUpDownOffset = 0; // the up/down control's left, from the interval box's
    int m_nSamples = 0;      // good replies taken
    int m_nInterval = kFirstInterval;
    bool m_bRunning = false;
};
