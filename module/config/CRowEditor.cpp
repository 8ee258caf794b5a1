#include "module/config/CRowEditor.h"

#include "module/config/ChoiceValues.h"
#include "module/config/ConfigSupport.h"
#include "module/config/InputCheck.h"
#include "module/config/NoReplyText.h"
#include "module/config/StatusTexts.h"
#include "module/mib/CIndexSuffix.h"
#include "module/slots/CDlgData.h"
#include "module/slots/SlotRecords.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/OctetText.h"
#include "platform/ui/Prompt.h"
#include "snmp/SnmpErrorStatus.h"
#include "snmp/SnmpTransport.h"

#include <iterator>

namespace {

// The error status of a value the switch refused.
constexpr std::uint32_t kBadValueStatus = 3;

// Objects a set leaves out: while it is built they count as read-only, which a set never
// carries; afterwards they are what they were.
class CLeftOutOfSet {
public:
    explicit CLeftOutOfSet(std::vector<CSnmpOid*> objects) : m_objects(std::move(objects)) {
        for (CSnmpOid* object : m_objects) {
            m_access.push_back(object->m_wAccess);
            object->m_wAccess =
                std::uint16_t((object->m_wAccess & ~SNMP_ACCESS_MASK) | SNMP_ACCESS_READONLY);
        }
    }
    ~CLeftOutOfSet() {
        for (std::size_t i = 0; i < m_objects.size(); ++i)
            m_objects[i]->m_wAccess = m_access[i];
    }
    CLeftOutOfSet(const CLeftOutOfSet&) = delete;
    CLeftOutOfSet& operator=(const CLeftOutOfSet&) = delete;

private:
    std::vector<CSnmpOid*> m_objects;
    std::vector<std::uint16_t> m_access;
};

FormKeys KeysOf(const CDlgData* record) {
    return record ? record->m_strKeys : FormKeys{};
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

} // namespace

CRowEditor::CRowEditor(const _NmOidTable* table, int rowCount, CObject* owner,
                       SNMPCALLBACK callback)
    : m_rows(table, rowCount), m_pTable(table), m_nRowCount(rowCount), m_pOwner(owner),
      m_pfnCallback(callback) {}

void CRowEditor::AddInput(std::unique_ptr<CObjectInput> input) {
    m_inputs.push_back(std::move(input));
}

CObjectInput* CRowEditor::Input(int input) const {
    return input >= 0 && input < int(m_inputs.size()) ? m_inputs[std::size_t(input)].get()
                                                      : nullptr;
}

CSnmpOid* CRowEditor::Object(int row) const {
    auto& list = m_pRequest->GetOidList();
    if (row < 0 || row >= int(list.size()))
        return nullptr;
    return *std::next(list.begin(), row);
}

void CRowEditor::RaiseInputs() {
    for (auto& input : m_inputs)
        input->Raise();
}

void CRowEditor::Start(RowContext context, CDlgMsgControl* status) {
    m_context = std::move(context);
    m_pStatus = status;
    const ModuleIdentity identity = SwitchIdentity();
    m_pRequest =
        std::make_unique<CSnmpClass>(m_pOwner, identity.agentAddress, identity.readCommunity,
                                     identity.writeCommunity, m_nRowCount, m_pTable, "");
    m_pRequest->SetSnmpCallback(m_pfnCallback);
    bool complete = true;
    m_pRequest->m_strInstance = ScalarIfEmpty(
        m_rows.ReadInstance(m_pRequest->GetOidList(), KeysOf(m_context.keys), complete));
    m_bNewRow = !complete;
    if (complete)
        Read();
}

void CRowEditor::Send(Step step) {
    m_step = step;
    const bool isSet = step == Step::Set || step == Step::RemoveOld;
    CSnmpClass* request = step == Step::RemoveOld ? m_pRemove.get() : m_pRequest.get();
    m_inFlight.Start([&] { return request->SendSnmp(isSet ? SNMP_PDU_SET : SNMP_PDU_GET); });
}

void CRowEditor::ShowStatusText(const std::string& text) {
    ShowStatus(m_pStatus, text);
}

void CRowEditor::Read() {
    if (!m_pRequest || m_inFlight.IsBusy())
        return;
    // What the inputs show is about to be replaced; until it is, it is not the switch's.
    m_bLoaded = false;
    Send(Step::Read);
}

void CRowEditor::Reread() {
    if (!m_pRequest || m_bNewRow)
        return;
    if (m_inFlight.IsBusy()) {
        m_bRereadAfter = true;
        return;
    }
    Send(Step::Reread);
}

std::string CRowEditor::RefusedInput() const {
    for (int row = 0; row < m_rows.RowCount(); ++row) {
        const CObjectInput* input = Input(m_rows.InputOf(row));
        if (!input || (!m_bNewRow && !input->IsEdited()))
            continue;
        // A typed index makes a row: it must be given and name a host.
        const bool makesRow = m_bNewRow || m_rows.Role(row) == FormRowRole::Index;
        std::string reason = RefusalOf(*Object(row), input->ValueText(), makesRow);
        if (!reason.empty())
            return RefusalLine(m_pTable[row].szName, reason);
    }
    return {};
}

std::string CRowEditor::LeftOutReason(int row) const {
    const CObjectInput* input = Input(m_rows.InputOf(row));
    const CSnmpOid* object = Object(row);
    if (!input || !object || m_rows.Role(row) != FormRowRole::Plain || input->IsEdited())
        return {};
    const std::string value = input->ValueText();
    std::string reason;
    if (!object->m_enumList.empty())
        reason = value.empty() && !input->ReadText().empty() ? "not one of its choices" : "";
    else
        reason = RefusalOf(*object, value);
    if (reason.empty())
        return {};
    return FormatText("read %s, %s, not written", ShowableText(input->ReadText()).c_str(),
                      reason.c_str());
}

bool CRowEditor::AllInputsEdited() const {
    for (const auto& input : m_inputs)
        if (!input->IsEdited())
            return false;
    return true;
}

bool CRowEditor::KeyEdited(std::vector<std::string>& typed) const {
    typed.clear();
    if (m_bNewRow || !m_context.keys)
        return false;
    bool edited = false;
    for (int row = 0; row < m_rows.RowCount(); ++row) {
        if (!IsIndexRole(m_rows.Role(row)))
            continue;
        const int position = m_rows.KeyPositionOf(row);
        const std::string key = position >= 0 && position < CDlgData::kMaxKeys
                                    ? m_context.keys->m_strKeys[position]
                                    : std::string();
        const CObjectInput* input = Input(m_rows.InputOf(row));
        const std::string text = input ? input->ValueText() : key;
        if (CIndexSuffix(&m_pTable[row], text).GetSuffix() !=
            CIndexSuffix(&m_pTable[row], key).GetSuffix())
            edited = true;
        typed.push_back(text);
    }
    return edited;
}

bool CRowEditor::ConfirmNewRow(const std::vector<std::string>& typed) {
    std::vector<std::string> fields, old;
    for (int row = 0; row < m_rows.RowCount(); ++row)
        if (m_rows.Role(row) == FormRowRole::Index)
            fields.push_back(m_pTable[row].szName);
    for (int position = 0; position < int(typed.size()) && position < CDlgData::kMaxKeys;
         ++position)
        old.push_back(m_context.keys->m_strKeys[std::size_t(position)]);
    const std::string oldRow = Joined(old, " "), newRow = Joined(typed, " ");
    const bool canRemove = m_rows.StatusRow() >= 0;
    const std::string text =
        FormatText(kNewRowQuestion, Joined(fields, ", ").c_str(), oldRow.c_str(), newRow.c_str()) +
        FormatText(canRemove ? kRemoveOldRowQuestion : kOldRowStaysText, oldRow.c_str());
    auto* owner = dynamic_cast<CWnd*>(m_pOwner);
    const int answer = MessageBox(owner ? owner->m_hWnd : 0, text.c_str(),
                                  owner ? owner->GetWindowText().c_str() : "",
                                  (canRemove ? MB_YESNOCANCEL : MB_OKCANCEL) | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    m_bRemoveOld = answer == IDYES;
    return true;
}

PageWrite CRowEditor::Write() {
    if (!m_pRequest)
        return PageWrite::Waiting;
    if (m_inFlight.IsBusy()) {
        if (m_step != Step::Read && m_step != Step::Reread && m_step != Step::PreRead)
            return PageWrite::Waiting;
        // The write follows the read in flight, with the values it brings.
        m_bWriteAfterRead = true;
        ShowStatus(m_pStatus, kSendSetRequestText);
        return PageWrite::Sent;
    }
    return WriteNow(false);
}

PageWrite CRowEditor::WriteNow(bool justRead) {
    if (!m_bLoaded && !m_bNewRow) {
        ShowStatus(m_pStatus, kNotReadText);
        return PageWrite::NotRead;
    }
    if (std::string refusal = RefusedInput(); !refusal.empty()) {
        ShowStatus(m_pStatus, refusal);
        return PageWrite::Refused;
    }
    m_bRemoveOld = false;
    m_oldInstance = m_pRequest->m_strInstance;
    std::vector<std::string> typed;
    if (KeyEdited(typed) && !ConfirmNewRow(typed)) {
        ShowStatus(m_pStatus, kNothingSentText);
        return PageWrite::Refused;
    }
    ShowStatus(m_pStatus, kSendSetRequestText);
    if (justRead || m_bNewRow || AllInputsEdited())
        return SendSet() ? PageWrite::Sent : PageWrite::NothingChosen;
    Send(Step::PreRead);
    return PageWrite::Sent;
}

bool CRowEditor::SendSet() {
    m_pRequest->m_strInstance = ScalarIfEmpty(m_rows.WriteInstance(
        m_pRequest->GetOidList(), KeysOf(m_context.keys), m_context.rowStatusText,
        [this](int input) { return Input(input) ? Input(input)->ValueText() : std::string(); }));
    m_newKeys.clear();
    if (m_bNewRow || m_pRequest->m_strInstance != m_oldInstance) {
        const FormKeys keys = KeysOf(m_context.keys);
        for (int row = 0; row < m_rows.RowCount(); ++row) {
            const int position = m_rows.KeyPositionOf(row);
            if (m_rows.Role(row) == FormRowRole::Index && Input(m_rows.InputOf(row)))
                m_newKeys.push_back(Input(m_rows.InputOf(row))->ValueText());
            else if (m_rows.Role(row) == FormRowRole::Key && position < int(keys.size()))
                m_newKeys.push_back(keys[std::size_t(position)]);
        }
    }
    std::vector<CSnmpOid*> leftOut;
    std::vector<std::string> notes;
    for (int row = 0; row < m_rows.RowCount(); ++row)
        if (std::string reason = LeftOutReason(row); !reason.empty()) {
            leftOut.push_back(Object(row));
            notes.push_back(RefusalLine(m_pTable[row].szName, reason));
        }
    CLeftOutOfSet guard(leftOut);
    m_strLeftOut = Joined(notes, "; ");
    if (!m_pRequest->SetCarriesAnything()) {
        ShowStatus(m_pStatus, m_strLeftOut.empty()
                                  ? std::string(kNothingToWriteText)
                                  : std::string(kNothingToWriteText) + " (" + m_strLeftOut + ")");
        m_bRemoveOld = false;
        return false;
    }
    if (!m_strLeftOut.empty())
        ShowStatus(m_pStatus, std::string(kSendSetRequestText) + " " + m_strLeftOut);
    Send(Step::Set);
    return true;
}

void CRowEditor::SendRemoveOld() {
    m_bRemoveOld = false;
    const int statusRow = m_rows.StatusRow();
    if (statusRow < 0)
        return;
    const _NmOidTable& row = m_pTable[statusRow];
    m_pRemove = std::make_unique<CSnmpClass>(m_pOwner, m_pRequest->m_strIpAddr,
                                             m_pRequest->m_strGetCommunity,
                                             m_pRequest->m_strSetCommunity, 1, &row, m_oldInstance);
    m_pRemove->SetSnmpCallback(m_pfnCallback);
    m_pRemove->GetOidList().front()->m_strValue =
        EnumTextAt(row.pEnum, EnumIndexOfValue(row.pEnum, kRowRemoveValue));
    Send(Step::RemoveOld);
}

void CRowEditor::OnFieldCut(int controlId) {
    for (int row = 0; row < m_rows.RowCount(); ++row)
        if (const CObjectInput* input = Input(m_rows.InputOf(row));
            input && input->ControlId() == controlId) {
            ShowStatus(m_pStatus, RefusalLine(m_pTable[row].szName,
                                              FormatText(kFieldCutText, kTypedTextLimit)));
            return;
        }
}

void CRowEditor::TakeValues(const CSnmpPdu& pdu, Step step) {
    const bool afterGet = step != Step::Set;
    // Bindings pair with the rows in order after a get; a set leaves objects out, so its answer
    // pairs by name.
    std::vector<int> rows;
    if (afterGet) {
        rows = m_rows.ReplyRows(pdu.m_varBindList.size(), true);
    } else {
        for (const CSnmpVarBind* binding : pdu.m_varBindList) {
            const int row = binding ? IndexOfObjectNamed(*m_pRequest, binding->m_strOid) : -1;
            rows.push_back(row < m_rows.RowCount() ? row : -1);
        }
    }
    // A read after a set elsewhere leaves what the operator typed as it is.
    const bool keepEdits = step == Step::Reread || step == Step::PreRead;
    std::size_t b = 0;
    for (const CSnmpVarBind* binding : pdu.m_varBindList) {
        const int row = rows[b++];
        CSnmpOid* object = Object(row);
        if (!object || !binding)
            continue;
        object->m_strValue = CSnmpClass::ValueText(binding, object);
        CObjectInput* input = Input(m_rows.InputOf(row));
        if (input && !(keepEdits && input->IsEdited()))
            input->ShowRead(object->m_strValue, *binding);
    }
    if (m_context.afterValues)
        m_context.afterValues();
}

void CRowEditor::AfterSet(const CSnmpPdu& pdu) {
    TakeValues(pdu, Step::Set);
    m_bLoaded = true;
    if (!m_newKeys.empty()) {
        // The row now lives under what was typed: later writes edit it, not the old one.
        if (m_context.keys)
            m_context.keys->SetKeys(m_newKeys);
        m_bNewRow = false;
    }
    RefreshWindowsShowing(m_context.mainWnd, pdu, {m_context.slot, m_context.refreshSlot});
}

std::string CRowEditor::StatusLead(const CSnmpPdu& pdu, Step step) const {
    std::string lead;
    // A value the switch refused: the field first, so a cut line still names it.
    if (pdu.m_dwErrorStatus == kBadValueStatus && step != Step::RemoveOld) {
        CSnmpVarBind* const* failing = ErrorIndexEntry(pdu.m_varBindList, pdu.m_dwErrorIndex, true);
        const int row =
            failing && *failing ? IndexOfObjectNamed(*m_pRequest, (*failing)->m_strOid) : -1;
        if (row >= 0 && row < m_rows.RowCount())
            lead = std::string(m_pTable[row].szName) + ": ";
    }
    if (step == Step::Set && !m_strLeftOut.empty())
        lead += m_strLeftOut + "; ";
    return lead;
}

void CRowEditor::PostRefresh() const {
    if (m_context.refreshSlot >= 0)
        PostToMain(m_context.mainWnd, PANEL_REFRESH, m_context.refreshSlot);
}

void CRowEditor::OnReply(std::uint16_t code, CSnmpMsg* msg) {
    if (!AcceptReply(m_inFlight, msg))
        return;
    const Step step = m_step;
    m_step = Step::None;
    const bool writeAfter = m_bWriteAfterRead;
    m_bWriteAfterRead = false;
    bool good = false;
    if (!IsAnswer(code, msg)) {
        ShowStatus(m_pStatus, NoReplyText(code, msg ? msg->m_exception.m_strMessage : ""));
        m_bRemoveOld = false;
    } else {
        const CSnmpPdu& pdu = *msg->m_pPdu;
        // An object an SNMPv2 agent says it does not have was not read, as after noSuchName:
        // the words of its exception must not stand in an input and be written back.
        good = pdu.m_dwErrorStatus == 0 && SnmpFirstException(pdu) == 0;
        // A re-read before a write reports only when it failed; the set's answer follows.
        if (step != Step::PreRead || !good)
            ShowReplyStatus(m_pStatus, *msg, StatusLead(pdu, step));
        if (good && step == Step::Set) {
            AfterSet(pdu);
        } else if (good && step == Step::RemoveOld) {
            RefreshWindowsShowing(m_context.mainWnd, pdu, {m_context.slot, m_context.refreshSlot});
        } else if (good) {
            TakeValues(pdu, step);
            m_bLoaded = true;
        }
        if (!good)
            m_bRemoveOld = false;
        if (step != Step::PreRead)
            PostRefresh();
    }
    CSnmpMsg::Release(msg);
    if (good && step == Step::PreRead)
        SendSet();
    else if (good && writeAfter && step != Step::Set && step != Step::RemoveOld)
        WriteNow(true);
    else if (good && step == Step::Set && m_bRemoveOld)
        SendRemoveOld();
    if (m_bRereadAfter && !m_inFlight.IsBusy()) {
        m_bRereadAfter = false;
        Reread();
    }
}
