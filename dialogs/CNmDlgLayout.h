#pragma once
// What the two list layouts (CNmDlgList, CNmDlgListSet) share: four header label/value pairs,
// the report list, a status box that keeps one line per reply with the newest selected, five
// side buttons, the dialog's request object and the id of the one request it waits for, and
// the layout of all of them when the window is resized. The concrete dialogs create m_pSnmp,
// register the reply receiver and create the window.

#include "dialogs/CNmDlg.h"
#include "dialogs/CNmListCtrl.h"
#include "dialogs/NmDlgRequestOptions.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CImageList.h"

#include <cstdint>
#include <string>

class CSnmpClass;
class CSnmpMsg;
class CSnmpPdu;

// The window message that carries a request's outcome like the engine's receiver call:
// WPARAM the code, LPARAM the CSnmpMsg*.
constexpr UINT WM_NMDLG_SNMP_REPLY = 0x0400 + 1;

class NMDIALOG_API CNmDlgLayout : public CNmDlg {
public:
    CNmDlgLayout(UINT templateId, CWnd* parent, std::string key, bool numberBox);
    ~CNmDlgLayout() override;

    CSnmpClass* m_pSnmp = nullptr;
    std::uint32_t m_dwPendingReqId = 0;
    CNmListCtrl m_listCtrl;
    CEdit m_statusBox;
    std::string m_strStatus;
    CImageList m_imageList;

    // Index 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
    void SetHeader(int index, const std::string& label, const std::string& value);
    void SetHeaderInfo(int index, const std::string& value);
    // Header value 3 ("Target"): what the dialog reads or writes.
    void SetTarget(const std::string& target);
    const std::string& GetTarget() const { return m_strTarget; }

    // The time-out and retry count of this dialog's requests from the next one on.
    void SetRequestOptions(const NmDlgRequestOptions& options);
    const NmDlgRequestOptions& GetRequestOptions() const { return m_requestOptions; }
    // Binds side button `index` (0–4) to a function code and shows it.
    void SetButton(int index, int code);

    // The reply receiver (also reached by WM_NMDLG_SNMP_REPLY); the receiver owns the message.
    // The layouts only give the message back.
    virtual void OnSnmpSendReply(UINT code, LPARAM msg);

    void OnDlgListButton1() { ButtonProcess(0); }
    void OnDlgListButton2() { ButtonProcess(1); }
    void OnDlgListButton3() { ButtonProcess(2); }
    void OnDlgListButton4() { ButtonProcess(3); }
    void OnDlgListButton5() { ButtonProcess(4); }
    void OnCancel() override;
    void Close() override { OnCancel(); }
    void Cancel() override { OnCancel(); }

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // How many replies (with any error status) the dialog has shown so far: none means the
    // agent answered nothing it asked.
    int AnsweredReplies() const { return m_nAnsweredReplies; }

    CWnd* GetHeaderLabel(int index) const;
    CWnd* GetHeaderValue(int index) const;
    CWnd* GetButton(int index) const;

protected:
    void DisplayStatus(const CSnmpPdu* pdu);
    // A request that ended without a reply; `msg` (may be null) carries the engine's words.
    void DisplayStatus(std::uint16_t code, const CSnmpMsg* msg = nullptr);
    // Appends a line of the dialog's own to the status box, selected like a reply's.
    void AppendStatusLine(const std::string& line);
    // Takes the dialog's request object: OnSnmpSendReply receives its replies, and its requests
    // wait as the dialog's options say.
    void AttachSnmp(CSnmpClass* snmp);
    // Makes OnSnmpSendReply the receiver of m_pSnmp's requests.
    void RegisterReplyReceiver();
    // Sends a request and waits for it: m_dwPendingReqId holds its id, or stays 0 when the
    // sending failed (the receiver has then already been told).
    std::uint32_t SendAndWait(std::uint16_t pduType);
    // Sends a request the dialog does not wait for; 0 when the sending failed.
    std::uint32_t SendWithoutWaiting(std::uint16_t pduType);
    // Whether an outcome is the awaited one: the reply (or time-out) of m_dwPendingReqId, or the
    // failure of the request being sent, which arrives before its id is known.
    bool IsAwaitedReply(UINT code, const CSnmpMsg* msg) const;
    // A failure reported while a request is being sent.
    bool IsSendFailure(UINT code) const { return m_bSending && code != 0; }
    // Creates the window from the template, hidden and without a parent window.
    BOOL CreateHidden();
    // Builds the list's images from bitmap 130; overlay 1 shows `overlayImage`.
    void CreateListImages(int overlayImage);
    // One row per object of m_pSnmp: its name, image 1 or 2, and blue or `otherColor`; with
    // `withData` the object is the row's item data.
    void InsertObjectRows(COLORREF otherColor, bool withData);

    // How a reply handler starts. Ignored: not the awaited outcome, nothing changes. Otherwise
    // the dialog stops waiting and writes the status line: Failed for a time-out or a failed
    // send, Answered for a reply.
    enum class ReplyKind { Ignored, Failed, Answered };
    ReplyKind AcceptReply(UINT code, const CSnmpMsg* msg);
    void DoDataExchange(bool saveAndValidate) override;
    // The buttons each layout starts with.
    virtual void InitButtons() = 0;
    void OnSize();

private:
    void SnmpReceiver(std::uint16_t code, CSnmpMsg* msg);

    bool m_bNumberBox;
    std::string m_strTarget;
    NmDlgRequestOptions m_requestOptions = nmdlgRequestOptions();
    bool m_bSending = false;
    bool m_bSendFailed = false;
    int m_nAnsweredReplies = 0;
};
