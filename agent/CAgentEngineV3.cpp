// The SNMPv3 side of the agent's engine: the switch as an authoritative engine. The security
// model (discovery, reports, MACs, the time window, privacy) is the engine library's; here its
// accepted requests are answered like SNMPv2c ones and the answers sealed for the user.

#include <random>

#include "agent/CAgentEngine.h"
#include "agent/MibObject.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/SnmpV3Image.h"
#include "snmp/UsmAuthoritativeEngine.h"

namespace {

Clock::Seconds EngineSeconds(std::int64_t nowMs) {
    return nowMs / 1000;
}

// The switch's enterprise number, as its engine ID's first octets name it.
std::uint32_t EnterpriseNumber() {
    return kEnterprise.back();
}

std::vector<std::uint8_t> RandomOctets(std::size_t count) {
    std::random_device source;
    std::vector<std::uint8_t> octets(count);
    for (std::uint8_t& octet : octets) {
        octet = static_cast<std::uint8_t>(source());
    }
    return octets;
}

} // namespace

void CAgentEngine::StartV3Engine(AgentProtocols& protocols, std::int64_t nowMs) {
    if (protocols.v3Users.empty()) {
        return;
    }
    std::vector<std::uint8_t> engineId = protocols.engineId;
    if (engineId.empty()) {
        engineId = UsmAuthoritativeEngine::MakeEngineId(EnterpriseNumber(), RandomOctets(8));
    }
    m_pUsm = std::make_unique<UsmAuthoritativeEngine>(std::move(engineId), protocols.engineBoots,
                                                      EngineSeconds(nowMs));
    for (const UsmUser& user : protocols.v3Users) {
        m_v3UserNames.push_back(user.userName);
        UsmUser own = user;
        own.engineId.clear(); // a user of this engine
        m_pUsm->AddUser(std::move(own));
    }
}

void CAgentEngine::RestartV3Engine(std::int64_t nowMs) {
    if (m_pUsm) {
        m_pUsm->Restart(EngineSeconds(nowMs));
    }
}

bool CAgentEngine::HandleV3(const std::uint8_t* data, std::size_t size, std::int64_t nowMs,
                            std::vector<std::uint8_t>& reply, std::string* summary) {
    const Clock::Seconds now = EngineSeconds(nowMs);
    const UsmEngineIncoming incoming = m_pUsm->Receive(data, size, now);
    if (incoming.verdict != UsmEngineIncoming::Verdict::Accept) {
        ++m_stats.v3Refused;
        const bool report = incoming.verdict == UsmEngineIncoming::Verdict::Report;
        if (summary) {
            *summary = std::string(report ? "SNMPv3 report: " : "dropped: SNMPv3 ") +
                       UsmFailureText(incoming.failure) +
                       (incoming.userName.empty() ? "" : " (user " + incoming.userName + ")");
        }
        if (report) {
            reply = incoming.report;
        }
        return report;
    }
    CSnmpMsg request(nullptr, {}, {}, 0);
    try {
        SnmpSetPduImage(request, incoming.scoped.pdu);
        request.SnmpDecode();
    } catch (const CSnmpException&) {
        ++m_stats.malformed;
        if (summary) {
            *summary = "dropped: SNMPv3 message without a readable PDU";
        }
        return false;
    }
    std::string line;
    std::vector<std::uint8_t> clear;
    const bool answer = Respond(request, nowMs, clear, summary ? &line : nullptr, true);
    if (summary) {
        *summary = "v3 user " + incoming.userName + ": " + line;
    }
    if (!answer) {
        return false;
    }
    reply = m_pUsm->ProtectResponse(incoming, SnmpCommunityPdu(clear.data(), clear.size()), now);
    // The sender said how large a message it takes; for one larger than that it hears tooBig.
    if (static_cast<std::int64_t>(reply.size()) > incoming.maxSize) {
        request.m_pPdu->RemoveVarBinds();
        EchoRequest(request, SNMP_TOO_BIG, 0, clear);
        reply =
            m_pUsm->ProtectResponse(incoming, SnmpCommunityPdu(clear.data(), clear.size()), now);
    }
    return !reply.empty();
}
