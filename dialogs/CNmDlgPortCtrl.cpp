#include "dialogs/CNmDlgPortCtrl.h"

#include "dialogs/NmDlgObjectRules.h"
#include "dialogs/NmDlgStatusText.h"
#include "dialogs/NmPortCtrlRules.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "snmp/CSnmpClass.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int kToggleMark = 9;
// The error status of a name the agent does not have (RFC 1157).
constexpr std::uint32_t kNoSuchName = 2;
} // namespace

CNmDlgPortCtrl::CNmDlgPortCtrl(CWnd* parent, const std::string& key, const std::string& address,
                               const std::string& getCommunity, const std::string& setCommunity,
                               int rowCount, const _NmOidTable* table, const std::string& instance)
    : CNmDlgListSet(parent, key, address, getCommunity, setCommunity, rowCount, table, instance) {
    AttachSnmp(
        new CSnmpClass(this, address, getCommunity, setCommunity, rowCount, table, instance));
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
    if (kind == ReplyKind::Ignored)
        return;
    if (kind == ReplyKind::Failed) {
        m_pSnmp->m_strPosition.clear();
        EndWalk(false);
        return;
    }
    CSnmpPdu* pdu = msg->m_pPdu;
    if (pdu->m_dwErrorStatus != 0) {
        m_pSnmp->m_strPosition.clear();
        // An SNMPv1 agent answers a get-next past its last object with noSuchName: the table
        // ended there.
        EndWalk(pdu->m_dwErrorStatus == kNoSuchName);
        return;
    }
    if (m_pSnmp->IsEndOfTable(pdu)) {
        EndWalk(true);
        return;
    }
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

void CNmDlgPortCtrl::EndWalk(bool complete) {
    const int shown = m_listCtrl.GetColumnCount() - 1;
    for (int col = m_nPortColumns + 1; col <= shown; ++col)
        m_listCtrl.SetColumnGreyed(col, true);
    if (!complete)
        AppendStatusLine(IncompleteWalkLine(m_nPortColumns, shown, Clock::now()));
}

void CNmDlgPortCtrl::ShowPortColumn(int col) {
    int row = 0;
    for (const CSnmpOid* object : m_pSnmp->GetOidList()) {
        PortCellLook look = PortCellLookOf(std::atoi(object->m_strValue.c_str()), object->m_wAccess,
                                           PortTickEntry(*object));
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
    m_listCtrl.SetColumnGreyed(col, false);
}

void CNmDlgPortCtrl::OnLButtonDownClick(int row, int col, LRESULT*) {
    // Only a port the walk has read can be toggled: Apply writes no other.
    if (col < 1 || col > m_nPortColumns || CellStateImage(row, col) != kPortEditableImage)
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

int CNmDlgPortCtrl::CellChoice(int row, int col, const CSnmpOid& object) const {
    return PortCellChoice(CellStateImage(row, col), CellToggled(row, col), PortTickEntry(object));
}

bool CNmDlgPortCtrl::ColumnChanged(int col) {
    int row = 0;
    for (const CSnmpOid* object : m_pSnmp->GetOidList()) {
        const int r = row++;
        if (object->m_wAccess & 0x01)
            continue;
        const int v = CellChoice(r, col, *object);
        if (v != 0 && v != std::atoi(m_listCtrl.GetItemText(r, col).c_str()))
            return true;
    }
    return false;
}

std::vector<std::string> CNmDlgPortCtrl::ChangedPorts(int first, int last) {
    std::vector<std::string> ports;
    for (int col = first; col <= last; ++col)
        if (ColumnChanged(col))
            ports.push_back(m_listCtrl.GetColumnHeading(col));
    return ports;
}

void CNmDlgPortCtrl::Apply() {
    const int shown = m_listCtrl.GetColumnCount() - 1;
    if (m_dwPendingReqId != 0) {
        // The walk owns the position meanwhile, and its replies redraw the cells.
        std::vector<std::string> waiting = ChangedPorts(1, shown);
        if (!waiting.empty())
            AppendStatusLine(PortsNotSentLine("the ports are being read", waiting));
        return;
    }
    const std::vector<std::string> unread = ChangedPorts(m_nPortColumns + 1, shown);
    std::vector<std::string> failed;
    for (int col = 1; col <= m_nPortColumns; ++col) {
        if (!ColumnChanged(col))
            continue;
        int row = 0;
        for (CSnmpOid* object : m_pSnmp->GetOidList()) {
            const int r = row++;
            if (object->m_wAccess & 0x01)
                continue;
            const int v = CellChoice(r, col, *object);
            // A cell without a value sends nothing for its object.
            object->m_strValue = v != 0 ? EnumTextAt(*object, v) : std::string();
        }
        const std::string port = m_listCtrl.GetColumnHeading(col);
        m_pSnmp->m_strPosition = FormatText(".%s", port.c_str());
        if (std::uint32_t id = SendWithoutWaiting(SNMP_PDU_SET)) {
            m_setReqIds.push_back(id);
            m_setPorts[id] = port;
        } else {
            failed.push_back(port);
        }
    }
    // The next walk starts from the first port, whatever was written last.
    m_pSnmp->m_strPosition.clear();
    if (!unread.empty())
        AppendStatusLine(PortsNotSentLine("not read by the last walk", unread));
    if (!failed.empty())
        AppendStatusLine(PortsNotSentLine("the send failed", failed));
}

void CNmDlgPortCtrl::OnSetReply(UINT code, CSnmpMsg* msg) {
    std::string port;
    if (msg && msg->m_pPdu) {
        const std::uint32_t id = msg->m_pPdu->m_dwReqId;
        auto it = std::find(m_setReqIds.begin(), m_setReqIds.end(), id);
        // A time-out leaves no reply to wait for either.
        if (it != m_setReqIds.end()) {
            m_setReqIds.erase(it);
            port = m_setPorts[id];
            m_setPorts.erase(id);
        }
    }
    if (code != 0) {
        // Which port's write went unanswered: its toggle may or may not have been taken.
        AppendStatusLine(FailureStatusLine(std::uint16_t(code),
                                           msg ? msg->m_exception.m_strMessage : std::string()) +
                         (port.empty() ? std::string() : ", port " + port));
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
