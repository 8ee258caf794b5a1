#include "snmp/CSnmpSocket.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/core/CArchive.h"
#include "platform/core/Clock.h"
#include "snmp/SnmpAgentAddress.h"
#include "snmp/SnmpDecodedReply.h"
#include "snmp/SnmpDelivery.h"
#include "snmp/SnmpMessageHeader.h"
#include "snmp/SnmpPacketLog.h"
#include "snmp/SnmpV3Image.h"
#include "snmp/SnmpV3Message.h"
#include "snmp/UsmSession.h"

IMPLEMENT_DYNCREATE(CSnmpSocket, CAsyncSocket)

namespace {
constexpr const char* kReceiveErrorText = "CSnmpSocket::OnReceive(): Socket Error!";
constexpr const char* kResponseTooBigText = "Response too big.";

// A request falls due once more than its time-out has passed since it went out.
std::int64_t DueUs(const CSnmpMsg& msg, int timeoutMs) {
    const int limit = msg.m_nTimeoutMs > 0 ? msg.m_nTimeoutMs : timeoutMs;
    return msg.m_timeSentUs + std::int64_t{limit} * 1000 + 1;
}
} // namespace

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
        if (!msg->m_pUsm) {
            const auto agent = m_agentSecurity.find(msg->m_strIpAddr);
            if (agent != m_agentSecurity.end()) {
                msg->m_pUsm = agent->second;
            }
        }
        if (!msg->m_pUsm) {
            const auto agent = m_agentVersion.find(msg->m_strIpAddr);
            if (agent != m_agentVersion.end()) {
                msg->m_nVersion = agent->second;
            }
        }
        if (msg->m_pUsm) {
            msg->m_nVersion = SNMP_VERSION_2C; // a v3 message carries v2 PDUs
        }
        msg->SnmpEncode();
        if (msg->m_pUsm) {
            SnmpProtectImage(*msg);
        }
        msg->m_timeSent = Clock::now();
        msg->m_timeSentUs = TimeoutClockUs();
        msg->m_nSendCount = 0;
        if (!Resend(msg)) {
            throw SnmpSocketError(GetLastError());
        }
    } catch (const CSnmpException& e) {
        // Not logged: the log holds what went over the wire, and this never did.
        msg->m_exception = e;
        const std::uint32_t reqId = msg->m_pPdu->m_dwReqId;
        if (SnmpHasReceiver(msg)) {
            SnmpCallReceiver(msg, e.m_wCode);
        }
        return reqId;
    }
    m_msgList.push_back(msg);
    DeadlinesChanged();
    return msg->m_pPdu->m_dwReqId;
}

void CSnmpSocket::DeadlinesChanged() {
    if (m_onDeadlinesChanged) {
        m_onDeadlinesChanged();
    }
}

// Sends the message's image as it stands and logs it; false with GetLastError set on failure.
bool CSnmpSocket::Resend(CSnmpMsg* msg) {
    SnmpAgentAddress destination;
    if (!SplitAgentAddress(msg->m_strIpAddr, destination)) {
        SetLastError(SOCK_ERR_HOST_NOT_FOUND);
        return false;
    }
    if (SendTo(msg->ImageData(), msg->ImageLength(), destination.port, destination.host) < 0) {
        return false;
    }
    ++msg->m_nSendCount;
    if (m_bLogPackets) {
        LogSnmpPacket(msg);
    }
    return true;
}

