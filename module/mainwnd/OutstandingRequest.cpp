#include "module/mainwnd/OutstandingRequest.h"

#include "snmp/CSnmpMsg.h"
#include "snmp/CSnmpSocket.h"
#include "snmp/SnmpTransport.h"

bool COutstandingRequest::Matches(const CSnmpMsg* msg) const {
    if (m_id == 0)
        return false;
    if (m_id == kSending)
        return true;
    return msg && msg->m_pPdu && msg->m_pPdu->m_dwReqId == m_id;
}

void ForgetRequests(const CObject* requester) {
    CSnmpSocket* socket = GetSnmpSocket();
    if (!socket)
        return;
    for (auto it = socket->m_msgList.begin(); it != socket->m_msgList.end();) {
        if ((*it)->m_pRequester == requester) {
            CSnmpMsg::Release(*it);
            it = socket->m_msgList.erase(it);
        } else {
            ++it;
        }
    }
}
