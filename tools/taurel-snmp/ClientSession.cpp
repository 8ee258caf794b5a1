#include "tools/taurel-snmp/ClientSession.h"

#include <memory>

#include <QCoreApplication>

#include "snmp/NmOidTable.h"
#include "snmp/SnmpAgentAddress.h"
#include "snmp/SnmpTransport.h"
#include "snmp/UsmSession.h"
#include "tools/taurel-snmp/ClientReplyText.h"
#include "tools/taurel-snmp/ClientSetValue.h"
#include "tools/taurel-snmp/ClientValueText.h"

namespace {
constexpr std::uint32_t kTooBig = 1;
constexpr std::uint32_t kNoSuchName = 2;

std::uint64_t NextNumber(const std::string& oid, std::size_t& pos) {
    std::uint64_t value = 0;
    for (; pos < oid.size() && oid[pos] != '.'; ++pos) {
        value = value * 10 + static_cast<std::uint64_t>(oid[pos] - '0');
    }
    ++pos;
    return value;
}
} // namespace

bool IsInSubtree(const std::string& oid, const std::string& root) {
    return oid.compare(0, root.size(), root) == 0 &&
           (oid.size() == root.size() || oid[root.size()] == '.');
}

int CompareOids(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::uint64_t x = NextNumber(a, i);
        const std::uint64_t y = NextNumber(b, j);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    const bool aLeft = i < a.size();
    const bool bLeft = j < b.size();
    return aLeft == bLeft ? 0 : (aLeft ? 1 : -1);
}

ClientSession::ClientSession(const ClientCommand& command, std::ostream& out, std::ostream& err)
    : m_command(command),
      // Replies may be as long as the engine takes them.
      m_repetitions(command.maxRepetitionsGiven ? command.maxRepetitions : 0,
                    GetSnmpSocket() ? GetSnmpSocket()->m_nReceiveLimit : kSnmpMaxDatagram,
                    command.timeoutMs),
      m_out(out), m_err(err) {
    if (m_command.version == SNMP_VERSION_3) {
        m_pUsm = std::make_shared<UsmSession>(m_command.usm);
        // The session holds the keys now; the passphrases are not needed again.
        m_command.usm.authPassword.Wipe();
        m_command.usm.privPassword.Wipe();
    }
}

bool ClientSession::IsWalk() const {
    return m_command.action == ClientAction::Walk || m_command.action == ClientAction::BulkWalk;
}

bool ClientSession::UsesBulk() const {
    return m_command.action == ClientAction::BulkGet ||
           m_command.action == ClientAction::BulkWalk ||
           (m_command.action == ClientAction::Walk && m_command.walkWithBulk);
}

std::string ClientSession::AgentAddress() const {
    return m_command.agentAddress.empty() ? m_command.agent : m_command.agentAddress;
}

void ClientSession::Start() {
    SnmpAgentAddress address;
    if (!SplitAgentAddress(AgentAddress(), address) || !SnmpHostResolves(address.host)) {
        m_err << "taurel-snmp: Unknown host (" << address.host << ")\n";
        Finish(CLIENT_FAILURE);
        return;
    }
    if (IsWalk()) {
        m_walkPosition = m_command.oids.front();
        SendWalkStep();
        return;
    }
    const std::uint16_t type = m_command.action == ClientAction::Set       ? SNMP_PDU_SET
                               : m_command.action == ClientAction::GetNext ? SNMP_PDU_GETNEXT
                               : m_command.action == ClientAction::BulkGet ? SNMP_PDU_GETBULK
                                                                           : SNMP_PDU_GET;
    std::unique_ptr<CSnmpMsg> msg(NewRequest(type));
    for (const std::string& oid : m_command.oids) {
        msg->m_pPdu->AddOid(oid);
    }
    for (const ClientSetItem& item : m_command.sets) {
        std::string error;
        if (!AddClientSetBinding(*msg->m_pPdu, item, error)) {
            m_err << error << "\n";
            Finish(CLIENT_FAILURE);
            return;
        }
    }
    Send(msg.release(), static_cast<SNMPCALLBACK>(&ClientSession::OnReply));
}

CSnmpMsg* ClientSession::NewRequest(std::uint16_t pduType) {
    auto* msg = new CSnmpMsg(this, AgentAddress(),
                             m_pUsm ? std::string() : EffectiveCommunity(m_command), pduType);
    // A v3 request's PDU is an SNMPv2c PDU inside the security session's message.
    msg->m_nVersion = m_pUsm ? SNMP_VERSION_2C : m_command.version;
    msg->m_pUsm = m_pUsm;
    msg->m_nRetries = m_command.retries;
    if (pduType == SNMP_PDU_GETBULK) {
        // GetBulk carries these where other requests carry the error status and index.
        msg->m_pPdu->m_dwErrorStatus = static_cast<std::uint32_t>(m_command.nonRepeaters);
        msg->m_pPdu->m_dwErrorIndex = static_cast<std::uint32_t>(m_command.maxRepetitions);
    }
    return msg;
}

