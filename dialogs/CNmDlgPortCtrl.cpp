#include "dialogs/CNmDlgPortCtrl.h"

#include "dialogs/NmDlgObjectRules.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int kEditableCell = 8;
constexpr int kToggleMark = 9;
} // namespace

CNmDlgPortCtrl::CNmDlgPortCtrl(CWnd* parent, const std::string& key, const std::string& address,
                               const std::string& getCommunity, const std::string& setCommunity,
                               int rowCount, const _NmOidTable* table, const std::string& instance)
    : CNmDlgListSet(parent, key, address, getCommunity, setCommunity, rowCount, table, instance) {
    m_pSnmp = new CSnmpClass(this, address, getCommunity, setCommunity, rowCount, table, instance);
    RegisterReplyReceiver();
    m_setReqIds.clear();
    CreateHidden();
}

BOOL CNmDlgPortCtrl::OnInitDialog() {
    CNmDlgListSet::OnInitDialog();
    CreateListImages(kToggleMark);
    m_listCtrl.SetBkColor(RGB(0xC0, 0xC0, 0xC0));
    m_listCtrl.m_dwStyle =
        (m_listCtrl.m_dwStyle & ~NMLS_FULLROWSELECT) | NMLS_CELLSTATEIMAGES | NMLS_NOSELECTION;
    m_listCtrl.m_pfnLButtonDown =
        static_cast<CNmListCtrl::LButtonFn>(&CNmDlgPortCtrl::OnLButtonDownClick);
    m_listCtrl.InsertColumn(0, "", LVCFMT_LEFT, 140, 0, kNmDefaultColor);
    InsertObjectRows(GetSysColor(COLOR_WINDOWTEXT), true);
    Refresh();
    return TRUE;
}

CSnmpOid* CNmDlgPortCtrl::RowObject(int row) const {
    return reinterpret_cast<CSnmpOid*>(m_listCtrl.GetItemData(row));
}

int CNmDlgPortCtrl::CellStateImage(int row, int col) const {
    LVITEM item;
    item.mask = LVIF_STATE;
    item.iItem = row;
    item.iSubItem = col;
    item.stateMask = LVIS_STATEIMAGEMASK;
    m_listCtrl.GetItem(&item);
    return int((item.state & LVIS_STATEIMAGEMASK) >> 12);
}

bool CNmDlgPortCtrl::CellToggled(int row, int col) const {
    LVITEM item;
    item.mask = LVIF_STATE;
    item.iItem = row;
    item.iSubItem = col;
    item.stateMask = LVIS_OVERLAYMASK;
    m_listCtrl.GetItem(&item);
    return (item.state & LVIS_OVERLAYMASK) != 0;
}

void CNmDlgPortCtrl::Refresh() {
    if (m_dwPendingReqId != 0)
        return;
    m_nPortColumns = 0;
    GetNext();
}

void CNmDlgPortCtrl::GetNext() {
    SendAndWait(SNMP_PDU_GETNEXT);
}

void CNmDlgPortCtrl::OnSnmpSendReply(UINT code, LPARAM lParam) {
    auto* msg = reinterpret_cast<CSnmpMsg*>(lParam);
    // Set replies are told apart by their ids, so a walk started meanwhile does not hide them.
    const bool setReply = IsSendFailure(code)
                              ? m_pSnmp->m_wPduType == SNMP_PDU_SET
                              : msg && msg->m_pPdu &&
                                    std::find(m_setReqIds.begin(), m_setReqIds.end(),
                                              msg->m_pPdu->m_dwReqId) != m_setReqIds.end();
    if (setReply)
        OnSetReply(code, msg);
    else
        OnWalkReply(code, msg);
    CSnmpMsg::Release(msg);
}

