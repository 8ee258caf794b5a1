#pragma once
// What the table dialog and the information dialog share (template 130, "Switch Information"):
// the record's header in the banner, the grid, the log of request results, the counter box and
// the record's buttons; the painted frames, the resize rule, the grid's right-click menu, and
// closing, which also closes the dialogs its buttons may have opened. Derived dialogs fill the
// grid and talk to the switch.

#include "controls/GridCtl/GridTypes.h"
#include "module/dialogbase/CModelessDialog.h"
#include "module/dialogbase/DialogFrame.h"
#include "module/dialogbase/FlatButtonColumn.h"
#include "module/dialogbase/OutstandingRequest.h"
#include "module/dialogbase/TableExport.h"
#include "module/slots/CDlgData.h"
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <vector>

class CLMsgControl;
class CMsgControl;
class CSampMsgControl;
class CSnmpClass;
class CSnmpPdu;
class CTableControl;

class CSwitchInfoDlg : public CModelessDialog {
public:
    static constexpr UINT kTemplateId = 130;
    static constexpr UINT kGridId = 1000;
    static constexpr UINT kBannerId = 1001;
    static constexpr UINT kLogId = 1002;
    static constexpr UINT kCounterId = 1005;

    ~CSwitchInfoDlg() override;
    static void RegisterTemplate();
    // A `width` × 241 template with the banner, the grid and the log in their places, room
    // for the counter box and the buttons kept at the right.
    static DialogTemplate FramedTemplate(const char* title, DWORD style, int width = 304);
    // The framed template with the counter box at the top right and the seven buttons below it.
    static DialogTemplate CountedTemplate(const char* title, DWORD style, int width = 304);

    BOOL OnInitDialog() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    CTableControl* GetGrid() const { return m_pGrid; }
    // The grid's captions and cells as shown (empty before the grid exists).
    TableText GridText() const;
    CLMsgControl* GetLog() const { return m_pLog; }
    CSampMsgControl* GetCounter() const { return m_pCounter; }
    const CMinimumSize& MinimumSize() const { return m_sizer.Minimum(); }
    bool IsWaiting() const { return m_request.IsBusy(); }

protected:
    CSwitchInfoDlg(CWnd* mainWnd, CTableDlgData* record);
    // A dialog of the same build made from another template.
    CSwitchInfoDlg(UINT templateId, CWnd* mainWnd, CTableDlgData* record);

    virtual void InitGrid() = 0;
    virtual const char* CounterCaption() const = 0;
    virtual const char* CounterStart() const = 0;
    // The first request, and PANEL_REFRESH from the main window.
    virtual void Refresh() = 0;
    // A press of button `index` whose record has a label.
    virtual void OnButton(const CDlgButton& button) = 0;
    // Set-up of a derived dialog's own controls, after the shared ones and before Refresh.
    virtual void InitOwnControls() {}
    // The boxes kept at the right edge, beside the buttons.
    virtual std::vector<CWnd*> RightEdgeBoxes() const;

    // Pixel width of a text in the dialog's font.
    int TextWidth(const char* text);
    void SetCaptions(std::vector<_CAPTIONDATA> captions, int selectable);
    static _CAPTIONDATA ColumnCaption(int width, const char* text);
    void AppendLog(const std::string& text);
    // The reply's PDU when it answers the request this dialog waits for and carries one; null
    // (the message released, "No response" or the engine's words for a security refusal
    // logged for a failed exchange) otherwise. Either
    // way the dialog no longer waits, so Refresh works again once the switch answers.
    const CSnmpPdu* AcceptReply(std::uint16_t code, CSnmpMsg* msg);
    void ShowCounter(int n);
    void RedrawGrid();
    CFlatButtonColumn& Buttons() { return m_buttons; }
    // The objects of a request paired in order with a reply's bindings, each object's value
    // text set to the binding's display text; the number of pairs.
    static int TakeReplyValues(CSnmpClass& request, const CSnmpPdu& pdu);

    CTableDlgData* m_pRecord;
    CWnd* m_pMainWnd;
    COutstandingRequest m_request;

private:
    CMsgControl* m_pBanner = nullptr;
    CTableControl* m_pGrid = nullptr;
    CLMsgControl* m_pLog = nullptr;
    CSampMsgControl* m_pCounter = nullptr;
    CFlatButtonColumn m_buttons;
    CDialogSizer m_sizer;
    std::vector<_CAPTIONDATA> m_captions;
    CFont m_font;

    // Writes the time opened into the record's header.
    void BeforeCreate() override;
};
