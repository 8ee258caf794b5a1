#pragma once
// The engine's one UDP socket: sends requests, keeps them until their reply or time-out, and
// hands every outcome to the request's receiver.

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "snmp/CAsyncSocket.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/NmSnmpApi.h"

class CWinApp;

// File the packet log is appended to, in the current directory.
constexpr const char* kSnmpPacketLogName = "snmp.log";
// The largest UDP payload over IPv4: the receive limit of the command-line tools.
constexpr int kSnmpMaxDatagram = 65507;

class NMSNMP_API CSnmpSocket : public CAsyncSocket {
    DECLARE_DYNCREATE(CSnmpSocket)
public:
    explicit CSnmpSocket(CWinApp* app);
    ~CSnmpSocket() override;

    // Encodes and sends `msg`; returns its request id. On success the socket owns the message
    // until its reply or time-out. On failure the receiver (if any) is called with the failure
    // code before this returns, and a message without receiver stays with the caller.
    std::uint32_t SendSnmpMsg(CSnmpMsg* msg);

    // Handles the oldest request older than its own time-out (`timeoutMs` for requests without
    // one), at most one per call, and reports whether there was one: a request with retries
    // left is sent again (same id, same bytes) and waits anew; any other is timed out.
    bool TimeOutOldest(int timeoutMs);
    // Gives back every listed request of `requester` without calling it.
    void ForgetRequestsOf(const CObject* requester);
    // When, on the time-out clock, the first listed request falls due (`timeoutMs` for requests
    // without a time-out of their own); -1 when none is listed.
    std::int64_t NextTimeoutDueUs(int timeoutMs) const;
    // Now on the time-out clock, in microseconds (whole seconds unless m_bPreciseTimeouts).
    std::int64_t TimeoutClockUs() const;

    int m_bLogPackets = 0;
    // Set once the packet log could not be written and standard error was told.
    bool m_bLogFailureTold = false;
    std::list<CSnmpMsg*> m_msgList;
    // Longest reply accepted, in bytes. A longer one is refused: its request, when listed, is
    // handed back with SNMP_ERR_RESPONSE_TOO_BIG. 512 for the switch; at most kSnmpMaxDatagram.
    int m_nReceiveLimit = kSnmpBufferSize;
    // Agents spoken to with SNMPv3, by address as requests name them: a request to one of them
    // that names no security session of its own is sent in this one. Hosts whose dialogs build
    // their requests themselves (NmDialog's) reach a v3 agent this way.
    std::map<std::string, std::shared_ptr<UsmSession>> m_agentSecurity;
    // Agents spoken to in another community-based version than SNMPv1, by address as requests
    // name them: a request to one of them that names no security session goes in this version.
    std::map<std::string, int> m_agentVersion;
    // Off: time-outs count whole seconds of the injectable clock, as the switch's windows
    // always had them. On: a monotonic clock to the microsecond, so that a time-out such as
    // 250 ms means 250 ms (the command-line tools, whose engine then wakes when one is due).
    bool m_bPreciseTimeouts = false;
    // Called whenever a request is listed or leaves the list, so an owner that sleeps until the
    // next time-out can wake at the right moment (and not at all while nothing is listed).
    std::function<void()> m_onDeadlinesChanged;

protected:
    CSnmpSocket();
    void OnReceive(int nErrorCode) override;
    void LogSnmpPacket(CSnmpMsg* msg);

private:
    void DeadlinesChanged();
    // Reads the waiting datagram into `reply`; returns its full length, or throws.
    int ReceiveDatagram(CSnmpMsg& reply);
    std::list<CSnmpMsg*>::iterator FindRequest(std::uint32_t requestId);
    void RefuseTooBig(CSnmpMsg& reply);
    // An SNMPv3 datagram: opened with the security session of the request it answers.
    void ReceiveV3(CSnmpMsg& reply);
    void AnswerUsmReport(std::list<CSnmpMsg*>::iterator request, const CSnmpMsg& report);
    bool Resend(CSnmpMsg* msg);
    void MatchReply(CSnmpMsg& reply);

    std::vector<std::uint8_t> m_receiveArea; // for limits above 512 bytes
};
