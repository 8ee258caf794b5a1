#include "module/graphs/CStatPoller.h"

#include "module/graphs/CStatObjects.h"
#include "module/graphs/GraphDlgIds.h"
#include "module/graphs/PollStatus.h"
#include "platform/core/Clock.h"
#include "platform/ui/CWnd.h"
#include "snmp/CSnmpClass.h"
#include "snmp/SnmpErrorStatus.h"
#include "snmp/SnmpTransport.h"

#include <algorithm>
#include <iterator>

namespace {

std::uint16_t PduTypeOf(int kind) {
    switch (kind) {
    case STAT_REQUEST_GETNEXT:
        return SNMP_PDU_GETNEXT;
    case STAT_REQUEST_SET:
    case STAT_REQUEST_SET_OTHER:
        return SNMP_PDU_SET;
    default:
        return SNMP_PDU_GET;
    }
}

} // namespace

CStatPoller::CStatPoller() = default;

CStatPoller::~CStatPoller() {
    // A reply that comes after the poller is gone must not reach it.
    ForgetSnmpRequests(this);
}

bool CStatPoller::Poll(const CStatRequest& poll) {
    if (!m_queue.empty() || !poll.m_pObjects)
        return false;
    const int count = poll.m_pObjects->ValueCount();
    for (int first = 0; first == 0 || first < count; first += CStatObjects::kRunLength) {
        CStatRequest request = poll;
        request.m_nFirst = first;
        m_queue.push_back(request);
    }
    Send();
    return true;
}

void CStatPoller::Send() {
    // A send that fails reports before SendSnmp returns; the loop then goes on from here, so
    // the request object is never deleted while it is still sending.
    if (m_bSending)
        return;
    m_bSending = true;
    while (!m_queue.empty() && !m_request.IsBusy()) {
        const CStatRequest request = m_queue.front();
        CStatObjects& objects = *request.m_pObjects;
        m_pSnmp.reset();
        m_pSnmp = std::make_unique<CSnmpClass>(
            this, request.m_strIpAddr, request.m_strReadCommunity, request.m_strWriteCommunity,
            objects.RunLength(request.m_nFirst), objects.ValueRows(request.m_nFirst),
            objects.Instance());
        m_pSnmp->SetSnmpCallback(static_cast<SNMPCALLBACK>(&CStatPoller::OnReply));
        const std::uint16_t pduType = PduTypeOf(request.m_nKind);
        if (pduType == SNMP_PDU_SET) {
            int i = request.m_nFirst;
            for (CSnmpOid* oid : m_pSnmp->GetOidList()) {
                const CStatObject& object = objects.ValueObjects()[size_t(i++)];
                oid->m_strValue = object.m_pValue ? object.m_pValue->Format() : std::string();
            }
        }
        m_request.Start([&] { return m_pSnmp->SendSnmp(pduType); });
    }
    m_bSending = false;
}

void CStatPoller::OnReply(std::uint16_t code, CSnmpMsg* msg) {
    if (!m_request.Matches(msg) || m_queue.empty()) {
        CSnmpMsg::Release(msg);
        return;
    }
    m_request.Clear();
    const CStatRequest request = m_queue.front();
    m_queue.pop_front();
    TakeOutcome(request, code, msg);
    CSnmpMsg::Release(msg);
    request.m_pObjects->SetStatus(m_wStatus, m_strStatus);
    bool last = request.m_pObjects->IsLastRun(request.m_nFirst);
    if (m_wStatus != POLL_OK && !last) {
        DropRestOfPoll(request);
        last = true;
    }
    if (last)
        ::PostMessage(request.m_hOwner, GRAPH_SAMPLE_READY, 0, 0);
    Send();
}

void CStatPoller::TakeOutcome(const CStatRequest& request, std::uint16_t code, CSnmpMsg* msg) {
    CStatObjects& objects = *request.m_pObjects;
    const CSnmpPdu* pdu = msg ? msg->m_pPdu : nullptr;
    std::uint16_t status = POLL_OK;
    std::string name, value;
    // The object at a position the reply names, counted from 1 from the request's first
    // object; 0 names that one. A position past the request names no object (the switch's
    // reply is not trusted).
    const auto nameObjectAt = [&](std::uint32_t position) {
        const std::uint32_t offset = std::max<std::uint32_t>(position, 1) - 1;
        if (offset < std::uint32_t(objects.RunLength(request.m_nFirst))) {
            const CStatObject& object = objects.ValueObjects()[size_t(request.m_nFirst) + offset];
            name = object.m_strName;
            value = object.m_pValue ? object.m_pValue->Format() : std::string();
        }
    };
    if (code == SNMP_ERR_SECURITY) {
        status = POLL_REFUSED;
    } else if (code != 0 || !pdu) {
        status = POLL_NO_REPLY;
    } else if (request.m_nKind == STAT_REQUEST_GETNEXT && m_pSnmp->IsEndOfTable(pdu)) {
        status = POLL_END_OF_TABLE;
    } else if (pdu->m_dwErrorStatus != 0) {
        status = PollErrorStatusCode(pdu->m_dwErrorStatus);
        nameObjectAt(pdu->m_dwErrorIndex);
    } else if (const std::uint32_t missing = SnmpFirstException(*pdu)) {
        // No sample: a counter the agent does not have is no counter that fell to zero.
        const CSnmpVarBind* binding = *std::next(pdu->m_varBindList.begin(), missing - 1);
        status = std::uint16_t(POLL_EXCEPTION_BASE + binding->m_byType);
        nameObjectAt(missing);
    } else {
        for (const CSnmpVarBind* vb : pdu->m_varBindList)
            objects.TakeValue(*vb, msg->ReceivedMs());
    }
    m_wStatus = status;
    m_strStatus = PollStatusText(status, name, value, Clock::now(),
                                 msg ? msg->m_exception.m_strMessage : std::string());
}

void CStatPoller::DropRestOfPoll(const CStatRequest& failed) {
    while (!m_queue.empty() && m_queue.front().m_pObjects == failed.m_pObjects &&
           m_queue.front().m_nFirst > failed.m_nFirst)
        m_queue.pop_front();
}
