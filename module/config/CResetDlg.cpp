#include "module/config/CResetDlg.h"

#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "module/config/ConfigSupport.h"
#include "module/config/NoReplyText.h"
#include "module/config/StatusTexts.h"
#include "module/slots/CDlgData.h"
#include "module/slots/PanelMessages.h"
#include "platform/ui/ControlStyles.h"
#include "snmp/SnmpTransport.h"

namespace {

constexpr const char* kResetLabel = "Reset";

DialogTemplate ResetTemplate() {
    DialogTemplate tpl;
    tpl.x = 40;
    tpl.y = 40;
    tpl.cx = 220;
    tpl.cy = 124;
    tpl.style = WS_CAPTION | WS_SYSMENU;
    tpl.items = {
        {1201, "STATIC", 8, 8, 44, 10, WS_VISIBLE | SS_LEFT, "Name"},
        {CResetDlg::kNameId, "STATIC", 54, 8, 158, 10, WS_VISIBLE | SS_LEFT, ""},
        {1202, "STATIC", 8, 22, 44, 10, WS_VISIBLE | SS_LEFT, "IP Address"},
        {CResetDlg::kAddressId, "STATIC", 54, 22, 158, 10, WS_VISIBLE | SS_LEFT, ""},
        {CResetDlg::kTextId, "STATIC", 8, 40, 204, 40, WS_VISIBLE | SS_LEFT, ""},
        {CResetDlg::kStatusId, "DlgMsgCtrlClass", 8, 84, 204, 11, WS_VISIBLE, ""},
        {CResetDlg::kButtonId, "FlatBtnCtrlClass", 85, 102, 50, 14, WS_VISIBLE | WS_TABSTOP, ""},
    };
    return tpl;
}

} // namespace

CResetDlg::CResetDlg(CWnd* mainWnd, CFormDlgData* record)
    : CModelessDialog(ResetTemplate(), mainWnd), m_pMainWnd(mainWnd), m_pRecord(record) {}

CResetDlg::~CResetDlg() {
    ForgetSnmpRequests(this);
}

CWnd* CResetDlg::CreateFor(CWnd* mainWnd, CDlgData* record) {
    return CModelessDialog::CreateFor<CResetDlg, CFormDlgData>(mainWnd, record);
}

BOOL CResetDlg::OnInitDialog() {
    SetWindowText(m_pRecord->m_strTitle.c_str());
    m_nameFont = std::make_unique<CFont>();
    m_nameFont->CreateFont(-12, "MS Sans Serif");
    ModuleIdentity identity = SwitchIdentity();
    if (CWnd* name = GetDlgItem(kNameId)) {
        name->SetFont(m_nameFont.get());
        name->SetWindowText(identity.deviceName.c_str());
    }
    if (CWnd* address = GetDlgItem(kAddressId)) {
        address->SetFont(m_nameFont.get());
        address->SetWindowText(identity.agentAddress.c_str());
    }
    if (CWnd* text = GetDlgItem(kTextId))
        text->SetWindowText(m_pRecord->m_strTextA.c_str());
    m_pStatus = ControlOf<CDlgMsgControl>(this, int(kStatusId));
    if (m_pStatus)
        m_pStatus->InitDlgMsg();
    if (auto* button = ControlOf<CFBCtrl>(this, int(kButtonId)))
        button->InitFlatButton(m_pRecord->m_labels.empty() ? "" : m_pRecord->m_labels[0].c_str());
    return TRUE;
}

void CResetDlg::OnClick(UINT id) {
    if (id < kButtonId)
        return;
    std::size_t label = id - kButtonId;
    if (label < m_pRecord->m_labels.size() && m_pRecord->m_labels[label] == kResetLabel)
        Reset();
}

void CResetDlg::Reset() {
    ModuleIdentity identity = SwitchIdentity();
    auto request = std::make_unique<CSnmpClass>(
        this, identity.agentAddress, identity.readCommunity, identity.writeCommunity,
        m_pRecord->m_nRowCount, m_pRecord->m_pOidTable, m_pRecord->InstanceSuffix());
    request->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CResetDlg::OnReply));
    if (!request->GetOidList().empty())
        request->GetOidList().front()->m_strValue = m_pRecord->m_strTextB;
    CSnmpClass* sending = request.get();
    m_requests.push_back(std::move(request));
    ShowStatus(m_pStatus, kSendSetRequestText);
    m_inFlight.Start([&] { return sending->SendSnmp(SNMP_PDU_SET); });
    PostToMain(m_pMainWnd, PANEL_REFRESH, m_pRecord->m_nKind);
}

void CResetDlg::OnReply(std::uint16_t code, CSnmpMsg* msg) {
    if (!AcceptReply(m_inFlight, msg))
        return;
    if (IsAnswer(code, msg))
        ShowReplyStatus(m_pStatus, *msg);
    else if (code == SNMP_ERR_TIMEOUT)
        ShowStatus(m_pStatus, kResettingText);
    else // a request that never left says so: the switch is not restarting
        ShowStatus(m_pStatus, NoReplyText(code, msg ? msg->m_exception.m_strMessage : ""));
    CSnmpMsg::Release(msg);
}

void CResetDlg::OnCancel() {
    PostToMain(m_pMainWnd, PANEL_CHILD_CLOSED, m_pRecord->m_nKind);
    DestroyWindow();
}

LRESULT CResetDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case CTRL_CLICK_MSG:
        OnClick(UINT(lParam));
        return 0;
    case WM_MOUSEMOVE:
        if (auto* button = ControlOf<CFBCtrl>(this, int(kButtonId)))
            button->RaiseButton();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