void CNmDlgPortCtrl::OnWalkReply(UINT code, CSnmpMsg* msg) {
    ReplyKind kind = AcceptReply(code, msg);
    if (kind == ReplyKind::Failed) {
        m_pSnmp->m_strPosition.clear();
        return;
    }
    if (kind != ReplyKind::Answered)
        return;
    CSnmpPdu* pdu = msg->m_pPdu;
    if (pdu->m_dwErrorStatus != 0) {
        m_pSnmp->m_strPosition.clear();
        return;
    }
    if (m_pSnmp->IsEndOfTable(pdu))
        return;
    auto binding = pdu->m_varBindList.begin();
    for (CSnmpOid* object : m_pSnmp->GetOidList()) {
        object->m_strValue =
            binding != pdu->m_varBindList.end() ? PortCellValue(**binding++, *object) : "0";
    }
    ++m_nPortColumns;
    if (m_nPortColumns >= m_listCtrl.GetColumnCount())
        m_listCtrl.InsertColumn(m_nPortColumns, m_pSnmp->m_strPosition.substr(1).c_str(),
                                LVCFMT_CENTER, 26, m_nPortColumns, kNmDefaultColor);
    ShowPortColumn(m_nPortColumns);
    GetNext();
}

void CNmDlgPortCtrl::ShowPortColumn(int col) {
    int row = 0;
    for (const CSnmpOid* object : m_pSnmp->GetOidList()) {
        PortCellLook look =
            PortCellLookOf(std::atoi(object->m_strValue.c_str()), object->m_wAccess);
        LVITEM item;
        item.mask = LVIF_TEXT | LVIF_STATE;
        item.iItem = row++;
        item.iSubItem = col;
        item.pszText = const_cast<char*>(object->m_strValue.c_str());
        item.state = INDEXTOSTATEIMAGEMASK(UINT(look.stateImage)) |
                     (look.toggled ? INDEXTOOVERLAYMASK(1) : 0);
        item.stateMask = LVIS_STATEIMAGEMASK | LVIS_OVERLAYMASK;
        m_listCtrl.SetItem(&item);
    }
}

void CNmDlgPortCtrl::OnLButtonDownClick(int row, int col, LRESULT*) {
    if (col < 1 || CellStateImage(row, col) != kEditableCell)
        return;
    LVITEM item;
    item.mask = LVIF_STATE;
    item.iItem = row;
    item.iSubItem = col;
    item.state = CellToggled(row, col) ? 0 : INDEXTOOVERLAYMASK(1);
    item.stateMask = LVIS_OVERLAYMASK;
    m_listCtrl.SetItem(&item);
    m_listCtrl.Invalidate(FALSE);
}

void CNmDlgPortCtrl::Apply() {
    if (m_dwPendingReqId != 0 || m_nPortColumns < 1)
        return;
    for (int col = 1; col <= m_nPortColumns; ++col) {
        bool changed = false;
        int row = 0;
        for (CSnmpOid* object : m_pSnmp->GetOidList()) {
            const int r = row++;
            if (object->m_wAccess & 0x01)
                continue;
            int v = PortCellChoice(CellStateImage(r, col), CellToggled(r, col));
            // A cell without a value sends nothing for its object.
            object->m_strValue = v != 0 ? EnumTextAt(*object, v) : std::string();
            if (v != 0 && v != std::atoi(m_listCtrl.GetItemText(r, col).c_str()))
                changed = true;
        }
        if (!changed)
            continue;
        m_pSnmp->m_strPosition = FormatText(".%s", m_listCtrl.GetColumnHeading(col).c_str());
        if (std::uint32_t id = SendWithoutWaiting(SNMP_PDU_SET))
            m_setReqIds.push_back(id);
    }
    // The next walk starts from the first port, whatever was written last.
    m_pSnmp->m_strPosition.clear();
}

void CNmDlgPortCtrl::OnSetReply(UINT code, CSnmpMsg* msg) {
    if (msg && msg->m_pPdu) {
        auto it = std::find(m_setReqIds.begin(), m_setReqIds.end(), msg->m_pPdu->m_dwReqId);
        // A time-out leaves no reply to wait for either.
        if (it != m_setReqIds.end())
            m_setReqIds.erase(it);
    }
    if (code != 0) {
        DisplayStatus(std::uint16_t(code));
        m_pSnmp->m_strPosition.clear();
        return;
    }
    if (msg && msg->m_pPdu && msg->m_pPdu->m_dwErrorStatus == 0 && m_setReqIds.empty()) {
        m_pSnmp->m_strPosition.clear();
        Refresh();
    } else if (msg && msg->m_pPdu && msg->m_pPdu->m_dwErrorStatus != 0) {
        DisplayStatus(msg->m_pPdu);
    }
}
