#include "agent/CAgentEngine.h"

#include <cstring>
#include <optional>

#include "agent/AgentV2Read.h"
#include "agent/OidText.h"
#include "agent/SetRefusal.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/NmOidTable.h"
#include "snmp/SnmpErrorStatus.h"
#include "snmp/SnmpV3Message.h"
#include "snmp/UsmAuthoritativeEngine.h"

namespace {

MibValue ValueOf(const CSnmpVarBind& bind) {
    MibValue value;
    value.type = bind.m_byType;
    if (ValueStorageOf(bind.m_byType) == SnmpStorage::Number) {
        value.number = bind.GetInt64();
    } else {
        value.bytes = bind.GetText();
    }
    return value;
}

const char* PduName(std::uint16_t type) {
    switch (type & 0xFF) {
    case SNMP_PDU_GET:
        return "get";
    case SNMP_PDU_GETNEXT:
        return "get-next";
    case SNMP_PDU_SET:
        return "set";
    case SNMP_PDU_GETBULK:
        return "get-bulk";
    default:
        return "pdu";
    }
}

std::string Describe(const CSnmpMsg& request) {
    std::string text = PduName(request.m_wPduType);
    const auto& binds = request.m_pPdu->m_varBindList;
    if (!binds.empty()) {
        text += " " + binds.front()->m_strOid;
        if (binds.size() > 1) {
            text += " (+" + std::to_string(binds.size() - 1) + ")";
        }
    }
    return text;
}

} // namespace

CAgentEngine::CAgentEngine(const SwitchSetup& setup, AgentCommunities communities,
                           std::int64_t nowMs, AgentProtocols protocols)
    : m_switch(setup, nowMs), m_communities(std::move(communities)), m_bV2c(protocols.v2c) {
    m_mib.Rebuild(m_switch);
    m_indexedGeneration = m_switch.Generation();
    StartV3Engine(protocols, nowMs);
    WipePassphrases(protocols);
}

CAgentEngine::~CAgentEngine() = default;

void CAgentEngine::SyncIndex() {
    if (m_indexedGeneration != m_switch.Generation()) {
        m_mib.Rebuild(m_switch);
        m_indexedGeneration = m_switch.Generation();
    }
}

void CAgentEngine::Tick(std::int64_t nowMs) {
    m_switch.Update(nowMs);
    SyncIndex();
}

std::vector<TrapDatagram> CAgentEngine::TakeTraps(const std::array<std::uint8_t, 4>& agentAddress) {
    std::array<std::uint8_t, 4> address = agentAddress;
    const auto& interfaces = m_switch.Config().interfaces;
    if (address == std::array<std::uint8_t, 4>{} && !interfaces.empty()) {
        address = interfaces.front().address;
    }
    std::vector<TrapDatagram> traps;
    for (const SwitchEvent& event : m_switch.TakeEvents()) {
        for (TrapDatagram& trap : BuildSwitchTraps(event, m_switch, address)) {
            traps.push_back(std::move(trap));
        }
    }
    return traps;
}

bool CAgentEngine::HandleDatagram(const std::uint8_t* data, int length, std::int64_t nowMs,
                                  std::vector<std::uint8_t>& reply, std::string* summary) {
    ++m_stats.received;
    reply.clear();
    m_switch.Update(nowMs);
    SyncIndex();
    if (m_switch.IsSilent(nowMs)) {
        ++m_stats.whileResetting;
        if (summary) {
            *summary = "dropped: switch restarting";
        }
        return false;
    }
    if (m_pUsm && length > 0 &&
        PeekSnmpVersion(data, static_cast<std::size_t>(length)) == SNMP_VERSION_3) {
        return HandleV3(data, static_cast<std::size_t>(length), nowMs, reply, summary);
    }
    CSnmpMsg request(nullptr, {}, {}, 0);
    if (length <= 0 || length > kSnmpBufferSize) {
        ++m_stats.malformed;
        if (summary) {
            *summary = "dropped: not an SNMP message";
        }
        return false;
    }
    std::memcpy(request.m_buf, data, static_cast<std::size_t>(length));
    request.m_nLen = length;
    // SNMPv2c is read only when the switch answers it; otherwise it fails as a version the
    // switch does not speak.
    if (m_bV2c && PeekSnmpVersion(data, static_cast<std::size_t>(length)) == SNMP_VERSION_2C) {
        request.m_nVersion = SNMP_VERSION_2C;
    }
    try {
        request.SnmpDecode();
    } catch (const CSnmpException& e) {
        const bool version = e.m_wCode == SNMP_ERR_VERSION;
        ++(version ? m_stats.badVersion : m_stats.malformed);
        if (summary) {
            *summary = version ? "dropped: a version the switch does not answer"
                               : "dropped: not an SNMP message";
        }
        return false;
    }
    return Respond(request, nowMs, reply, summary, false);
}