std::int64_t CSnmpSocket::TimeoutClockUs() const {
    if (m_bPreciseTimeouts) {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    return Clock::now() * 1000000;
}

bool CSnmpSocket::TimeOutOldest(int timeoutMs) {
    const std::int64_t nowUs = TimeoutClockUs();
    const auto expired = std::find_if(m_msgList.begin(), m_msgList.end(), [&](CSnmpMsg* msg) {
        return nowUs >= DueUs(*msg, timeoutMs);
    });
    if (expired == m_msgList.end()) {
        return false;
    }
    CSnmpMsg* msg = *expired;
    m_msgList.erase(expired);
    DeadlinesChanged();
    if (msg->m_nSendCount <= msg->m_nRetries) {
        // Sent again, it waits a whole time-out anew, behind the requests sent since.
        msg->m_timeSent = Clock::now();
        msg->m_timeSentUs = nowUs;
        if (Resend(msg)) {
            m_msgList.push_back(msg);
            DeadlinesChanged();
            return true;
        }
        msg->m_exception = SnmpSocketError(GetLastError());
        SnmpDeliver(msg, SNMP_ERR_SOCKET);
        return true;
    }
    SnmpDeliver(msg, SNMP_ERR_TIMEOUT);
    return true;
}

void CSnmpSocket::ForgetRequestsOf(const CObject* requester) {
    m_msgList.remove_if([requester](CSnmpMsg* msg) {
        if (msg->m_pRequester != requester) {
            return false;
        }
        CSnmpMsg::Release(msg);
        return true;
    });
    DeadlinesChanged();
}

std::int64_t CSnmpSocket::NextTimeoutDueUs(int timeoutMs) const {
    std::int64_t next = -1;
    for (const CSnmpMsg* msg : m_msgList) {
        const std::int64_t due = DueUs(*msg, timeoutMs);
        if (next < 0 || due < next) {
            next = due;
        }
    }
    return next;
}

void CSnmpSocket::OnReceive(int nErrorCode) {
    const std::unique_ptr<CSnmpMsg> reply(new CSnmpMsg(nullptr, {}, {}, 0));
    try {
        if (ReceiveDatagram(*reply) > std::min(m_nReceiveLimit, kSnmpMaxDatagram)) {
            RefuseTooBig(*reply);
        } else if (PeekSnmpVersion(reply->ImageData(),
                                   static_cast<std::size_t>(reply->ImageLength())) == 3) {
            ReceiveV3(*reply);
        } else {
            // A reply is decoded in the version of the request it answers; one that answers no
            // listed request is read as SNMPv1, the switch's version.
            SnmpMessageHeader header;
            if (SnmpReadMessageHeader(reply->ImageData(), reply->ImageLength(), header)) {
                const auto request = FindRequest(header.requestId);
                if (request != m_msgList.end()) {
                    reply->m_nVersion = (*request)->m_nVersion;
                }
            }
            reply->SnmpDecode();
            if (m_bLogPackets) {
                LogSnmpPacket(reply.get());
            }
            MatchReply(*reply);
        }
    } catch (const CSnmpException& e) {
        reply->m_exception = e;
        if (m_bLogPackets) {
            LogSnmpPacket(reply.get());
        }
    }
    CAsyncSocket::OnReceive(nErrorCode);
}

int CSnmpSocket::ReceiveDatagram(CSnmpMsg& reply) {
    const int limit = std::min(m_nReceiveLimit, kSnmpMaxDatagram);
    const bool large = limit > kSnmpBufferSize;
    if (large) {
        m_receiveArea.resize(static_cast<std::size_t>(limit));
    }
    std::uint8_t* area = large ? m_receiveArea.data() : reply.m_buf;
    std::string sender;
    std::uint16_t senderPort = 0;
    int length = 0;
    const int received =
        ReceiveFrom(area, large ? limit : kSnmpBufferSize, sender, senderPort, &length);
    if (received < 0) {
        throw CSnmpException(static_cast<std::uint16_t>(GetLastError()), kReceiveErrorText);
    }
    if (large && received > kSnmpBufferSize) {
        reply.m_largeImage.assign(area, area + received);
    } else if (large) {
        std::memcpy(reply.m_buf, area, static_cast<std::size_t>(received));
    }
    reply.m_nLen = received;
    // Named as requests name agents: the port follows unless it is SNMP's own.
    reply.m_strIpAddr =
        senderPort == kSnmpAgentPort ? sender : sender + ":" + std::to_string(senderPort);
    reply.m_timeReceivedMs = Clock::nowMs();
    return length;
}

std::list<CSnmpMsg*>::iterator CSnmpSocket::FindRequest(std::uint32_t requestId) {
    return std::find_if(m_msgList.begin(), m_msgList.end(),
                        [&](CSnmpMsg* msg) { return msg->m_pPdu->m_dwReqId == requestId; });
}

void CSnmpSocket::RefuseTooBig(CSnmpMsg& reply) {
    const CSnmpException tooBig(SNMP_ERR_RESPONSE_TOO_BIG, kResponseTooBigText);
    SnmpMessageHeader header;
    if (SnmpReadMessageHeader(reply.ImageData(), reply.ImageLength(), header)) {
        const auto request = FindRequest(header.requestId);
        if (request != m_msgList.end() && (*request)->m_nVersion == header.version) {
            CSnmpMsg* msg = *request;
            m_msgList.erase(request);
            DeadlinesChanged();
            msg->m_exception = tooBig;
            SnmpDeliver(msg, SNMP_ERR_RESPONSE_TOO_BIG);
        }
    }
    throw tooBig; // recorded (and logged) with the datagram like any reply that failed
}

void CSnmpSocket::ReceiveV3(CSnmpMsg& reply) {
    const std::uint8_t* bytes = reply.ImageData();
    const auto size = static_cast<std::size_t>(reply.ImageLength());
    std::size_t authOffset = 0;
    const SnmpV3Message header = DecodeV3Message(bytes, size, authOffset);
    const auto request = std::find_if(m_msgList.begin(), m_msgList.end(), [&](CSnmpMsg* msg) {
        return msg->m_pUsm && SnmpV3MessageId(msg->m_pPdu->m_dwReqId) == header.msgId;
    });
    if (request == m_msgList.end()) {
        return; // answers nothing we wait for
    }
    reply.m_pUsm = (*request)->m_pUsm; // the log names the user and level
    // A datagram that fails the session's checks is dropped: the request waits on for the
    // genuine reply, or times out.
    const UsmIncoming incoming = (*request)->m_pUsm->Open(bytes, size);
    if (incoming.failure != UsmFailure::None) {
        (*request)->m_usmRefusals.push_back(incoming.failure);
        throw CSnmpException(SNMP_ERR_SECURITY, UsmFailureText(incoming.failure));
    }
    SnmpSetPduImage(reply, incoming.pdu);
    reply.SnmpDecode();
    if (m_bLogPackets) {
        LogSnmpPacket(&reply);
    }
    if ((reply.m_wPduType & 0xFF) == SNMP_PDU_REPORT) {
        AnswerUsmReport(request, reply);
    } else if (reply.m_pPdu->m_dwReqId == (*request)->m_pPdu->m_dwReqId) {
        MatchReply(reply);
    }
}

void CSnmpSocket::AnswerUsmReport(std::list<CSnmpMsg*>::iterator request, const CSnmpMsg& report) {
    CSnmpMsg* msg = *request;
    const auto& bindings = report.m_pPdu->m_varBindList;
    const std::string oid = bindings.empty() ? std::string() : bindings.front()->m_strOid;
    UsmFailure failure = UsmFailure::None;
    if (msg->m_pUsm->OnReport(oid, msg->m_nUsmResends, failure) == UsmReportAction::Resend) {
        // Discovery or a time synchronisation: the same request again, protected anew.
        ++msg->m_nUsmResends;
        msg->m_nSendCount = 0;
        msg->m_timeSent = Clock::now();
        msg->m_timeSentUs = TimeoutClockUs();
        try {
            msg->SnmpEncodeImage();
            SnmpProtectImage(*msg);
            if (Resend(msg)) {
                DeadlinesChanged(); // it waits a whole time-out anew
                return;
            }
            msg->m_exception = SnmpSocketError(GetLastError());
        } catch (const CSnmpException& e) {
            msg->m_exception = e;
        }
    } else {
        msg->m_exception = CSnmpException(SNMP_ERR_SECURITY, UsmFailureText(failure));
    }
    m_msgList.erase(request);
    DeadlinesChanged();
    SnmpDeliver(msg, msg->m_exception.m_wCode);
}

void CSnmpSocket::MatchReply(CSnmpMsg& reply) {
    const auto match = FindRequest(reply.m_pPdu->m_dwReqId);
    if (match == m_msgList.end()) {
        return;
    }
    CSnmpMsg* request = *match;
    // The reply was decoded in the request's version; the request takes it over as it stands.
    SnmpTakeDecodedReply(*request, reply);
    // Unlisted only once the reply is in place: the receiver may send (and list) new requests.
    m_msgList.erase(match);
    DeadlinesChanged();
    SnmpDeliver(request, 0);
}

void CSnmpSocket::LogSnmpPacket(CSnmpMsg* msg) {
    // Each record is a fresh archive, so it carries its own class records and can be read back
    // on its own.
    CArchive ar;
    WriteSnmpLogRecord(ar, *msg);
    std::string error;
    if (!AppendToFile(kSnmpPacketLogName, ar.Bytes(), &error) && !m_bLogFailureTold) {
        // Said once: an operator who asked for a log must learn it is not being kept, but a
        // line per packet would bury everything else on standard error.
        m_bLogFailureTold = true;
        std::fprintf(stderr, "cannot write the packet log %s: %s\n", kSnmpPacketLogName,
                     error.c_str());
    }
}
