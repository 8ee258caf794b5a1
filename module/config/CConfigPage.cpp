#include "module/config/CConfigPage.h"

#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "module/config/ConfigSupport.h"
#include "module/config/StatusTexts.h"
#include "module/tables/ConfigTables.h"
#include "snmp/SnmpTransport.h"

#include <iterator>

CConfigPage::CConfigPage(const DialogTemplate& tpl, UINT statusId, int firstRow, int rowCount)
    : CDialog(tpl, nullptr), m_nStatusId(statusId), m_nFirstRow(firstRow), m_nRowCount(rowCount) {}

CConfigPage::~CConfigPage() {
    ForgetSnmpRequests(this);
}

BOOL CConfigPage::CreatePage(CWnd* parent) {
    return Create(0, parent);
}

BOOL CConfigPage::OnInitDialog() {
    m_pStatus = ControlOf<CDlgMsgControl>(this, int(m_nStatusId));
    if (m_pStatus)
        m_pStatus->InitDlgMsg();
    SetUpInputs();
    ModuleIdentity identity = SwitchIdentity();
    m_pRequest = std::make_unique<CSnmpClass>(this, identity.agentAddress, identity.readCommunity,
                                              identity.writeCommunity, m_nRowCount,
                                              &g_ConfigTable[m_nFirstRow], ".0");
    m_pRequest->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CConfigPage::OnReply));
    Read();
    return TRUE;
}

CSnmpOid* CConfigPage::Object(int index) const {
    auto& list = m_pRequest->GetOidList();
    if (index < 0 || index >= int(list.size()))
        return nullptr;
    return *std::next(list.begin(), index);
}

void CConfigPage::Send(std::uint16_t pduType) {
    m_inFlight.Start([&] { return m_pRequest->SendSnmp(pduType); });
}

void CConfigPage::Read() {
    if (!m_pRequest || m_inFlight.IsBusy())
        return;
    Send(SNMP_PDU_GET);
}

void CConfigPage::Write() {
    if (!m_pRequest || m_inFlight.IsBusy())
        return;
    StoreInputs();
    ShowStatus(m_pStatus, kSendSetRequestText);
    Send(SNMP_PDU_SET);
}

void CConfigPage::OnReply(std::uint16_t code, CSnmpMsg* msg) {
    if (!TakeAnswer(m_inFlight, code, msg, m_pStatus))
        return;
    if (msg->m_pPdu->m_dwErrorStatus == 0) {
        int index = 0;
        for (const CSnmpVarBind* binding : msg->m_pPdu->m_varBindList) {
            CSnmpOid* object = Object(index);
            if (!object || !binding)
                break;
            object->m_strValue = CSnmpClass::FormatValue(binding, object);
            ShowValue(index, object->m_strValue, *binding);
            ++index;
        }
    }
    CSnmpMsg::Release(msg);
}

LRESULT CConfigPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEMOVE)
        RaiseInputs();
    return CDialog::WindowProc(msg, wParam, lParam);
}