bool CAgentEngine::Respond(CSnmpMsg& request, std::int64_t nowMs, std::vector<std::uint8_t>& reply,
                           std::string* summary, bool fromUser) {
    // SNMPv3 requests are decoded as SNMPv2c; their summary names the user instead.
    const bool v2c = request.m_nVersion == SNMP_VERSION_2C && !fromUser;
    const std::string description =
        summary ? (v2c ? "v2c " : "") + Describe(request) : std::string();
    const Result result = Dispatch(request, nowMs, reply, fromUser);
    if (result.outcome == Outcome::Reply) {
        ++m_stats.answered;
    }
    if (summary) {
        switch (result.outcome) {
        case Outcome::Reply:
            *summary = description + " -> " + SnmpErrorStatusName(result.status);
            break;
        case Outcome::Refused:
            *summary = description + " -> dropped: community or PDU type refused";
            break;
        case Outcome::ColdStart:
            *summary = description + " -> cold start, no answer";
            break;
        }
    }
    return result.outcome == Outcome::Reply;
}

CAgentEngine::Result CAgentEngine::Dispatch(CSnmpMsg& request, std::int64_t nowMs,
                                            std::vector<std::uint8_t>& reply, bool fromUser) {
    const std::uint8_t type = request.m_wPduType & 0xFF;
    const bool v2 = request.m_nVersion == SNMP_VERSION_2C;
    if (type != SNMP_PDU_GET && type != SNMP_PDU_GETNEXT && type != SNMP_PDU_SET &&
        !(v2 && type == SNMP_PDU_GETBULK)) {
        ++m_stats.unsupportedPdu;
        return {Outcome::Refused, 0};
    }
    // An SNMPv3 request comes from a user the security model has checked: it carries no
    // community, and every user may read and write.
    const std::string& community = request.m_strCommunity;
    const bool mayWrite = fromUser || community == m_communities.write;
    const bool mayRead = mayWrite || community == m_communities.read;
    if (!(type == SNMP_PDU_SET ? mayWrite : mayRead)) {
        ++m_stats.badCommunity;
        // snmpEnableAuthenTraps: 1 enabled, 2 disabled.
        if (m_switch.Config().authFailTrap == 1) {
            m_switch.NoteAuthenticationFailure(nowMs);
        }
        return {Outcome::Refused, 0};
    }
    if (type == SNMP_PDU_SET) {
        return Write(request, nowMs, reply);
    }
    if (v2) {
        return {Outcome::Reply, AnswerV2Read(m_mib, m_switch, request, nowMs, reply)};
    }
    return {Outcome::Reply, Read(request, type == SNMP_PDU_GETNEXT, nowMs, reply)};
}

