#include "dialogs/CNmDlgGet.h"

#include "dialogs/NmDlgObjectRules.h"
#include "dialogs/NmDlgOpenSet.h"
#include "snmp/CSnmpClass.h"

CNmDlgGet::CNmDlgGet(CWnd* parent, const std::string& key, const std::string& address,
                     const std::string& getCommunity, const std::string& setCommunity, int rowCount,
                     const _NmOidTable* table, const std::string& instance)
    : CNmDlgList(parent, key, address, getCommunity, setCommunity, rowCount, table, instance) {
    AttachSnmp(
        new CSnmpClass(this, address, getCommunity, setCommunity, rowCount, table, instance));
    CreateHidden();
}

BOOL CNmDlgGet::OnInitDialog() {
    CNmDlgList::OnInitDialog();
    CreateListImages(4);
    m_listCtrl.InsertColumn(0, "Object", LVCFMT_LEFT, 140, 0, kNmDefaultColor);
    m_listCtrl.InsertColumn(1, "Description", LVCFMT_LEFT, 200, 1, kNmDefaultColor);
    InsertObjectRows(kNmDefaultColor, false);
    Refresh();
    return TRUE;
}

void CNmDlgGet::Refresh() {
    if (m_dwPendingReqId == 0)
        SendAndWait(SNMP_PDU_GET);
}

void CNmDlgGet::Set() {
    // The same objects at the same instance: this dialog's target names them best, then its
    // key, then the instance alone.
    std::string target = GetTarget();
    if (target.empty())
        target = m_strKey.empty() ? m_pSnmp->m_strInstance : m_strKey;
    OpenSetDialog(*this, target, m_pSnmp->m_strInstance);
}

void CNmDlgGet::OnSnmpSendReply(UINT code, LPARAM lParam) {
    auto* msg = reinterpret_cast<CSnmpMsg*>(lParam);
    if (AcceptReply(code, msg) == ReplyKind::Answered && msg->m_pPdu->m_dwErrorStatus == 0) {
        TakeReplyValues(m_pSnmp->GetOidList(), *msg->m_pPdu);
        int row = 0;
        for (const CSnmpOid* oid : m_pSnmp->GetOidList())
            m_listCtrl.SetItemText(row++, 1, oid->m_strValue.c_str());
    }
    CSnmpMsg::Release(msg);
}
