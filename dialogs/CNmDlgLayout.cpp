#include "dialogs/CNmDlgLayout.h"

#include "dialogs/NmDlgLayoutRules.h"
#include "dialogs/NmDlgObjectRules.h"
#include "dialogs/NmDlgResources.h"
#include "dialogs/NmDlgStatusText.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/AppWindow.h"
#include "platform/ui/ControlStyles.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpTransport.h"

CNmDlgLayout::CNmDlgLayout(UINT templateId, CWnd* parent, std::string key, bool numberBox)
    : CNmDlg(templateId, parent, std::move(key)), m_bNumberBox(numberBox) {}

CNmDlgLayout::~CNmDlgLayout() {
    ForgetSnmpRequests(this);
    delete m_pSnmp;
}

CWnd* CNmDlgLayout::GetHeaderLabel(int index) const {
    return index >= 0 && index < 4 ? GetDlgItem(int(IDC_NMDLG_HEADER_LABEL1) + 2 * index) : nullptr;
}

CWnd* CNmDlgLayout::GetHeaderValue(int index) const {
    return index >= 0 && index < 4 ? GetDlgItem(int(IDC_NMDLG_HEADER_VALUE1) + 2 * index) : nullptr;
}

CWnd* CNmDlgLayout::GetButton(int index) const {
    return index >= 0 && index < 5 ? GetDlgItem(int(IDC_NMDLG_BUTTON1) + index) : nullptr;
}

BOOL CNmDlgLayout::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_strKey.c_str());
    m_listCtrl.SubclassWindow(::GetDlgItem(m_hWnd, int(IDC_NMDLG_LIST)));
    m_statusBox.SubclassWindow(::GetDlgItem(m_hWnd, int(IDC_NMDLG_STATUS)));

    CRect r;
    GetWindowRect(&r);
    m_nMinWidth = m_nLastWidth = r.Width();
    m_nMinHeight = m_nLastHeight = r.Height();

    SetHeader(0, "Name", AfxGetAppName());
    SetHeader(1, "Ip Addr", m_pSnmp ? m_pSnmp->m_strIpAddr : std::string());
    SetHeader(2, "Opened", FormatLocalTime(Clock::now(), "%H:%M:%S, %m/%d/%Y"));
    SetHeader(3, "Target", "");
    InitButtons();
    return TRUE;
}

void CNmDlgLayout::SetHeader(int index, const std::string& label, const std::string& value) {
    if (CWnd* wnd = GetHeaderLabel(index)) {
        wnd->SetWindowText(label.c_str());
        wnd->ShowWindow(SW_SHOW);
    }
    SetHeaderInfo(index, value);
}

void CNmDlgLayout::SetHeaderInfo(int index, const std::string& value) {
    if (CWnd* wnd = GetHeaderValue(index)) {
        wnd->SetWindowText(value.c_str());
        wnd->ShowWindow(SW_SHOW);
    }
    UpdateData(FALSE);
}

void CNmDlgLayout::SetTarget(const std::string& target) {
    m_strTarget = target;
    SetHeaderInfo(3, target);
}

void CNmDlgLayout::SetRequestOptions(const NmDlgRequestOptions& options) {
    m_requestOptions = options;
    if (m_pSnmp) {
        m_pSnmp->m_nTimeoutMs = options.timeoutMs;
        m_pSnmp->m_nRetries = options.retries;
    }
}

void CNmDlgLayout::AttachSnmp(CSnmpClass* snmp) {
    m_pSnmp = snmp;
    RegisterReplyReceiver();
    SetRequestOptions(m_requestOptions);
}

void CNmDlgLayout::SetButton(int index, int code) {
    if (index < 0 || index >= 5)
        return;
    m_nButtonFunc[index] = code;
    CWnd* button = GetButton(index);
    const char* caption = nullptr;
    ButtonHandler handler = nullptr;
    if (ButtonFunction(code, &caption, &handler)) {
        if (button)
            button->SetWindowText(caption);
        m_pfnButton[index] = handler;
    }
    if (button)
        button->ShowWindow(SW_SHOW);
}

void CNmDlgLayout::DoDataExchange(bool saveAndValidate) {
    if (!m_statusBox.m_hWnd)
        return;
    if (saveAndValidate)
        m_strStatus = m_statusBox.GetWindowText();
    else
        m_statusBox.SetWindowText(m_strStatus.c_str());
}

void CNmDlgLayout::AppendStatusLine(const std::string& line) {
    int start = int(m_strStatus.size());
    m_strStatus += line + "\r\n";
    UpdateData(FALSE);
    m_statusBox.SetSel(start, start + int(line.size()));
}

void CNmDlgLayout::DisplayStatus(const CSnmpPdu* pdu) {
    if (pdu) {
        ++m_nAnsweredReplies;
        AppendStatusLine(ReplyStatusLine(*pdu, Clock::now()));
    }
}

