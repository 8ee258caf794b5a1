#include "module/config/CConfigPage.h"

#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "module/config/ConfigSupport.h"
#include "module/config/InputCheck.h"
#include "module/config/StatusTexts.h"
#include "module/tables/ConfigTables.h"
#include "snmp/SnmpTransport.h"

#include <iterator>

CConfigPage::CConfigPage(const DialogTemplate& tpl, UINT statusId, int firstRow, int rowCount)
    : CDialog(tpl, nullptr), m_nStatusId(statusId), m_nFirstRow(firstRow), m_nRowCount(rowCount) {}

CConfigPage::~CConfigPage() {
    ForgetSnmpRequests(this);
}

BOOL CConfigPage::CreatePage(CWnd* parent, CWnd* mainWnd) {
    m_pMainWnd = mainWnd;
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
    m_bLastWasGet = pduType == SNMP_PDU_GET;
    m_inFlight.Start([&] { return m_pRequest->SendSnmp(pduType); });
}

void CConfigPage::ShowStatusText(const std::string& text) {
    ShowStatus(m_pStatus, text);
}

void CConfigPage::Read() {
    if (!m_pRequest || m_inFlight.IsBusy())
        return;
    // What the inputs show is about to be replaced; until it is, it is not the switch's.
    m_bLoaded = false;
    Send(SNMP_PDU_GET);
}

std::string CConfigPage::RefusedValue() const {
    for (const CSnmpOid* object : m_pRequest->GetOidList()) {
        std::string reason = RefusalOf(*object, object->m_strValue);
        if (!reason.empty())
            return RefusalLine(object->m_strName, reason);
    }
    return {};
}

bool CConfigPage::AnythingToWrite() const {
    const auto& objects = m_pRequest->GetOidList();
    if (objects.empty())
        return true;
    for (const CSnmpOid* object : objects)
        if (object->m_enumList.empty() || !object->m_strValue.empty())
            return true;
    return false;
}

PageWrite CConfigPage::Write() {
    if (!m_pRequest || m_inFlight.IsBusy())
        return PageWrite::Waiting;
    if (!m_bLoaded) {
        ShowStatus(m_pStatus, kNotReadText);
        return PageWrite::NotRead;
    }
    std::vector<std::string> before;
    for (const CSnmpOid* object : m_pRequest->GetOidList())
        before.push_back(object->m_strValue);
    StoreInputs();
    std::string refusal = RefusedValue();
    const bool nothing = refusal.empty() && !AnythingToWrite();
    if (!refusal.empty() || nothing) {
        // The objects keep what was read; the inputs keep what was typed.
        auto value = before.begin();
        for (CSnmpOid* object : m_pRequest->GetOidList())
            object->m_strValue = *value++;
        ShowStatus(m_pStatus, nothing ? std::string(kNothingToWriteText) : refusal);
        return nothing ? PageWrite::NothingChosen : PageWrite::Refused;
    }
    ShowStatus(m_pStatus, kSendSetRequestText);
    Send(SNMP_PDU_SET);
    return PageWrite::Sent;
}

void CConfigPage::OnReply(std::uint16_t code, CSnmpMsg* msg) {
    if (!TakeAnswer(m_inFlight, code, msg, m_pStatus))
        return;
    if (msg->m_pPdu->m_dwErrorStatus == 0) {
        if (m_bLastWasGet)
            m_bLoaded = true;
        else
            RefreshWindowsShowing(m_pMainWnd, *msg->m_pPdu);
        int order = 0;
        for (const CSnmpVarBind* binding : msg->m_pPdu->m_varBindList) {
            if (!binding)
                break;
            const int index =
                m_bLastWasGet ? order++ : IndexOfObjectNamed(*m_pRequest, binding->m_strOid);
            CSnmpOid* object = Object(index);
            if (!object)
                continue;
            object->m_strValue = CSnmpClass::FormatValue(binding, object);
            ShowValue(index, object->m_strValue, *binding);
        }
    }
    CSnmpMsg::Release(msg);
}

LRESULT CConfigPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEMOVE)
        RaiseInputs();
    return CDialog::WindowProc(msg, wParam, lParam);
}
