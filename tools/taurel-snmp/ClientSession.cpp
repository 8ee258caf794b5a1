#include "tools/taurel-snmp/ClientSession.h"

#include <memory>

#include <QCoreApplication>

#include "snmp/NmOidTable.h"
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
    if (m_command.v3) {
        m_pUsm = std::make_shared<UsmSession>(m_command.usm);
        // The session holds the keys now; the passphrases are not needed again.
        m_command.usm.authPassword.Wipe();
        m_command.usm.privPassword.Wipe();
    }
}

CSnmpMsg* ClientSession::NewRequest(std::uint16_t type) {
    auto* msg = new CSnmpMsg(this, m_command.agent,
                             m_command.v3 ? std::string() : EffectiveCommunity(m_command), type);
    msg->m_pUsm = m_pUsm;
    return msg;
}

void ClientSession::Start() {
    if (m_command.action == ClientAction::Walk) {
        m_walkPosition = m_command.oids.front();
        SendGetNext(m_walkPosition);
        return;
    }
    const std::uint16_t type = m_command.action == ClientAction::Set       ? SNMP_PDU_SET
                               : m_command.action == ClientAction::GetNext ? SNMP_PDU_GETNEXT
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

void ClientSession::SendGetNext(const std::string& oid) {
    CSnmpMsg* msg = NewRequest(SNMP_PDU_GETNEXT);
    msg->m_pPdu->AddOid(oid);
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
    } else if (m_command.action == ClientAction::Walk) {
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
    const CSnmpVarBind& vb = *pdu.m_varBindList.front();
    // An SNMPv2 agent (every SNMPv3 one) marks the end of its MIB with endOfMibView instead.
    if (vb.m_byType == SNMP_TYPE_ENDOFMIBVIEW ||
        !IsInSubtree(vb.m_strOid, m_command.oids.front())) {
        Finish(CLIENT_OK);
        return;
    }
    if (CompareOids(vb.m_strOid, m_walkPosition) <= 0) {
        // An agent that answers with the same or an earlier name would loop forever.
        m_err << "Error: OID not increasing: " << m_walkPosition << " >= " << vb.m_strOid << "\n";
        Finish(CLIENT_ERROR);
        return;
    }
    m_out << FormatClientBinding(vb) << "\n";
    m_walkPosition = vb.m_strOid;
    SendGetNext(m_walkPosition);
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
    m_err << "Error in packet: " << ErrorStatusName(pdu.m_dwErrorStatus) << " (" << oid << ")\n";
    Finish(CLIENT_ERROR);
}

void ClientSession::Finish(int exitCode) {
    m_finished = true;
    m_exitCode = exitCode;
    m_out.flush();
    QCoreApplication::exit(exitCode);
}
