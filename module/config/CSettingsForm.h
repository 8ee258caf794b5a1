#pragma once
// A settings form: one row of objects described by its record's OID table, one input a row
// (key and row-status columns get none), read with one get when the keys name the row, written
// with one set by "Apply", through a CRowEditor (which re-reads before it writes, so an input
// left alone carries the switch's value of that moment). Each reply shows on the status line
// and has the main window refresh the record's number (the table the row was chosen from). The
// two kinds differ in their inputs: choice lists (CChoiceFormDlg) or text fields
// (CTextFormDlg). A form for an existing row writes only after its values were read; a form for
// a new row (keys not given) creates it from what is typed, every field filled. Typed values
// are checked before anything is sent. After a set the switch took, every other open window
// that shows a written object reads it again; a form that hears of another window's set
// (PANEL_REFRESH_WRITTEN) reads its row again and keeps what its operator typed.

#include "module/config/CRowEditor.h"
#include "module/config/FormLayout.h"
#include "module/dialogbase/CModelessDialog.h"

#include <memory>
#include <string>

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
    void OnReply(std::uint16_t code, CSnmpMsg* msg) { m_editor.OnReply(code, msg); }

    void Read() { m_editor.Read(); }
    void Write();
    bool IsWaiting() const { return m_editor.IsWaiting(); }
    bool IsLoaded() const { return m_editor.IsLoaded(); }
    CSnmpClass* Request() const { return m_editor.Request(); }
    const CFormRows& Rows() const { return m_editor.Rows(); }
    int InputCount() const { return m_nInputs; }
    CWnd* Input(int input) const;
    const FormLayout& Layout() const { return m_layout; }

protected:
    // Makes the input for input `input`, which shows table row `row`.
    virtual std::unique_ptr<CObjectInput> MakeInput(int input, int row) = 0;
    // The longest text the inputs must show, in characters.
    virtual std::size_t LongestInputText() const = 0;
    // Called after the values of a reply are shown.
    virtual void AfterValues() {}
    void LayOut();

    const _NmOidTable& Row(int row) const;
    CFormDlgData* Record() const { return m_pRecord; }
    const FormControlIds& Ids() const { return m_ids; }
    const CRowEditor& Editor() const { return m_editor; }

private:
    void OnClick(UINT id);
    void RaiseButtons();

    FormControlIds m_ids;
    CWnd* m_pMainWnd;
    CFormDlgData* m_pRecord;
    CRowEditor m_editor;
    int m_nInputs = 0;
    std::size_t m_longestName = 0;
    FormLayout m_layout;
};

// A settings form template with every control of its kind, placed later by LayOut.
DialogTemplate SettingsFormTemplate(const FormControlIds& ids);
