#include "snmp/SnmpDecodedReply.h"

#include <algorithm>
#include <iterator>

#include "snmp/SnmpTypes.h"

void SnmpTakeDecodedReply(CSnmpMsg& request, CSnmpMsg& reply) {
    if (&request == &reply) {
        return;
    }
    std::copy(std::begin(reply.m_buf), std::end(reply.m_buf), std::begin(request.m_buf));
    request.m_largeImage.swap(reply.m_largeImage);
    request.m_nLen = reply.m_nLen;
    request.m_timeReceivedMs = reply.m_timeReceivedMs;

    request.m_strCommunity = reply.m_strCommunity;
    const std::uint8_t pduType = reply.m_wPduType & 0xFF;
    request.m_wPduType = static_cast<std::uint16_t>((request.m_wPduType & 0xFF00) | pduType);
    CSnmpPdu& to = *request.m_pPdu;
    const CSnmpPdu& from = *reply.m_pPdu;
    if (pduType != SNMP_PDU_TRAP) {
        to.m_dwReqId = from.m_dwReqId;
        to.m_dwErrorStatus = from.m_dwErrorStatus;
        to.m_dwErrorIndex = from.m_dwErrorIndex;
    }
    to.m_varBindList.TakeAll(reply.m_pPdu->m_varBindList);
}