std::uint32_t CAgentEngine::Read(CSnmpMsg& request, bool next, std::int64_t nowMs,
                                 std::vector<std::uint8_t>& reply) {
    std::vector<const CSwitchMib::Instance*> found;
    std::uint32_t index = 0;
    for (const CSnmpVarBind* bind : request.m_pPdu->m_varBindList) {
        ++index;
        const Oid oid = ParseOid(bind->m_strOid);
        const CSwitchMib::Instance* instance = next ? m_mib.Next(oid) : m_mib.Find(oid);
        if (!instance) {
            EchoRequest(request, SNMP_NO_SUCH_NAME, index, reply);
            return SNMP_NO_SUCH_NAME;
        }
        found.push_back(instance);
    }
    CSnmpMsg response(nullptr, {}, request.m_strCommunity, SNMP_PDU_RESPONSE);
    response.m_pPdu->m_dwReqId = request.m_pPdu->m_dwReqId;
    for (const CSwitchMib::Instance* instance : found) {
        AddValue(*response.m_pPdu, instance->text,
                 instance->object->get(m_switch, instance->suffix, nowMs));
    }
    if (!EncodeResponse(response, reply)) {
        EchoRequest(request, SNMP_TOO_BIG, 0, reply);
        return SNMP_TOO_BIG;
    }
    return SNMP_NO_ERROR;
}

CAgentEngine::Result CAgentEngine::Write(CSnmpMsg& request, std::int64_t nowMs,
                                         std::vector<std::uint8_t>& reply) {
    struct Target {
        const MibObject* object;
        Oid suffix;
        MibValue value;
    };
    std::vector<Target> targets;
    std::set<std::uint32_t> enabling;
    for (const CSnmpVarBind* bind : request.m_pPdu->m_varBindList) {
        Target target{nullptr, {}, ValueOf(*bind)};
        target.object = m_mib.ObjectFor(ParseOid(bind->m_strOid), target.suffix);
        if (target.object && target.object->createsRow &&
            CSwitchMib::IsWritableInstance(*target.object, target.suffix, m_switch) &&
            target.value.type == SNMP_TYPE_INTEGER && target.value.number == STATE_ENABLE) {
            enabling.insert(TrapReceiverKey(target.suffix));
        }
        targets.push_back(std::move(target));
    }

    // Every binding is applied to a copy; the copy replaces the configuration only when all of
    // them were accepted.
    SwitchConfig staged = m_switch.Config();
    SetContext context{staged, m_switch, enabling};
    std::uint32_t index = 0;
    for (const Target& target : targets) {
        ++index;
        const MibObject* object = target.object;
        std::optional<SetRefusal> refusal;
        if (!object) {
            refusal = SetRefusal::NoObject;
        } else if (object->access == MibAccess::ReadOnly) {
            refusal = SetRefusal::NotWritable;
        } else if (!CSwitchMib::IsWritableInstance(*object, target.suffix, m_switch)) {
            refusal = SetRefusal::NoSuchRow;
        } else if (target.value.type != object->type) {
            refusal = SetRefusal::WrongType;
        } else if (!SatisfiesRule(object->rule, target.value)) {
            refusal = SetRefusal::WrongValue;
        }
        if (refusal) {
            const std::uint32_t status = SetRefusalStatus(*refusal, request.m_nVersion);
            EchoRequest(request, status, index, reply);
            return {Outcome::Reply, status};
        }
        const SnmpErrorStatus setterStatus = object->set(context, target.suffix, target.value);
        if (setterStatus != SNMP_NO_ERROR) {
            const std::uint32_t status = SetterStatus(setterStatus, request.m_nVersion);
            EchoRequest(request, status, index, reply);
            return {Outcome::Reply, status};
        }
    }
    m_switch.ReplaceConfig(std::move(staged));
    m_mib.Rebuild(m_switch);

    if (context.resetAction == 2) {
        m_switch.ColdStart(nowMs); // the switch goes down before it can answer
        RestartV3Engine(nowMs);
        SyncIndex();
        return {Outcome::ColdStart, SNMP_NO_ERROR};
    }
    EchoRequest(request, SNMP_NO_ERROR, 0, reply);
    if (context.resetAction == 3) {
        m_switch.WarmStart(nowMs);
        RestartV3Engine(nowMs);
        SyncIndex();
    }
    return {Outcome::Reply, SNMP_NO_ERROR};
}
