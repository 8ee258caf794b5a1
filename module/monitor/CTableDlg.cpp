#include "module/monitor/CTableDlg.h"

#include "controls/GridCtl/CTableControl.h"
#include "controls/common/FixedText.h"
#include "module/dialogbase/ReplyStatus.h"
#include "module/monitor/ObjectDisplay.h"
#include "module/slots/PanelMessages.h"
#include "module/slots/SlotOpening.h"
#include "platform/core/Clock.h"
#include "platform/ui/Prompt.h"
#include "snmp/CSnmpClass.h"

namespace {

bool IsIndexColumn(const _NmOidTable& row) {
    return IsIndexAccess(row.wAccess);
}

// Room beside a caption as wide as its column's name, so the next caption does not run into
// it: the grid draws a caption one pixel in and its column's border at the right edge.
constexpr int kCaptionMargin = 8;

} // namespace

CTableDlg::CTableDlg(CWnd* mainWnd, CEntryTableDlgData* record)
    : CSwitchInfoDlg(mainWnd, record), m_pEntryRecord(record) {
    const std::string address = record->m_szHeaderValue[2];
    m_pWalk = std::make_unique<CSnmpClass>(this, address, record->m_strReadCommunity,
                                           record->m_strWriteCommunity, record->m_nRowCount,
                                           record->m_pOidTable, "");
    m_pWalk->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CTableDlg::OnWalkReply));
    if (record->m_bHasStatusColumn && record->m_pStatusRow) {
        m_pRemove = std::make_unique<CSnmpClass>(this, address, record->m_strReadCommunity,
                                                 record->m_strWriteCommunity, 1,
                                                 record->m_pStatusRow, record->InstanceSuffix());
        m_pRemove->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CTableDlg::OnRemoveReply));
    }
    m_keyRecord.SetTable(record->m_pOidTable, record->m_nRowCount);
}

CTableDlg::~CTableDlg() = default;

CWnd* CTableDlg::CreateFor(CWnd* mainWnd, CDlgData* record) {
    return CSwitchInfoDlg::CreateFor<CTableDlg, CEntryTableDlgData>(mainWnd, record);
}

void CTableDlg::InitGrid() {
    std::vector<_CAPTIONDATA> captions;
    for (const CSnmpOid* oid : m_pWalk->GetOidList()) {
        _CAPTIONDATA caption{};
        caption.width = TextWidth(oid->m_strName.c_str()) + kCaptionMargin;
        CopyFixedText(caption.caption, oid->m_strName.c_str());
        captions.push_back(caption);
    }
    SetCaptions(std::move(captions), RowsAreSelectable() ? 1 : 0);
}

bool CTableDlg::RowsAreSelectable() const {
    // A table whose entries can be removed, or opened in a form to edit the chosen one.
    if (m_pEntryRecord->m_bHasStatusColumn)
        return true;
    for (const CDlgButton& button : m_pEntryRecord->m_buttons)
        if (button.label[0] && button.message == std::int32_t(PANEL_MSG))
            return true;
    return false;
}

void CTableDlg::OnButton(const CDlgButton& button) {
    switch (button.message) {
    case std::int32_t(PANEL_MSG):
        OpenWithSelection(button.param);
        break;
    case std::int32_t(PANEL_REFRESH):
        StartWalk();
        break;
    case std::int32_t(PANEL_REMOVE):
        RemoveSelected();
        break;
    default:
        break;
    }
}

void CTableDlg::StartWalk() {
    if (m_request.IsBusy())
        return;
    m_nEntryCount = 0;
    GetGrid()->ResetTbl();
    m_entryInstances.clear();
    // A walk that stopped on a missing reply left its position inside the table.
    m_pWalk->m_strPosition.clear();
    SendGetNext();
}

void CTableDlg::SendGetNext() {
    m_request.Start([this] { return m_pWalk->SendSnmp(SNMP_PDU_GETNEXT); });
}