void ClientSession::SendWalkStep() {
    CSnmpMsg* msg = NewRequest(UsesBulk() ? SNMP_PDU_GETBULK : SNMP_PDU_GETNEXT);
    if (UsesBulk()) {
        // A walk's one name repeats; there is nothing to send only once.
        msg->m_pPdu->m_dwErrorStatus = 0;
        m_stepAsked = m_repetitions.Current();
        msg->m_pPdu->m_dwErrorIndex = static_cast<std::uint32_t>(m_stepAsked);
        m_stepSent = std::chrono::steady_clock::now();
    }
    msg->m_pPdu->AddOid(m_walkPosition);
    Send(msg, static_cast<SNMPCALLBACK>(&ClientSession::OnReply));
}

void ClientSession::Send(CSnmpMsg* msg, SNMPCALLBACK receiver) {
    msg->SetSnmpCallback(receiver);
    SendSnmpMsg(msg);
}

void ClientSession::PrintRefusals(const CSnmpMsg& msg) {
    for (const UsmFailure failure : msg.m_usmRefusals) {
        m_err << UsmRefusalText(failure, m_command.usm.userName);
    }
}

bool ClientSession::TakeReply(const CSnmpMsg& msg) {
    const std::uint8_t type = msg.m_wPduType & 0xFF;
    if (type == SNMP_PDU_REPORT) {
        // A community-based agent that answers with a report speaks of a security model the
        // request never used: it is a refusal, never the values asked for.
        const auto& bindings = msg.m_pPdu->m_varBindList;
        const std::string oid = bindings.empty() ? std::string() : bindings.front()->m_strOid;
        m_err << "taurel-snmp: " << UsmFailureText(UsmReportFailure(oid)) << "\n";
        Finish(CLIENT_FAILURE);
        return false;
    }
    if (type != SNMP_PDU_RESPONSE) {
        m_err << "taurel-snmp: Protocol error (Expected RESPONSE-PDU but got " << PduTypeWord(type)
              << ")\n";
        Finish(CLIENT_FAILURE);
        return false;
    }
    return true;
}

void ClientSession::OnReply(std::uint16_t code, CSnmpMsg* msg) {
    const std::unique_ptr<CSnmpMsg> owned(msg);
    PrintRefusals(*msg);
    // A bulk walk's step that was too much for the agent or the path is asked again smaller.
    const bool bulkWalk = IsWalk() && UsesBulk();
    if (bulkWalk && ((code == SNMP_ERR_TIMEOUT && m_repetitions.OnTimeout()) ||
                     (code == SNMP_ERR_RESPONSE_TOO_BIG && m_repetitions.OnTooBig()))) {
        SendWalkStep();
        return;
    }
    if (code == SNMP_ERR_TIMEOUT) {
        const bool withDot =
            m_command.action == ClientAction::Get || m_command.action == ClientAction::GetNext;
        m_err << TimeoutText(m_command.agent, withDot);
        Finish(CLIENT_FAILURE);
    } else if (code != 0) {
        m_err << "taurel-snmp: " << msg->m_exception.m_strMessage << "\n";
        Finish(CLIENT_FAILURE);
    } else if (!TakeReply(*msg)) {
        return;
    } else if (IsWalk()) {
        HandleWalkStep(*msg);
    } else {
        HandleReply(*msg);
    }
}

void ClientSession::HandleReply(const CSnmpMsg& msg) {
    const CSnmpPdu& pdu = *msg.m_pPdu;
    if (pdu.m_dwErrorStatus == 0) {
        for (const CSnmpVarBind* vb : pdu.m_varBindList) {
            m_out << FormatClientBinding(*vb, m_command.output) << "\n";
        }
        Finish(m_exitCode);
        return;
    }
    const ClientAction action = m_command.action;
    m_err << ErrorInPacketText(pdu, action != ClientAction::Get);
    // snmpgetnext counts an error as one only when it names the binding.
    if (action != ClientAction::GetNext || pdu.m_dwErrorIndex != 0) {
        m_exitCode = CLIENT_ERROR_STATUS;
    }
    // get and getnext ask again without the binding the agent refused, so one bad name does
    // not hide the values of the good ones.
    const std::size_t count = pdu.m_varBindList.size();
    const bool fixable = (action == ClientAction::Get || action == ClientAction::GetNext) &&
                         m_command.fixPdus && pdu.m_dwErrorIndex >= 1 &&
                         pdu.m_dwErrorIndex <= count && count > 1;
    if (!fixable) {
        Finish(m_exitCode);
        return;
    }
    CSnmpMsg* retry = NewRequest(action == ClientAction::Get ? SNMP_PDU_GET : SNMP_PDU_GETNEXT);
    std::uint32_t index = 1;
    for (const CSnmpVarBind* vb : pdu.m_varBindList) {
        if (index++ != pdu.m_dwErrorIndex) {
            retry->m_pPdu->AddOid(vb->m_strOid);
        }
    }
    Send(retry, static_cast<SNMPCALLBACK>(&ClientSession::OnReply));
}

