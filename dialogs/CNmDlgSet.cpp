#include "dialogs/CNmDlgSet.h"

#include "dialogs/NmDlgObjectRules.h"
#include "snmp/CSnmpClass.h"

#include <algorithm>

CNmDlgSet::CNmDlgSet(CWnd* parent, const std::string& key, const std::string& address,
                     const std::string& getCommunity, const std::string& setCommunity, int rowCount,
                     const _NmOidTable* table, const std::string& instance)
    : CNmDlgListSet(parent, key, address, getCommunity, setCommunity, rowCount, table, instance) {
    AttachSnmp(
        new CSnmpClass(this, address, getCommunity, setCommunity, rowCount, table, instance));
    m_pSnmp->RemoveReadOnlyObjid();
    CreateHidden();
}

BOOL CNmDlgSet::OnInitDialog() {
    CNmDlgListSet::OnInitDialog();
    CreateListImages(3);
    m_listCtrl.m_pfnLabelChanged =
        static_cast<CNmListCtrl::LabelChangedFn>(&CNmDlgSet::OnLabelChanged);
    m_listCtrl.m_pfnLButtonDown =
        static_cast<CNmListCtrl::LButtonFn>(&CNmDlgSet::OnLButtonDownClick);
    m_listCtrl.InsertColumn(0, "Object", LVCFMT_LEFT, 140, 0, kNmDefaultColor);
    m_listCtrl.InsertColumn(1, "Description", LVCFMT_LEFT, 200, 1, kNmDefaultColor);
    InsertObjectRows(kNmDefaultColor, true);
    Refresh();
    return TRUE;
}

CSnmpOid* CNmDlgSet::RowObject(int row) const {
    return reinterpret_cast<CSnmpOid*>(m_listCtrl.GetItemData(row));
}

void CNmDlgSet::Refresh() {
    if (m_dwPendingReqId == 0)
        SendAndWait(SNMP_PDU_GET);
}

void CNmDlgSet::OnLButtonDownClick(int row, int, LRESULT*) {
    if (!m_listCtrl.GetItemState(row, LVIS_FOCUSED)) {
        m_listCtrl.SetItemState(row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
        return;
    }
    const CSnmpOid* object = RowObject(row);
    if (!object ||
        !(IsWritableObject(object->m_wAccess) || (object->m_wAccess & SNMP_ACCESS_INDEX)))
        return;
    // The value is what is edited, whichever cell of the focused row was clicked.
    if (object->m_enumList.empty()) {
        m_listCtrl.EditSubLabel(row, 1);
        return;
    }
    std::vector<std::string> texts;
    for (const CEnumData* item : object->m_enumList)
        texts.push_back(item->m_strText);
    auto current = std::find(texts.begin(), texts.end(), m_listCtrl.GetItemText(row, 1));
    if (current != texts.end())
        m_listCtrl.ShowInPlaceList(row, 1, texts, int(current - texts.begin()));
}

void CNmDlgSet::OnLabelChanged(int row, int, const std::string& text) {
    const CSnmpOid* object = RowObject(row);
    if (!object)
        return;
    m_listCtrl.SetItemState(row,
                            text == ListCellText(object->m_strValue) ? 0 : INDEXTOOVERLAYMASK(1),
                            LVIS_OVERLAYMASK);
}

void CNmDlgSet::Apply() {
    if (m_dwPendingReqId != 0)
        return;
    int row = 0;
    for (CSnmpOid* object : m_pSnmp->GetOidList())
        object->m_strValue = ValueToWrite(m_listCtrl.GetItemText(row++, 1), object->m_strValue);
    std::string instance = InstanceOfIndexValues(m_pSnmp->GetOidList());
    if (!instance.empty())
        m_pSnmp->m_strInstance = instance;
    SendAndWait(SNMP_PDU_SET);
}

void CNmDlgSet::OnSnmpSendReply(UINT code, LPARAM lParam) {
    auto* msg = reinterpret_cast<CSnmpMsg*>(lParam);
    if (AcceptReply(code, msg) == ReplyKind::Answered && msg->m_pPdu->m_dwErrorStatus == 0) {
        if (m_pSnmp->m_wPduType == SNMP_PDU_SET) {
            Refresh();
        } else {
            TakeReplyValues(m_pSnmp->GetOidList(), *msg->m_pPdu);
            int row = 0;
            for (const CSnmpOid* object : m_pSnmp->GetOidList()) {
                m_listCtrl.SetItemText(row, 1, object->m_strValue.c_str());
                // The row now shows the agent's value: nothing is changed any more.
                m_listCtrl.SetItemState(row++, 0, LVIS_OVERLAYMASK);
            }
        }
    }
    CSnmpMsg::Release(msg);
}
