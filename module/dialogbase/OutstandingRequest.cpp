#include "module/dialogbase/OutstandingRequest.h"

#include "snmp/CSnmpMsg.h"

bool COutstandingRequest::Matches(const CSnmpMsg* msg) const {
    if (m_id == 0)
        return false;
    if (m_id == kSending)
        return true;
    return msg && msg->m_pPdu && msg->m_pPdu->m_dwReqId == m_id;
}
