#pragma once
// The Reset dialog (template 135, slot 26): names the switch, warns what a reset does, and on
// its button writes "Cold Start" to the save/reset object. The switch restarts and rarely
// answers, so a missing reply reads "Resetting switch...".

#include "module/dialogbase/CModelessDialog.h"
#include "module/dialogbase/OutstandingRequest.h"
#include "snmp/CSnmpClass.h"

#include <memory>
#include <vector>

class CDlgMsgControl;
class CDlgData;
class CFormDlgData;

class CResetDlg : public CModelessDialog {
public:
    static constexpr UINT kTemplateId = 135;
    static constexpr UINT kTextId = 1115, kStatusId = 1117, kNameId = 1118, kAddressId = 1119;
    static constexpr UINT kButtonId = 1120;

    CResetDlg(CWnd* mainWnd, CFormDlgData* record);
    ~CResetDlg() override;
    // The factory's function for slot 26.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

    BOOL OnInitDialog() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnReply(std::uint16_t code, CSnmpMsg* msg);

    bool IsWaiting() const { return m_inFlight.IsBusy(); }

private:
    void OnClick(UINT id);
    void Reset();

    CWnd* m_pMainWnd;
    CFormDlgData* m_pRecord;
    std::unique_ptr<CFont> m_nameFont;
    CDlgMsgControl* m_pStatus = nullptr;
    // Every click makes its own request; they live as long as the dialog.
    std::vector<std::unique_ptr<CSnmpClass>> m_requests;
    COutstandingRequest m_inFlight;
};