void CTableDlg::EndWalk(const std::string& logText) {
    AppendLog(logText);
    ShowCounter(m_nEntryCount);
}

void CTableDlg::AppendEntryRow() {
    CTableControl* grid = GetGrid();
    _DATAOBJ first = MakeCell("", 2);
    grid->AppendItemString(&first);
    int column = 0;
    for (const CSnmpOid* oid : m_pWalk->GetOidList()) {
        _DATAOBJ cell = MakeCell(ObjectDisplayText(*oid), CellAttribute(oid->m_wAccess));
        grid->SetItemString(m_nEntryCount, column++, &cell);
    }
}

void CTableDlg::OnWalkReply(std::uint16_t code, CSnmpMsg* msg) {
    const CSnmpPdu* pdu = AcceptReply(code, msg);
    if (!pdu)
        return;
    if (m_pWalk->IsEndOfTable(pdu)) {
        EndWalk("End of table");
    } else if (pdu->m_dwErrorStatus != 0) {
        // The entry gets neither a row nor an instance, so rows and instances stay one for
        // one; the walk ends here and the next one starts from the first entry.
        m_pWalk->m_strPosition.clear();
        EndWalk(ReplyLogText(*pdu, m_pWalk->GetOidList(), Clock::now()));
    } else {
        m_entryInstances.push_back(m_pWalk->m_strPosition);
        TakeReplyValues(*m_pWalk, *pdu);
        AppendEntryRow();
        ++m_nEntryCount;
        SendGetNext();
    }
    CSnmpMsg::Release(msg);
    RedrawGrid();
}

void CTableDlg::RemoveSelected() {
    const int row = GetGrid()->GetIndex();
    if (!m_pEntryRecord->m_bHasStatusColumn || row < 0 || row >= int(m_entryInstances.size()) ||
        m_request.IsBusy() || m_pEntryRecord->m_strRemoveText.empty() || !m_pRemove ||
        m_pRemove->GetOidList().empty())
        return;
    m_pRemove->m_strInstance = m_entryInstances[std::size_t(row)];
    m_pRemove->GetOidList().front()->m_strValue = m_pEntryRecord->m_strRemoveText;
    if (AfxMessageBox(kRemoveQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_request.Start([this] { return m_pRemove->SendSnmp(SNMP_PDU_SET); });
    AppendLog(">> Set Request sent >>");
}

void CTableDlg::OnRemoveReply(std::uint16_t code, CSnmpMsg* msg) {
    if (m_request.Matches(msg)) {
        m_request.Clear();
        if (code == 0 && msg && msg->m_pPdu) {
            AppendLog(ReplyLogText(*msg->m_pPdu, m_pWalk->GetOidList(), Clock::now()));
            StartWalk();
        } else {
            AppendLog(NoReplyLogText(code, msg));
        }
    }
    CSnmpMsg::Release(msg);
}

void CTableDlg::OpenWithSelection(int slot) {
    const int row = GetGrid()->GetIndex();
    if (row < 0) {
        PostOpenSlot(m_pMainWnd, slot, nullptr);
        return;
    }
    m_keyRecord.ClearKeys();
    const _NmOidTable* table = m_pEntryRecord->m_pOidTable;
    if (m_keyRecord.IndexColumnCount() > 0) {
        for (int column = 0; column < m_pEntryRecord->m_nRowCount; ++column) {
            if (!IsIndexColumn(table[column]))
                continue;
            _DATAOBJ cell{};
            if (!GetGrid()->GetItem(column, row, cell))
                break;
            m_keyRecord.AppendKey(CellKeyText(table[column], cell.text));
        }
    } else if (row < int(m_entryInstances.size())) {
        m_keyRecord.AppendKey(m_entryInstances[std::size_t(row)]);
    }
    PostOpenSlot(m_pMainWnd, slot, &m_keyRecord);
}
