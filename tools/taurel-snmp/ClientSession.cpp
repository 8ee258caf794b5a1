#include "tools/taurel-snmp/ClientSession.h"

#include <memory>

#include <QCoreApplication>

#include "snmp/NmOidTable.h"
#include "snmp/SnmpAgentAddress.h"
#include "snmp/SnmpErrorStatus.h"
#include "snmp/SnmpTransport.h"
#include "snmp/UsmSession.h"
#include "tools/taurel-snmp/ClientSetValue.h"
#include "tools/taurel-snmp/ClientValueText.h"

namespace {
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
    return oid.size() > root.size() + 1 && oid.compare(0, root.size(), root) == 0 &&
           oid[root.size()] == '.';
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
    : m_command(command), m_out(out), m_err(err) {
    if (m_command.version == SNMP_VERSION_3) {
        m_pUsm = std::make_shared<UsmSession>(m_command.usm);
        // The session holds the keys now; the passphrases are not needed again.
        m_command.usm.authPassword.Wipe();
        m_command.usm.privPassword.Wipe();
    }
}

bool ClientSession::UsesBulk() const {
    return m_command.action == ClientAction::BulkGet ||
           m_command.action == ClientAction::BulkWalk ||
           (m_command.action == ClientAction::Walk && m_command.walkWithBulk);
}

void ClientSession::Start() {
    SnmpAgentAddress address;
    if (!SplitAgentAddress(m_command.agent, address) || !SnmpHostResolves(address.host)) {
        m_err << "taurel-snmp: Unknown host (" << address.host << ")\n";
        Finish(CLIENT_ERROR);
        return;
    }
    if (m_command.action == ClientAction::Walk || m_command.action == ClientAction::BulkWalk) {
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
            m_err << "taurel-snmp: " << error << "\n" << kClientUsage;
            Finish(CLIENT_USAGE);
            return;
        }
    }
    Send(msg.release());
}

CSnmpMsg* ClientSession::NewRequest(std::uint16_t pduType) {
    auto* msg = new CSnmpMsg(this, m_command.agent,
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
    }
    msg->m_pPdu->AddOid(m_walkPosition);
    Send(msg);
}

void ClientSession::Send(CSnmpMsg* msg) {
    msg->SetSnmpCallback(static_cast<SNMPCALLBACK>(&ClientSession::OnReply));
    SendSnmpMsg(msg);
}

void ClientSession::OnReply(std::uint16_t code, CSnmpMsg* msg) {
    const std::unique_ptr<CSnmpMsg> owned(msg);
    if (code == SNMP_ERR_TIMEOUT) {
        m_err << "Timeout: No Response from " << m_command.agent << "\n";
        Finish(CLIENT_TIMEOUT);
    } else if (code != 0) {
        m_err << "taurel-snmp: " << msg->m_exception.m_strMessage << "\n";
        Finish(CLIENT_ERROR);
    } else if (m_command.action == ClientAction::Walk ||
               m_command.action == ClientAction::BulkWalk) {
        HandleWalkStep(*msg);
    } else {
        HandleReply(*msg);
    }
}

void ClientSession::HandleReply(const CSnmpMsg& msg) {
    if (msg.m_pPdu->m_dwErrorStatus != 0) {
        ReportErrorStatus(msg);
        return;
    }
    for (const CSnmpVarBind* vb : msg.m_pPdu->m_varBindList) {
        m_out << FormatClientBinding(*vb) << "\n";
    }
    Finish(CLIENT_OK);
}

void ClientSession::HandleWalkStep(const CSnmpMsg& msg) {
    const CSnmpPdu& pdu = *msg.m_pPdu;
    // An SNMPv1 agent answers the step past its last object with noSuchName.
    if (pdu.m_dwErrorStatus == kNoSuchName || pdu.m_varBindList.empty()) {
        Finish(CLIENT_OK);
        return;
    }
    if (pdu.m_dwErrorStatus != 0) {
        ReportErrorStatus(msg);
        return;
    }
    // A get-next reply holds one binding; a GetBulk reply up to max-repetitions of them.
    for (const CSnmpVarBind* vb : pdu.m_varBindList) {
        if (!TakeWalkBinding(*vb)) {
            return;
        }
    }
    SendWalkStep();
}

bool ClientSession::TakeWalkBinding(const CSnmpVarBind& vb) {
    if (!IsInSubtree(vb.m_strOid, m_command.oids.front())) {
        Finish(CLIENT_OK);
        return false;
    }
    // An SNMPv2c agent marks the end of its objects with endOfMibView (under the last name):
    // printed, as net-snmp prints it, and the walk ends there.
    if (SnmpIsException(vb.m_byType)) {
        m_out << FormatClientBinding(vb) << "\n";
        Finish(CLIENT_OK);
        return false;
    }
    if (CompareOids(vb.m_strOid, m_walkPosition) <= 0) {
        // An agent that answers with the same or an earlier name would loop forever.
        m_err << "Error: OID not increasing: " << m_walkPosition << " >= " << vb.m_strOid << "\n";
        Finish(CLIENT_ERROR);
        return false;
    }
    m_out << FormatClientBinding(vb) << "\n";
    m_walkPosition = vb.m_strOid;
    return true;
}

void ClientSession::ReportErrorStatus(const CSnmpMsg& msg) {
    const CSnmpPdu& pdu = *msg.m_pPdu;
    std::string oid;
    std::size_t index = 1;
    for (const CSnmpVarBind* vb : pdu.m_varBindList) {
        if (index++ == pdu.m_dwErrorIndex || oid.empty()) {
            oid = vb->m_strOid;
        }
    }
    m_err << "Error in packet: " << SnmpErrorStatusName(pdu.m_dwErrorStatus) << " (" << oid
          << ")\n";
    Finish(CLIENT_ERROR);
}

void ClientSession::Finish(int exitCode) {
    m_finished = true;
    m_exitCode = exitCode;
    m_out.flush();
    QCoreApplication::exit(exitCode);
}
