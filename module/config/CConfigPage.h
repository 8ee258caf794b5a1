#pragma once
// One page of Set Configuration: a frameless child dialog with its status line, its inputs and
// one request object for its scalar objects (instance ".0"). Read sends a get, Write a set; a
// page never has two requests out, and shows every outcome on its status line. A page writes
// only what it read: until a get since it opened (or since the last Refresh) came back without
// error, Write sends nothing, since the inputs would hold blanks and defaults, not the switch's
// values. Typed values are checked before anything is sent. After a set the switch took, every
// open window that shows a written object reads it again.

#include "module/dialogbase/OutstandingRequest.h"
#include "platform/ui/CDialog.h"
#include "snmp/CSnmpClass.h"

#include <memory>
#include <string>
#include <vector>

class CDlgMsgControl;

// What Write did.
enum class PageWrite { Sent, Waiting, NotRead, Refused, NothingChosen };

class CConfigPage : public CDialog {
public:
    CConfigPage(const DialogTemplate& tpl, UINT statusId, int firstRow, int rowCount);
    ~CConfigPage() override;

    // Creates the page inside `parent` (hidden); it reads its objects at once. `mainWnd` is told
    // which slots to refresh after a set.
    BOOL CreatePage(CWnd* parent, CWnd* mainWnd = nullptr);
    void Read();
    PageWrite Write();
    void ShowStatusText(const std::string& text);
    bool IsWaiting() const { return m_inFlight.IsBusy(); }
    bool IsLoaded() const { return m_bLoaded; }
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
    // The first typed value that cannot be sent, as its status line; empty when all can.
    std::string RefusedValue() const;
    bool AnythingToWrite() const;

    UINT m_nStatusId;
    int m_nFirstRow;
    int m_nRowCount;
    CDlgMsgControl* m_pStatus = nullptr;
    std::unique_ptr<CSnmpClass> m_pRequest;
    COutstandingRequest m_inFlight;
    CWnd* m_pMainWnd = nullptr;
    bool m_bLoaded = false;
    bool m_bLastWasGet = false;
};