void CNmDlgLayout::DisplayStatus(std::uint16_t code, const CSnmpMsg* msg) {
    AppendStatusLine(FailureStatusLine(code, msg ? msg->m_exception.m_strMessage : std::string()));
}

void CNmDlgLayout::OnSnmpSendReply(UINT, LPARAM msg) {
    CSnmpMsg::Release(reinterpret_cast<CSnmpMsg*>(msg));
}

void CNmDlgLayout::SnmpReceiver(std::uint16_t code, CSnmpMsg* msg) {
    if (m_bSending && code != 0)
        m_bSendFailed = true;
    OnSnmpSendReply(code, LPARAM(msg));
}

void CNmDlgLayout::RegisterReplyReceiver() {
    if (m_pSnmp)
        m_pSnmp->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CNmDlgLayout::SnmpReceiver));
}

std::uint32_t CNmDlgLayout::SendAndWait(std::uint16_t pduType) {
    if (!m_pSnmp)
        return 0;
    m_dwPendingReqId = SendWithoutWaiting(pduType);
    return m_pSnmp->m_dwLastReqId;
}

std::uint32_t CNmDlgLayout::SendWithoutWaiting(std::uint16_t pduType) {
    if (!m_pSnmp)
        return 0;
    m_bSending = true;
    m_bSendFailed = false;
    std::uint32_t id = m_pSnmp->SendSnmp(pduType);
    m_bSending = false;
    return m_bSendFailed ? 0 : id;
}

bool CNmDlgLayout::IsAwaitedReply(UINT code, const CSnmpMsg* msg) const {
    if (IsSendFailure(code))
        return true;
    return m_dwPendingReqId != 0 && msg && msg->m_pPdu &&
           msg->m_pPdu->m_dwReqId == m_dwPendingReqId;
}

BOOL CNmDlgLayout::CreateHidden() {
    m_pParentWnd = nullptr;
    return Create(m_nIDTemplate, nullptr);
}

void CNmDlgLayout::CreateListImages(int overlayImage) {
    m_imageList.Create(IDB_NMDLG_LIST_IMAGES, kNmListImageSize, 1, kNmListMaskColor);
    m_imageList.SetOverlayImage(overlayImage, 1);
    m_listCtrl.SetImageList(&m_imageList, LVSIL_SMALL);
}

void CNmDlgLayout::InsertObjectRows(COLORREF otherColor, bool withData) {
    if (!m_pSnmp)
        return;
    int row = 0;
    for (CSnmpOid* oid : m_pSnmp->GetOidList()) {
        UINT mask = LVIF_TEXT | LVIF_IMAGE | (withData ? LVIF_PARAM : 0);
        m_listCtrl.InsertItem(mask, row++, oid->m_strName.c_str(), 0, 0,
                              ObjectImage(oid->m_wAccess), withData ? LPARAM(oid) : 0,
                              ObjectColor(oid->m_wAccess, otherColor));
    }
}

CNmDlgLayout::ReplyKind CNmDlgLayout::AcceptReply(UINT code, const CSnmpMsg* msg) {
    if (!IsAwaitedReply(code, msg))
        return ReplyKind::Ignored;
    m_dwPendingReqId = 0;
    if (code != 0 || !msg || !msg->m_pPdu) {
        DisplayStatus(std::uint16_t(code), msg);
        return ReplyKind::Failed;
    }
    DisplayStatus(msg->m_pPdu);
    return ReplyKind::Answered;
}

void CNmDlgLayout::OnCancel() {
    DestroyWindow();
}

void CNmDlgLayout::OnSize() {
    CSize change;
    if (!TakeSizeChange(change))
        return;
    for (const ControlMove& move : ListLayoutMoves(change.cx, change.cy, m_bNumberBox))
        MoveControl(GetDlgItem(int(move.id)), move.dx, move.dy, move.dw, move.dh, TRUE);
    Resize(change);
}

LRESULT CNmDlgLayout::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_NMDLG_SNMP_REPLY:
        OnSnmpSendReply(UINT(wParam), lParam);
        return 0;
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (HIWORD(wParam) == BN_CLICKED && id >= int(IDC_NMDLG_BUTTON1) &&
            id < int(IDC_NMDLG_BUTTON1) + 5) {
            switch (id - int(IDC_NMDLG_BUTTON1)) {
            case 0:
                OnDlgListButton1();
                break;
            case 1:
                OnDlgListButton2();
                break;
            case 2:
                OnDlgListButton3();
                break;
            case 3:
                OnDlgListButton4();
                break;
            default:
                OnDlgListButton5();
                break;
            }
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return CNmDlg::WindowProc(msg, wParam, lParam);
}
