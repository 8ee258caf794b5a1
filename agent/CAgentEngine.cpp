#include "agent/CAgentEngine.h"

#include <cstring>

#include "agent/OidText.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/NmOidTable.h"

namespace {

MibValue ValueOf(const CSnmpVarBind& bind) {
    MibValue value;
    value.type = bind.m_byType;
    switch (bind.m_byType) {
    case SNMP_TYPE_INTEGER:
    case SNMP_TYPE_COUNTER:
    case SNMP_TYPE_GAUGE:
    case SNMP_TYPE_TIMETICKS:
        value.number = bind.GetInt64();
        break;
    default:
        value.bytes = bind.GetText();
        break;
    }
    return value;
}

void AddValue(CSnmpPdu& pdu, const std::string& oid, const MibValue& value) {
    switch (value.type) {
    case SNMP_TYPE_INTEGER:
    case SNMP_TYPE_COUNTER:
    case SNMP_TYPE_GAUGE:
    case SNMP_TYPE_TIMETICKS:
        // Counters are kept wide; the wire carries them modulo 2^32, which is their wrap.
        pdu.AddOid(oid, static_cast<std::uint32_t>(value.number & 0xFFFFFFFF), value.type);
        break;
    case SNMP_TYPE_OID:
        pdu.AddOid(oid, value.bytes, SNMP_TYPE_OID);
        break;
    case SNMP_TYPE_NULL:
        pdu.AddOid(oid);
        break;
    default:
        pdu.AddOid(oid, reinterpret_cast<const std::uint8_t*>(value.bytes.data()),
                   static_cast<int>(value.bytes.size()), value.type);
        break;
    }
}

// Encodes `msg` as a response into `reply`; false when it does not fit a response.
bool EncodeResponse(CSnmpMsg& msg, std::vector<std::uint8_t>& reply) {
    try {
        msg.SnmpEncodeImage();
    } catch (const CSnmpException&) {
        return false;
    }
    if (msg.m_nLen > kMaxResponseOctets) {
        return false;
    }
    reply.assign(msg.m_buf, msg.m_buf + msg.m_nLen);
    return true;
}

// The request sent back with an error status: the same bindings, as RFC 1157 asks. Should even
// that not fit, the bindings are left out.
void EchoRequest(CSnmpMsg& request, std::uint32_t status, std::uint32_t index,
                 std::vector<std::uint8_t>& reply) {
    request.m_wPduType = SNMP_PDU_RESPONSE;
    request.m_pPdu->m_dwErrorStatus = status;
    request.m_pPdu->m_dwErrorIndex = index;
    if (!EncodeResponse(request, reply)) {
        request.m_pPdu->RemoveVarBinds();
        EncodeResponse(request, reply);
    }
}

const char* PduName(std::uint16_t type) {
    switch (type & 0xFF) {
    case SNMP_PDU_GET:
        return "get";
    case SNMP_PDU_GETNEXT:
        return "get-next";
    case SNMP_PDU_SET:
        return "set";
    default:
        return "pdu";
    }
}

const char* StatusName(std::uint32_t status) {
    static const char* const names[] = {"noError",  "tooBig",   "noSuchName",
                                        "badValue", "readOnly", "genErr"};
    return status < std::size(names) ? names[status] : "error";
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
                           std::int64_t nowMs)
    : m_switch(setup, nowMs), m_communities(std::move(communities)) {
    m_mib.Rebuild(m_switch);
    m_indexedGeneration = m_switch.Generation();
}

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
    try {
        request.SnmpDecode();
    } catch (const CSnmpException& e) {
        const bool version = e.m_wCode == SNMP_ERR_VERSION;
        ++(version ? m_stats.badVersion : m_stats.malformed);
        if (summary) {
            *summary = version ? "dropped: not SNMPv1" : "dropped: not an SNMP message";
        }
        return false;
    }

    const std::string description = summary ? Describe(request) : std::string();
    const Result result = Dispatch(request, nowMs, reply);
    if (result.outcome == Outcome::Reply) {
        ++m_stats.answered;
    }
    if (summary) {
        switch (result.outcome) {
        case Outcome::Reply:
            *summary = description + " -> " + StatusName(result.status);
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
                                            std::vector<std::uint8_t>& reply) {
    const std::uint8_t type = request.m_wPduType & 0xFF;
    if (type != SNMP_PDU_GET && type != SNMP_PDU_GETNEXT && type != SNMP_PDU_SET) {
        ++m_stats.unsupportedPdu;
        return {Outcome::Refused, 0};
    }
    const std::string& community = request.m_strCommunity;
    const bool mayWrite = community == m_communities.write;
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
        if (!object || object->access == MibAccess::ReadOnly ||
            !CSwitchMib::IsWritableInstance(*object, target.suffix, m_switch)) {
            EchoRequest(request, SNMP_NO_SUCH_NAME, index, reply);
            return {Outcome::Reply, SNMP_NO_SUCH_NAME};
        }
        if (target.value.type != object->type || !SatisfiesRule(object->rule, target.value)) {
            EchoRequest(request, SNMP_BAD_VALUE, index, reply);
            return {Outcome::Reply, SNMP_BAD_VALUE};
        }
        const SnmpErrorStatus status = object->set(context, target.suffix, target.value);
        if (status != SNMP_NO_ERROR) {
            EchoRequest(request, status, index, reply);
            return {Outcome::Reply, status};
        }
    }
    m_switch.ReplaceConfig(std::move(staged));
    m_mib.Rebuild(m_switch);

    if (context.resetAction == 2) {
        m_switch.ColdStart(nowMs); // the switch goes down before it can answer
        SyncIndex();
        return {Outcome::ColdStart, SNMP_NO_ERROR};
    }
    EchoRequest(request, SNMP_NO_ERROR, 0, reply);
    if (context.resetAction == 3) {
        m_switch.WarmStart(nowMs);
        SyncIndex();
    }
    return {Outcome::Reply, SNMP_NO_ERROR};
}
