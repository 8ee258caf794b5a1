#include "module/config/CSettingsForm.h"

#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "module/config/ConfigSupport.h"
#include "module/slots/CDlgData.h"
#include "module/slots/PanelMessages.h"
#include "platform/ui/ControlStyles.h"
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
      m_pRecord(record), m_editor(record->m_pOidTable, record->m_nRowCount, this,
                                  static_cast<SNMPCALLBACK>(&CSettingsForm::OnReply)) {}

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
    std::vector<int> inputRows = m_editor.Rows().InputRows();
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
        m_editor.AddInput(MakeInput(k, inputRows[std::size_t(k)]));
    }
    auto* status = dynamic_cast<CDlgMsgControl*>(GetDlgItem(int(m_ids.status)));
    if (status)
        status->InitDlgMsg();
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

    RowContext context;
    context.mainWnd = m_pMainWnd;
    context.slot = m_pRecord->m_nKind;
    context.refreshSlot = m_pRecord->m_nNumber;
    context.keys = m_pRecord;
    context.rowStatusText = m_pRecord->m_strTextB;
    context.afterValues = [this] { AfterValues(); };
    m_editor.Start(std::move(context), status);
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
    if (CWnd* status = GetDlgItem(int(m_ids.status)))
        status->MoveWindow(&m_layout.status);
    for (UINT b = 0; b < 2; ++b)
        if (CWnd* button = GetDlgItem(int(m_ids.firstButton + b)))
            button->MoveWindow(&m_layout.buttons[b]);
    CRect outer;
    GetWindowRect(&outer);
    MoveWindow(outer.left, outer.top, m_layout.client.cx, m_layout.client.cy);
}

void CSettingsForm::Write() {
    if (m_editor.Write() == PageWrite::Sent)
        PostToMain(m_pMainWnd, PANEL_REFRESH, m_pRecord->m_nKind);
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
    case PANEL_REFRESH:
        // Its own Apply's refresh changes nothing here; another window's set does.
        if (lParam == PANEL_REFRESH_WRITTEN)
            m_editor.Reread();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_MAXTEXT) {
            m_editor.OnFieldCut(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        m_editor.RaiseInputs();
        RaiseButtons();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}
