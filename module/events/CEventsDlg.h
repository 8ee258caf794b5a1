#pragma once
// The events window (slot 318): the managed switch's traps and informs, newest first, one row
// each with the time, the kind in words and the bindings, kept current as new ones arrive. It
// is one of the table windows: the record's header in the banner, the grid with its Copy /
// Save As CSV menu, a log saying where the events come from, the count, and the record's
// buttons ("Clear" hides what is shown; the journals keep it).

#include "module/dialogbase/CSwitchInfoDlg.h"

class CEventFeed;

class CEventsDlg : public CSwitchInfoDlg {
public:
    static constexpr UINT kTemplateId = 161;
    // New events are shown together after this delay, so a flood redraws a few times a second
    // rather than once a datagram batch.
    static constexpr UINT_PTR kShowTimerId = 1;
    static constexpr UINT kShowDelayMs = 200;

    CEventsDlg(CWnd* mainWnd, CTableDlgData* record);
    ~CEventsDlg() override;
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);
    static void RegisterTemplate();

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Shows the feed's events now (what the timer does once new ones have arrived).
    void ShowEvents();
    // Hides every event shown; later ones appear as they come.
    void Clear();
    bool IsShowPending() const { return m_bShowPending; }

protected:
    void InitGrid() override;
    const char* CounterCaption() const override { return "#Events"; }
    const char* CounterStart() const override { return "0"; }
    void Refresh() override { ShowEvents(); }
    void OnButton(const CDlgButton& button) override;
    void InitOwnControls() override;

private:
    void OnFreshEvents();

    CEventFeed* m_pFeed = nullptr;
    int m_nSubscription = 0;
    bool m_bShowPending = false;
};