void ClientSession::HandleWalkStep(const CSnmpMsg& msg) {
    const CSnmpPdu& pdu = *msg.m_pPdu;
    if (UsesBulk() && pdu.m_dwErrorStatus == kTooBig && m_repetitions.OnTooBig()) {
        SendWalkStep();
        return;
    }
    if (UsesBulk() && pdu.m_dwErrorStatus == 0) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - m_stepSent);
        m_repetitions.OnReply(m_stepAsked, static_cast<int>(pdu.m_varBindList.size()),
                              msg.ImageLength(), static_cast<int>(elapsed.count()));
    }
    if (pdu.m_dwErrorStatus != 0) {
        // An SNMPv1 agent answers the step past its last object with noSuchName.
        if (pdu.m_dwErrorStatus == kNoSuchName) {
            m_out << "End of MIB\n";
        } else {
            m_err << ErrorInPacketText(pdu, true);
            m_exitCode = CLIENT_ERROR_STATUS;
        }
        EndWalk();
        return;
    }
    // A get-next reply holds one binding; a GetBulk reply up to max-repetitions of them. The
    // step after them starts from the last one.
    bool running = !pdu.m_varBindList.empty();
    std::size_t left = pdu.m_varBindList.size();
    for (const CSnmpVarBind* vb : pdu.m_varBindList) {
        running = TakeWalkBinding(*vb, --left == 0) && running;
    }
    if (running) {
        SendWalkStep();
    } else {
        EndWalk();
    }
}

bool ClientSession::TakeWalkBinding(const CSnmpVarBind& vb, bool last) {
    if (!IsInSubtree(vb.m_strOid, m_command.oids.front())) {
        return false;
    }
    m_out << FormatClientBinding(vb, m_command.output) << "\n";
    ++m_printed;
    // An SNMPv2c agent marks the end of its objects with endOfMibView (under the last name).
    if (SnmpIsException(vb.m_byType)) {
        return false;
    }
    bool increasing = true;
    if (m_command.checkIncreasing && CompareOids(m_walkPosition, vb.m_strOid) >= 0) {
        // An agent that answers with the same or an earlier name would be asked for ever.
        m_out.flush();
        // Word for word as net-snmp 5.9 writes it, line breaks after each name included.
        m_err << "Error: OID not increasing: " << ClientOidText(m_walkPosition)
              << "\n >= " << ClientOidText(vb.m_strOid) << "\n\n";
        m_exitCode = CLIENT_FAILURE;
        increasing = false;
    }
    // A bulk step compares every binding with the name it asked from, as snmpbulkwalk does.
    if (!UsesBulk() || last) {
        m_walkPosition = vb.m_strOid;
    }
    return increasing;
}

void ClientSession::EndWalk() {
    if (m_printed > 0) {
        Finish(m_exitCode);
        return;
    }
    CSnmpMsg* msg = NewRequest(SNMP_PDU_GET);
    msg->m_pPdu->AddOid(m_command.oids.front());
    Send(msg, static_cast<SNMPCALLBACK>(&ClientSession::OnFallbackReply));
}

void ClientSession::OnFallbackReply(std::uint16_t code, CSnmpMsg* msg) {
    const std::unique_ptr<CSnmpMsg> owned(msg);
    PrintRefusals(*msg);
    // What the root's get does not answer is not told: the walk has said its piece.
    if (code == 0 && (msg->m_wPduType & 0xFF) == SNMP_PDU_RESPONSE &&
        msg->m_pPdu->m_dwErrorStatus == 0) {
        for (const CSnmpVarBind* vb : msg->m_pPdu->m_varBindList) {
            m_out << FormatClientBinding(*vb, m_command.output) << "\n";
        }
    }
    Finish(m_exitCode);
}

void ClientSession::Finish(int exitCode) {
    m_finished = true;
    m_exitCode = exitCode;
    m_out.flush();
    QCoreApplication::exit(exitCode);
}
