#include "module/config/CSettingsForm.h"

#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "module/config/ConfigSupport.h"
#include "module/config/InputCheck.h"
#include "module/config/StatusTexts.h"
#include "module/slots/CDlgData.h"
#include "module/slots/PanelMessages.h"
#include "platform/ui/CStatic.h"
#include "snmp/SnmpTransport.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr const char* kCloseLabel = "Close";
} // namespace

DialogTemplate SettingsFormTemplate(const FormControlIds& ids) {
    DialogTemplate tpl;
    tpl.x = 50;
    tpl.y = 50;
    tpl.cx = 200;
    tpl.cy = 100;
    tpl.style = WS_CAPTION | WS_SYSMENU;
    for (int k = 0; k < ids.maxRows; ++k) {
        tpl.items.push_back(
            {ids.firstLabel + UINT(k), "STATIC", 0, 0, 10, 10, WS_VISIBLE | SS_LEFT, ""});
        tpl.items.push_back(
            {ids.firstInput + UINT(k), ids.inputClass, 0, 0, 10, 10, WS_VISIBLE | WS_TABSTOP, ""});
    }
    tpl.items.push_back({ids.status, "DlgMsgCtrlClass", 0, 0, 10, 10, WS_VISIBLE, ""});
    for (UINT b = 0; b < 2; ++b)
        tpl.items.push_back(
            {ids.firstButton + b, "FlatBtnCtrlClass", 0, 0, 10, 10, WS_VISIBLE | WS_TABSTOP, ""});
    return tpl;
}

CSettingsForm::CSettingsForm(const FormControlIds& ids, CWnd* mainWnd, CFormDlgData* record)
    : CModelessDialog(SettingsFormTemplate(ids), mainWnd), m_ids(ids), m_pMainWnd(mainWnd),
      m_pRecord(record), m_rows(record->m_pOidTable, record->m_nRowCount) {}

CSettingsForm::~CSettingsForm() {
    ForgetSnmpRequests(this);
}

const _NmOidTable& CSettingsForm::Row(int row) const {
    return m_pRecord->m_pOidTable[row];
}

CWnd* CSettingsForm::Input(int input) const {
    return GetDlgItem(int(m_ids.firstInput) + input);
}

BOOL CSettingsForm::OnInitDialog() {
    std::vector<int> inputRows = m_rows.InputRows();
    m_nInputs = std::min(int(inputRows.size()), m_ids.maxRows);
    for (int k = 0; k < m_ids.maxRows; ++k) {
        CWnd* label = GetDlgItem(int(m_ids.firstLabel) + k);
        CWnd* input = Input(k);
        if (k >= m_nInputs) {
            if (label)
                label->ShowWindow(SW_HIDE);
            if (input)
                input->ShowWindow(SW_HIDE);
            continue;
        }
        const _NmOidTable& row = Row(inputRows[std::size_t(k)]);
        m_longestName = std::max(m_longestName, std::strlen(row.szName));
        if (label)
            label->SetWindowText(row.szName);
        SetUpInput(k, inputRows[std::size_t(k)]);
    }
    m_pStatus = dynamic_cast<CDlgMsgControl*>(GetDlgItem(int(m_ids.status)));
    if (m_pStatus)
        m_pStatus->InitDlgMsg();
    for (UINT b = 0; b < 2; ++b)
        if (auto* button = dynamic_cast<CFBCtrl*>(GetDlgItem(int(m_ids.firstButton + b))))
            button->InitFlatButton(b < m_pRecord->m_labels.size() ? m_pRecord->m_labels[b].c_str()
                                                                  : "");
    // Enter in a field applies the form: the button that writes is its default.
    for (UINT b = 0; b < 2 && b < m_pRecord->m_labels.size(); ++b)
        if (m_pRecord->m_labels[b] != kCloseLabel) {
            SetDefID(m_ids.firstButton + b);
            break;
        }
    LayOut();
    SetWindowText(m_pRecord->m_strTitle.c_str());

    ModuleIdentity identity = SwitchIdentity();
    m_pRequest = std::make_unique<CSnmpClass>(this, identity.agentAddress, identity.readCommunity,
                                              identity.writeCommunity, m_pRecord->m_nRowCount,
                                              m_pRecord->m_pOidTable, "");
    m_pRequest->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CSettingsForm::OnReply));
    bool complete = true;
    m_pRequest->m_strInstance = ScalarIfEmpty(
        m_rows.ReadInstance(m_pRequest->GetOidList(), m_pRecord->m_strKeys, complete));
    m_bNewRow = !complete;
    if (complete)
        Read();
    return TRUE;
}

void CSettingsForm::LayOut() {
    m_layout = LayOutForm(m_ids.kind, m_nInputs, m_longestName, LongestInputText());
    for (int k = 0; k < m_nInputs; ++k) {
        if (CWnd* label = GetDlgItem(int(m_ids.firstLabel) + k))
            label->MoveWindow(&m_layout.labels[std::size_t(k)]);
        if (CWnd* input = Input(k))
            input->MoveWindow(&m_layout.inputs[std::size_t(k)]);
    }
    if (m_pStatus)
        m_pStatus->MoveWindow(&m_layout.status);
    for (UINT b = 0; b < 2; ++b)
        if (CWnd* button = GetDlgItem(int(m_ids.firstButton + b)))
            button->MoveWindow(&m_layout.buttons[b]);
    CRect outer;
    GetWindowRect(&outer);
    MoveWindow(outer.left, outer.top, m_layout.client.cx, m_layout.client.cy);
}

