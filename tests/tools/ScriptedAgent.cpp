#include "tests/tools/ScriptedAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "snmp/NmOidTable.h"
#include "tools/taurel-snmp/ClientSession.h"

bool ScriptedAgent::OidLess::operator()(const std::string& a, const std::string& b) const {
    return CompareOids(a, b) < 0;
}

void ScriptedAgent::AddText(const std::string& oid, const std::string& text) {
    m_objects[oid] = [text](CSnmpPdu& pdu, const std::string& name) {
        pdu.AddOid(name, text, SNMP_TYPE_OCTETS);
    };
}

void ScriptedAgent::AddInteger(const std::string& oid, std::int32_t value) {
    m_objects[oid] = [value](CSnmpPdu& pdu, const std::string& name) {
        pdu.AddOid(name, static_cast<std::uint32_t>(value), SNMP_TYPE_INTEGER);
    };
}

bool ScriptedAgent::ServeUntil(const std::function<bool()>& done, int maxMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > maxMs) {
            return false;
        }
        ServePending();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void ScriptedAgent::ServePending() {
    while (m_peer.HasRequest()) {
        if (auto request = m_peer.ReceiveRequest(0)) {
            Answer(*request);
        }
    }
}

void ScriptedAgent::Answer(const CSnmpMsg& request) {
    ++m_served;
    m_peer.SetEnginePort(m_peer.LastSenderPort());
    const bool next = (request.m_wPduType & 0xFF) == SNMP_PDU_GETNEXT;
    std::uint32_t errorIndex = 0;
    std::uint32_t index = 0;
    std::vector<std::pair<std::string, const Value*>> answers;
    for (const CSnmpVarBind* vb : request.m_pPdu->m_varBindList) {
        ++index;
        auto found = next ? m_objects.upper_bound(vb->m_strOid) : m_objects.find(vb->m_strOid);
        if (next && !m_stuckAt.empty()) {
            found = m_objects.find(m_stuckAt);
        }
        if (found == m_objects.end()) {
            errorIndex = errorIndex ? errorIndex : index;
            answers.emplace_back(vb->m_strOid, nullptr);
        } else {
            answers.emplace_back(found->first, &found->second);
        }
    }
    m_peer.SendResponse(
        request.m_pPdu->m_dwReqId,
        [&](CSnmpPdu& pdu) {
            for (const auto& [name, value] : answers) {
                if (value && errorIndex == 0) {
                    (*value)(pdu, name);
                } else {
                    pdu.AddOid(name);
                }
            }
        },
        errorIndex ? 2 : 0, errorIndex, request.m_strCommunity);
}
