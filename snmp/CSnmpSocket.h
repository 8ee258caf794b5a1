#pragma once
// The engine's one UDP socket: sends requests, keeps them until their reply or time-out, and
// hands every outcome to the request's receiver.

#include <cstdint>
#include <list>

#include "snmp/CAsyncSocket.h"
#include "snmp/CSnmpMsg.h"
#include "snmp/NmSnmpApi.h"

class CWinApp;

// File the packet log is appended to, in the current directory.
constexpr const char* kSnmpPacketLogName = "snmp.log";

class NMSNMP_API CSnmpSocket : public CAsyncSocket {
    DECLARE_DYNCREATE(CSnmpSocket)
public:
    explicit CSnmpSocket(CWinApp* app);
    ~CSnmpSocket() override;

    // Encodes and sends `msg`; returns its request id. On success the socket owns the message
    // until its reply or time-out. On failure the receiver (if any) is called with the failure
    // code before this returns, and a message without receiver stays with the caller.
    std::uint32_t SendSnmpMsg(CSnmpMsg* msg);

    // Times out the oldest request older than its own time-out (`timeoutMs` for requests
    // without one), at most one per call, and reports whether one did.
    bool TimeOutOldest(int timeoutMs);

    int m_bLogPackets = 0;
    std::list<CSnmpMsg*> m_msgList;

protected:
    CSnmpSocket();
    void OnReceive(int nErrorCode) override;
    void LogSnmpPacket(CSnmpMsg* msg);

private:
    void MatchReply(CSnmpMsg& reply);
};
