#include "agent/AgentResponse.h"

#include "snmp/CSnmpMsg.h"

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

void AddException(CSnmpPdu& pdu, const std::string& oid, std::uint8_t type) {
    pdu.AddOid(oid);
    pdu.m_varBindList.back()->m_byType = type;
}

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
