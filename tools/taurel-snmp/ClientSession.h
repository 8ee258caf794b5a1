#pragma once
// One run of get, getnext, walk, set, bulkget or bulkwalk against an agent on the engine, with
// net-snmp's lines and exit statuses. The session sends its requests and receives their
// outcomes on the Qt event loop; it ends with an exit status.

#include <chrono>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "platform/core/CObject.h"
#include "snmp/CSnmpMsg.h"
#include "tools/taurel-snmp/BulkRepetitions.h"
#include "tools/taurel-snmp/ClientArgs.h"

enum ClientExit : int {
    CLIENT_OK = 0,
    // A time-out, a failure to send, a refusal by the security model, a bad command line: as
    // net-snmp's tools, 1.
    CLIENT_FAILURE = 1,
    // The agent answered with an error status.
    CLIENT_ERROR_STATUS = 2,
};

class ClientSession : public CObject {
public:
    ClientSession(const ClientCommand& command, std::ostream& out, std::ostream& err);

    // Sends the first request. The engine must be running.
    void Start();
    bool Finished() const { return m_finished; }
    int ExitCode() const { return m_exitCode; }

private:
    bool IsWalk() const;
    bool UsesBulk() const;
    std::string AgentAddress() const;
    void OnReply(std::uint16_t code, CSnmpMsg* msg);
    void OnFallbackReply(std::uint16_t code, CSnmpMsg* msg);
    // Prints the SNMPv3 datagrams that answered `msg` but were dropped, as net-snmp names them.
    void PrintRefusals(const CSnmpMsg& msg);
    // False (the run ended) when the reply is not an answer: a report, or another PDU than a
    // response.
    bool TakeReply(const CSnmpMsg& msg);
    void HandleReply(const CSnmpMsg& msg);
    void HandleWalkStep(const CSnmpMsg& msg);
    // Takes one binding of a walk step; false when the walk ends with it.
    bool TakeWalkBinding(const CSnmpVarBind& vb, bool last);
    void SendWalkStep();
    // A walk that printed nothing asks for its root itself, which may be a single object.
    void EndWalk();
    CSnmpMsg* NewRequest(std::uint16_t pduType);
    void Send(CSnmpMsg* msg, SNMPCALLBACK receiver);
    void Finish(int exitCode);

    ClientCommand m_command;
    // A bulk walk's names per step, and when its current step went out and how many it asked.
    BulkRepetitions m_repetitions;
    std::chrono::steady_clock::time_point m_stepSent;
    int m_stepAsked = 0;
    std::ostream& m_out;
    std::ostream& m_err;
    std::string m_walkPosition;
    int m_printed = 0; // rows a walk printed
    // With -v 3: the one security session every request of the run shares, so the agent's
    // engine ID and clock are learnt once. Its keys are wiped when the run ends.
    std::shared_ptr<UsmSession> m_pUsm;
    bool m_finished = false;
    int m_exitCode = CLIENT_OK;
};

// True when `oid` is `root` or lies below it: a walk prints such names.
bool IsInSubtree(const std::string& oid, const std::string& root);
// Numeric order of two dotted OIDs: negative, zero or positive.
int CompareOids(const std::string& a, const std::string& b);
