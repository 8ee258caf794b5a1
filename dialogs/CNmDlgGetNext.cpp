#include "dialogs/CNmDlgGetNext.h"

#include "dialogs/NmDlgObjectRules.h"
#include "dialogs/NmDlgOpenSet.h"
#include "snmp/CSnmpClass.h"

CNmDlgGetNext::CNmDlgGetNext(CWnd* parent, const std::string& key, const std::string& address,
                             const std::string& getCommunity, const std::string& setCommunity,
                             int rowCount, const _NmOidTable* table, const std::string& instance)
    : CNmDlgList(parent, key, address, getCommunity, setCommunity, rowCount, table, instance) {
    AttachSnmp(
        new CSnmpClass(this, address, getCommunity, setCommunity, rowCount, table, instance));
    CreateHidden();
}

BOOL CNmDlgGetNext::OnInitDialog() {
    CNmDlgList::OnInitDialog();
    CreateListImages(4);
    m_listCtrl.m_pfnDblClick = static_cast<CNmListCtrl::DblClickFn>(&CNmDlgGetNext::OnItemDblClick);
    SetButton(1, kMore);
    int col = 0;
    for (const CSnmpOid* oid : m_pSnmp->GetOidList()) {
        m_listCtrl.InsertColumn(col, oid->m_strName.c_str(), LVCFMT_LEFT, 70, col,
                                ObjectColor(oid->m_wAccess, kNmDefaultColor));
        ++col;
    }
    Refresh();
    return TRUE;
}

void CNmDlgGetNext::Refresh() {
    if (m_dwPendingReqId != 0)
        return;
    m_listCtrl.DeleteAllItems();
    GetNext();
}

void CNmDlgGetNext::GetNext() {
    SendAndWait(SNMP_PDU_GETNEXT);
}

void CNmDlgGetNext::OnSnmpSendReply(UINT code, LPARAM lParam) {
    auto* msg = reinterpret_cast<CSnmpMsg*>(lParam);
    ReplyKind kind = AcceptReply(code, msg);
    if (kind == ReplyKind::Failed) {
        // The walk stops; the next Refresh starts from the first row.
        m_pSnmp->m_strPosition.clear();
    } else if (kind == ReplyKind::Answered) {
        CSnmpPdu* pdu = msg->m_pPdu;
        if (pdu->m_dwErrorStatus != 0) {
            m_pSnmp->m_strPosition.clear();
        } else if (!m_pSnmp->IsEndOfTable(pdu)) {
            TakeReplyValues(m_pSnmp->GetOidList(), *pdu);
            int row = m_listCtrl.GetItemCount();
            int col = 0;
            for (const CSnmpOid* oid : m_pSnmp->GetOidList()) {
                if (col == 0)
                    m_listCtrl.InsertItem(LVIF_TEXT, row, oid->m_strValue.c_str(), 0, 0, -1, 0,
                                          kNmDefaultColor);
                else
                    m_listCtrl.SetItemText(row, col, oid->m_strValue.c_str());
                ++col;
            }
            GetNext();
        }
    }
    CSnmpMsg::Release(msg);
}

void CNmDlgGetNext::OnItemDblClick(NMHDR* hdr, LRESULT*) {
    // More acts on the row that was double-clicked, whatever was selected before.
    const int row = reinterpret_cast<NMITEMACTIVATE*>(hdr)->iItem;
    if (row >= 0)
        m_listCtrl.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    More();
}

void CNmDlgGetNext::More() {
    int row = m_listCtrl.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    std::vector<RowCell> cells;
    int col = 0;
    for (const CSnmpOid* oid : m_pSnmp->GetOidList())
        cells.push_back({oid->m_strName, oid->m_wAccess, m_listCtrl.GetItemText(row, col++)});
    RowTarget target = TargetOfRow(cells);
    OpenSetDialog(*this, target.title, target.instance);
}
