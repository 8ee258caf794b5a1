#include "agent/AgentResponse.h"

#include "snmp/CSnmpMsg.h"

SnmpStorage ValueStorageOf(std::uint8_t type) {
    const SnmpValueType* row = SnmpValueTypeOf(type);
    return row ? row->storage : SnmpStorage::Bytes;
}

void AddValue(CSnmpPdu& pdu, const std::string& oid, const MibValue& value) {
    switch (ValueStorageOf(value.type)) {
    case SnmpStorage::Number:
        // Counters are kept wide; the wire carries them modulo 2^32, which is their wrap.
        pdu.AddOid(oid, static_cast<std::uint32_t>(value.number & 0xFFFFFFFF), value.type);
        break;
    case SnmpStorage::Number64:
        pdu.AddOid(oid, value.number, value.type);
        break;
    case SnmpStorage::Text:
        pdu.AddOid(oid, value.bytes, SNMP_TYPE_OID);
        break;
    case SnmpStorage::None:
        AddException(pdu, oid, value.type);
        break;
    case SnmpStorage::Bytes:
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
