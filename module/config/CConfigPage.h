#pragma once
// One page of Set Configuration: a frameless child dialog with its status line, its inputs and
// one request object for its scalar objects (instance ".0"). Read sends a get, Write a set; a
// page never has two requests out, and shows every outcome on its status line.

#include "module/slots/OutstandingRequest.h"
#include "platform/ui/CDialog.h"
#include "snmp/CSnmpClass.h"

#include <memory>
#include <string>

class CDlgMsgControl;

class CConfigPage : public CDialog {
public:
    CConfigPage(const DialogTemplate& tpl, UINT statusId, int firstRow, int rowCount);
    ~CConfigPage() override;

    // Creates the page inside `parent` (hidden); it reads its objects at once.
    BOOL CreatePage(CWnd* parent);
    void Read();
    void Write();
    bool IsWaiting() const { return m_inFlight.IsBusy(); }
    CSnmpClass* Request() const { return m_pRequest.get(); }

    BOOL OnInitDialog() override;
    // A page is closed with its dialog.
    void OnCancel() override {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnReply(std::uint16_t code, CSnmpMsg* msg);

protected:
    // Sets up the page's own inputs and fills its choice lists.
    virtual void SetUpInputs() = 0;
    // Stores what the inputs hold as the objects' new value texts.
    virtual void StoreInputs() = 0;
    // Shows object `index` of a successful reply; `text` is its formatted value.
    virtual void ShowValue(int index, const std::string& text, const CSnmpVarBind& binding) = 0;
    // The mouse moved over the page: choice lists look raised again.
    virtual void RaiseInputs() {}
    CSnmpOid* Object(int index) const;

private:
    void Send(std::uint16_t pduType);

    UINT m_nStatusId;
    int m_nFirstRow;
    int m_nRowCount;
    CDlgMsgControl* m_pStatus = nullptr;
    std::unique_ptr<CSnmpClass> m_pRequest;
    COutstandingRequest m_inFlight;
};
