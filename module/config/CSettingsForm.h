#pragma once
// A settings form: one row of objects described by its record's OID table, one input a row
// (key and row-status columns get none), read with one get when the keys name the row, written
// with one set by "Apply". Each reply shows on the status line and has the main window refresh
// the record's number (the table the row was chosen from). The two kinds differ in their inputs:
// choice lists (CChoiceFormDlg) or text fields (CTextFormDlg). A form for an existing row writes
// only after its values were read; a form for a new row (keys not given) creates it from what is
// typed, every field filled. Typed values are checked before anything is sent. After a set the
// switch took, every open window that shows a written object reads it again.

#include "module/config/FormLayout.h"
#include "module/config/FormRows.h"
#include "module/dialogbase/CModelessDialog.h"
#include "module/dialogbase/OutstandingRequest.h"
#include "snmp/CSnmpClass.h"

#include <memory>
#include <optional>
#include <string>

class CDlgMsgControl;
class CDlgData;
class CFormDlgData;

// Where a kind of form keeps its controls.
struct FormControlIds {
    FormKind kind;
    const char* inputClass;
    UINT firstLabel;
    UINT firstInput;
    int maxRows;
    UINT status;
    UINT firstButton;
};

class CSettingsForm : public CModelessDialog {
public:
    CSettingsForm(const FormControlIds& ids, CWnd* mainWnd, CFormDlgData* record);
    ~CSettingsForm() override;

    BOOL OnInitDialog() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnReply(std::uint16_t code, CSnmpMsg* msg);

    void Read();
    void Write();
    bool IsWaiting() const { return m_inFlight.IsBusy(); }
    bool IsLoaded() const { return m_bLoaded; }
    CSnmpClass* Request() const { return m_pRequest.get(); }
    const CFormRows& Rows() const { return m_rows; }
    int InputCount() const { return m_nInputs; }
    CWnd* Input(int input) const;
    const FormLayout& Layout() const { return m_layout; }

protected:
    // Sets up input `input`, which shows table row `row`.
    virtual void SetUpInput(int input, int row) = 0;
    // What input `input` holds, as the value text to write.
    virtual std::string InputText(int input) = 0;
    // Shows a received value in input `input` (row `row`).
    virtual void ShowValue(int input, int row, const std::string& text,
                           const CSnmpVarBind& binding) = 0;
    // The longest text the inputs must show, in characters.
    virtual std::size_t LongestInputText() const = 0;
    // Called after the values of a reply are shown.
    virtual void AfterValues() {}
    virtual void RaiseInputs() {}
    void LayOut();

    const _NmOidTable& Row(int row) const;
    CFormDlgData* Record() const { return m_pRecord; }
    const FormControlIds& Ids() const { return m_ids; }

private:
    void OnClick(UINT id);
    void Send(std::uint16_t pduType);
    // The first typed value that cannot be sent, as its status line; empty when all can.
    std::string RefusedInput();
    bool AnythingToWrite() const;
    // Which row each binding of the reply belongs to (-1: none): after a get in order, after a
    // set by name.
    std::vector<int> RowsOfReply(const CSnmpPdu& pdu) const;
    void RaiseButtons();

    FormControlIds m_ids;
    CWnd* m_pMainWnd;
    CFormDlgData* m_pRecord;
    CFormRows m_rows;
    int m_nInputs = 0;
    std::size_t m_longestName = 0;
    FormLayout m_layout;
    CDlgMsgControl* m_pStatus = nullptr;
    std::unique_ptr<CSnmpClass> m_pRequest;
    COutstandingRequest m_inFlight;
    bool m_bLastWasGet = false;
    bool m_bLoaded = false;
    bool m_bNewRow = false;
};

// A settings form template with every control of its kind, placed later by LayOut.
DialogTemplate SettingsFormTemplate(const FormControlIds& ids);
