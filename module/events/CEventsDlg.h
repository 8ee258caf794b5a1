#pragma once
// The events window (slot 318): the managed switch's traps and informs, newest first, one row
// each with the time, the kind in words and the bindings, kept current as new ones arrive. It
// has the face of the other table windows: the record's header in the banner, the grid with
// its Copy / Save As CSV menu, a log line saying where the events come from, the count, and
// the record's buttons ("Clear" hides what is shown; the journals keep it).

#include "controls/GridCtl/GridTypes.h"
#include "module/dialogbase/CModelessDialog.h"
#include "module/dialogbase/DialogFrame.h"
#include "module/dialogbase/FlatButtonColumn.h"
#include "module/dialogbase/TableExport.h"
#include "module/slots/CDlgData.h"
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <vector>

class CEventFeed;
class CLMsgControl;
class CMsgControl;
class CSampMsgControl;
class CTableControl;

class CEventsDlg : public CModelessDialog {
public:
    static constexpr UINT kTemplateId = 161;
    static constexpr UINT kGridId = 1000;
    static constexpr UINT kBannerId = 1001;
    static constexpr UINT kLogId = 1002;
    static constexpr UINT kCounterId = 1005;
    // New events are shown together after this delay, so a flood redraws a few times a second
    // rather than once a datagram batch.
    static constexpr UINT_PTR kShowTimerId = 1;
    static constexpr UINT kShowDelayMs = 200;

    CEventsDlg(CWnd* mainWnd, CTableDlgData* record);
    ~CEventsDlg() override;
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);
    static void RegisterTemplate();

    BOOL OnInitDialog() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Shows the feed's events now (what the timer does once new ones have arrived).
    void ShowEvents();
    // Hides every event shown; later ones appear as they come.
    void Clear();

    TableText GridText() const;
    CTableControl* GetGrid() const { return m_pGrid; }
    CLMsgControl* GetLog() const { return m_pLog; }
    CSampMsgControl* GetCounter() const { return m_pCounter; }
    bool IsShowPending() const { return m_bShowPending; }

private:
    void BeforeCreate() override;
    void InitGrid();
    void OnFreshEvents();
    int TextWidth(const char* text);

    CTableDlgData* m_pRecord;
    CWnd* m_pMainWnd;
    CEventFeed* m_pFeed = nullptr;
    int m_nSubscription = 0;
    bool m_bShowPending = false;
    CMsgControl* m_pBanner = nullptr;
    CTableControl* m_pGrid = nullptr;
    CLMsgControl* m_pLog = nullptr;
    CSampMsgControl* m_pCounter = nullptr;
    CFlatButtonColumn m_buttons;
    CDialogSizer m_sizer;
    std::vector<_CAPTIONDATA> m_captions;
    CFont m_font;
};