void CSettingsForm::Send(std::uint16_t pduType) {
    m_bLastWasGet = pduType == SNMP_PDU_GET;
    m_inFlight.Start([&] { return m_pRequest->SendSnmp(pduType); });
}

void CSettingsForm::Read() {
    if (!m_pRequest || m_inFlight.IsBusy())
        return;
    Send(SNMP_PDU_GET);
}

std::string CSettingsForm::RefusedInput() {
    auto object = m_pRequest->GetOidList().begin();
    for (int row = 0; row < m_rows.RowCount() && object != m_pRequest->GetOidList().end();
         ++row, ++object) {
        const int input = m_rows.InputOf(row);
        if (input < 0 || input >= m_nInputs)
            continue;
        std::string reason = RefusalOf(**object, InputText(input), m_bNewRow);
        if (!reason.empty())
            return RefusalLine(Row(row).szName, reason);
    }
    return {};
}

bool CSettingsForm::AnythingToWrite() const {
    auto object = m_pRequest->GetOidList().begin();
    for (int row = 0; row < m_rows.RowCount() && object != m_pRequest->GetOidList().end();
         ++row, ++object)
        if (m_rows.Role(row) != FormRowRole::Plain || (*object)->m_enumList.empty() ||
            !(*object)->m_strValue.empty())
            return true;
    return false;
}

void CSettingsForm::Write() {
    if (!m_pRequest || m_inFlight.IsBusy())
        return;
    if (!m_bLoaded && !m_bNewRow) {
        ShowStatus(m_pStatus, kNotReadText);
        return;
    }
    if (std::string refusal = RefusedInput(); !refusal.empty()) {
        ShowStatus(m_pStatus, refusal);
        return;
    }
    m_pRequest->m_strInstance = ScalarIfEmpty(
        m_rows.WriteInstance(m_pRequest->GetOidList(), m_pRecord->m_strKeys, m_pRecord->m_strTextB,
                             [this](int input) { return InputText(input); }));
    if (!AnythingToWrite()) {
        ShowStatus(m_pStatus, kNothingToWriteText);
        return;
    }
    ShowStatus(m_pStatus, kSendSetRequestText);
    Send(SNMP_PDU_SET);
    PostToMain(m_pMainWnd, PANEL_REFRESH, m_pRecord->m_nKind);
}

void CSettingsForm::OnReply(std::uint16_t code, CSnmpMsg* msg) {
    if (!TakeAnswer(m_inFlight, code, msg, m_pStatus))
        return;
    const CSnmpPdu& pdu = *msg->m_pPdu;
    if (pdu.m_dwErrorStatus == 0) {
        // After a set too: the row exists now, and later writes edit what was written.
        m_bLoaded = true;
        if (!m_bLastWasGet)
            RefreshWindowsShowing(m_pMainWnd, pdu, m_pRecord->m_nNumber);
        std::vector<int> rows = RowsOfReply(pdu);
        std::size_t b = 0;
        for (const CSnmpVarBind* binding : pdu.m_varBindList) {
            int row = rows[b++];
            if (row < 0 || !binding)
                continue;
            CSnmpOid* object = *std::next(m_pRequest->GetOidList().begin(), row);
            object->m_strValue = CSnmpClass::FormatValue(binding, object);
            int input = m_rows.InputOf(row);
            if (input >= 0 && input < m_nInputs)
                ShowValue(input, row, object->m_strValue, *binding);
        }
        AfterValues();
    }
    PostToMain(m_pMainWnd, PANEL_REFRESH, m_pRecord->m_nNumber);
    CSnmpMsg::Release(msg);
}

std::vector<int> CSettingsForm::RowsOfReply(const CSnmpPdu& pdu) const {
    if (m_bLastWasGet)
        return m_rows.ReplyRows(pdu.m_varBindList.size(), true);
    std::vector<int> rows;
    for (const CSnmpVarBind* binding : pdu.m_varBindList) {
        const int row = binding ? IndexOfObjectNamed(*m_pRequest, binding->m_strOid) : -1;
        rows.push_back(row < m_rows.RowCount() ? row : -1);
    }
    return rows;
}

void CSettingsForm::OnClick(UINT id) {
    if (id < m_ids.firstButton)
        return;
    std::size_t label = id - m_ids.firstButton;
    if (label >= m_pRecord->m_labels.size())
        return;
    if (m_pRecord->m_labels[label] == kCloseLabel)
        OnCancel();
    else
        Write();
}

void CSettingsForm::RaiseButtons() {
    for (UINT b = 0; b < 2; ++b)
        if (auto* button = dynamic_cast<CFBCtrl*>(GetDlgItem(int(m_ids.firstButton + b))))
            button->RaiseButton();
}

void CSettingsForm::OnCancel() {
    PostToMain(m_pMainWnd, PANEL_CHILD_CLOSED, m_pRecord->m_nKind);
    DestroyWindow();
}

LRESULT CSettingsForm::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case CTRL_CLICK_MSG:
        OnClick(UINT(lParam));
        return 0;
    case WM_MOUSEMOVE:
        RaiseInputs();
        RaiseButtons();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
