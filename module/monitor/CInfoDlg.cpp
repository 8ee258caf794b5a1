#include "module/monitor/CInfoDlg.h"

#include "controls/GridCtl/CTableControl.h"
#include "controls/common/FixedText.h"
#include "module/dialogbase/ReplyStatus.h"
#include "module/monitor/ObjectDisplay.h"
#include "module/slots/PanelMessages.h"
#include "module/slots/SlotOpening.h"
#include "platform/core/Clock.h"
#include "snmp/CSnmpClass.h"

#include <algorithm>

int ObjectColumnWidth(int widestName) {
    return std::max(CInfoDlg::kMinObjectWidth, (4 * widestName) / 5);
}

CInfoDlg::CInfoDlg(CWnd* mainWnd, CTableDlgData* record) : CSwitchInfoDlg(mainWnd, record) {
    m_pRead = std::make_unique<CSnmpClass>(
        this, record->m_szHeaderValue[2], record->m_strReadCommunity, record->m_strWriteCommunity,
        record->m_nRowCount, record->m_pOidTable, record->InstanceSuffix());
    m_pRead->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CInfoDlg::OnReadReply));
}

CInfoDlg::~CInfoDlg() = default;

CWnd* CInfoDlg::CreateFor(CWnd* mainWnd, CDlgData* record) {
    return CSwitchInfoDlg::CreateFor<CInfoDlg, CTableDlgData>(mainWnd, record);
}

void CInfoDlg::InitGrid() {
    int widest = 0;
    for (const CSnmpOid* oid : m_pRead->GetOidList())
        widest = std::max(widest, TextWidth(oid->m_strName.c_str()));
    SetCaptions({ColumnCaption(ObjectColumnWidth(widest), "Object"),
                 ColumnCaption(kDescriptionWidth, "Description")},
                0);
    CTableControl* grid = GetGrid();
    int row = 0;
    for (const CSnmpOid* oid : m_pRead->GetOidList()) {
        const std::int32_t attribute = CellAttribute(oid->m_wAccess);
        _DATAOBJ name = MakeCell(oid->m_strName, attribute);
        grid->AppendItemString(&name);
        _DATAOBJ empty = MakeCell("", attribute);
        grid->SetItemString(row++, 1, &empty);
    }
}

void CInfoDlg::OnButton(const CDlgButton& button) {
    if (button.message == std::int32_t(PANEL_MSG))
        PostOpenSlot(m_pMainWnd, button.param, m_pRecord);
    else if (button.message == std::int32_t(PANEL_REFRESH))
        StartRead();
}

void CInfoDlg::StartRead() {
    if (!m_request.IsBusy())
        m_request.Start([this] { return m_pRead->SendSnmp(SNMP_PDU_GET); });
}

void CInfoDlg::OnReadReply(std::uint16_t code, CSnmpMsg* msg) {
    const CSnmpPdu* pdu = AcceptReply(code, msg);
    if (!pdu)
        return;
    if (pdu->m_dwErrorStatus == 0) {
        const int pairs = TakeReplyValues(*m_pRead, *pdu);
        int row = 0;
        for (const CSnmpOid* oid : m_pRead->GetOidList()) {
            if (row >= pairs)
                break;
            _DATAOBJ cell = MakeCell(ObjectDisplayText(*oid), CellAttribute(oid->m_wAccess));
            GetGrid()->SetItemString(row++, 1, &cell);
        }
    }
    AppendLog(ReplyLogText(*pdu, m_pRead->GetOidList(), Clock::now()));
    CSnmpMsg::Release(msg);
    RedrawGrid();
    ShowCounter(++m_nSamples);
}
