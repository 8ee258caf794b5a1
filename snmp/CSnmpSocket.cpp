#include "snmp/CSnmpSocket.h"

#include <algorithm>
#include <memory>

#include "platform/core/CArchive.h"
#include "platform/core/Clock.h"
#include "snmp/SnmpAgentAddress.h"
#include "snmp/SnmpDelivery.h"

IMPLEMENT_DYNCREATE(CSnmpSocket, CAsyncSocket)

namespace {
constexpr const char* kReceiveErrorText = "CSnmpSocket::OnReceive(): Socket Error!";
}

CSnmpSocket::CSnmpSocket() = default;

CSnmpSocket::CSnmpSocket(CWinApp* /*app*/) {}

CSnmpSocket::~CSnmpSocket() {
    // Shutting down: outstanding requests are given back without telling their requesters.
    for (CSnmpMsg* msg : m_msgList) {
        CSnmpMsg::Release(msg);
    }
    m_msgList.clear();
}

std::uint32_t CSnmpSocket::SendSnmpMsg(CSnmpMsg* msg) {
    try {
        msg->SnmpEncode();
        msg->m_timeSent = Clock::now();
        SnmpAgentAddress destination;
        if (!SplitAgentAddress(msg->m_strIpAddr, destination)) {
            throw SnmpSocketError(SOCK_ERR_HOST_NOT_FOUND);
        }
        if (SendTo(msg->m_buf, msg->m_nLen, destination.port, destination.host) < 0) {
            throw SnmpSocketError(GetLastError());
        }
    } catch (const CSnmpException& e) {
        msg->m_exception = e;
        if (m_bLogPackets) {
            LogSnmpPacket(msg);
        }
        const std::uint32_t reqId = msg->m_pPdu->m_dwReqId;
        if (SnmpHasReceiver(msg)) {
            SnmpCallReceiver(msg, e.m_wCode);
        }
        return reqId;
    }
    if (m_bLogPackets) {
        LogSnmpPacket(msg);
    }
    m_msgList.push_back(msg);
    return msg->m_pPdu->m_dwReqId;
}

bool CSnmpSocket::TimeOutOldest(int timeoutMs) {
    const Clock::Seconds now = Clock::now();
    const auto expired = std::find_if(m_msgList.begin(), m_msgList.end(), [&](CSnmpMsg* msg) {
        const int limit = msg->m_nTimeoutMs > 0 ? msg->m_nTimeoutMs : timeoutMs;
        return (now - msg->m_timeSent) * 1000 > limit;
    });
    if (expired == m_msgList.end()) {
        return false;
    }
    CSnmpMsg* msg = *expired;
    m_msgList.erase(expired);
    SnmpDeliver(msg, SNMP_ERR_TIMEOUT);
    return true;
}

void CSnmpSocket::OnReceive(int nErrorCode) {
    const std::unique_ptr<CSnmpMsg> reply(new CSnmpMsg(nullptr, {}, {}, 0));
    try {
        std::string sender;
        std::uint16_t senderPort = 0;
        const int received = ReceiveFrom(reply->m_buf, kSnmpBufferSize, sender, senderPort);
        if (received < 0) {
            throw CSnmpException(static_cast<std::uint16_t>(GetLastError()), kReceiveErrorText);
        }
        reply->m_nLen = received;
        reply->m_strIpAddr = sender;
        reply->SnmpDecode();
        if (m_bLogPackets) {
            LogSnmpPacket(reply.get());
        }
        MatchReply(*reply);
    } catch (const CSnmpException& e) {
        reply->m_exception = e;
        if (m_bLogPackets) {
            LogSnmpPacket(reply.get());
        }
    }
    CAsyncSocket::OnReceive(nErrorCode);
}

void CSnmpSocket::MatchReply(CSnmpMsg& reply) {
    const std::uint32_t reqId = reply.m_pPdu->m_dwReqId;
    const auto match = std::find_if(m_msgList.begin(), m_msgList.end(),
                                    [&](CSnmpMsg* msg) { return msg->m_pPdu->m_dwReqId == reqId; });
    if (match == m_msgList.end()) {
        return;
    }
    CSnmpMsg* request = *match;
    std::copy(std::begin(reply.m_buf), std::end(reply.m_buf), std::begin(request->m_buf));
    request->m_nLen = reply.m_nLen;
    request->m_pPdu->RemoveVarBinds();
    request->SnmpDecode();
    // Unlisted only once the reply is in place: the receiver may send (and list) new requests.
    m_msgList.erase(match);
    SnmpDeliver(request, 0);
}

void CSnmpSocket::LogSnmpPacket(CSnmpMsg* msg) {
    // Each record is a fresh archive, so it carries its own class records and can be read back
    // on its own.
    CArchive ar;
    msg->Serialize(ar);
    AppendToFile(kSnmpPacketLogName, ar.Bytes());
}
