#pragma once
// One run of get, getnext, walk, set, bulkget or bulkwalk against an agent on the engine. The
// session sends its requests and receives their outcomes on the Qt event loop; it ends with an exit
// status.

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "platform/core/CObject.h"
#include "snmp/CSnmpMsg.h"
#include "tools/taurel-snmp/ClientArgs.h"

enum ClientExit : int {
    CLIENT_OK = 0,
    CLIENT_ERROR = 1,
    CLIENT_TIMEOUT = 2,
    CLIENT_USAGE = 64,
};

class ClientSession : public CObject {
public:
    ClientSession(const ClientCommand& command, std::ostream& out, std::ostream& err);

    // Sends the first request. The engine must be running.
    void Start();
    bool Finished() const { return m_finished; }
    int ExitCode() const { return m_exitCode; }

private:
    bool UsesBulk() const;
    void OnReply(std::uint16_t code, CSnmpMsg* msg);
    void HandleReply(const CSnmpMsg& msg);
    void HandleWalkStep(const CSnmpMsg& msg);
    // Prints `vb` when it continues the walk; false when the walk ends with it.
    bool TakeWalkBinding(const CSnmpVarBind& vb);
    void SendWalkStep();
    CSnmpMsg* NewRequest(std::uint16_t pduType);
    void Send(CSnmpMsg* msg);
    void ReportErrorStatus(const CSnmpMsg& msg);
    void Finish(int exitCode);

    ClientCommand m_command;
    std::ostream& m_out;
    std::ostream& m_err;
    std::string m_walkPosition;
    // With -v 3: the one security session every request of the run shares, so the agent's
    // engine ID and clock are learnt once. Its keys are wiped when the run ends.
    std::shared_ptr<UsmSession> m_pUsm;
    bool m_finished = false;
    int m_exitCode = CLIENT_OK;
};

// True when `oid` lies below `root` (not equal to it).
bool IsInSubtree(const std::string& oid, const std::string& root);
// Numeric order of two dotted OIDs: negative, zero or positive.
int CompareOids(const std::string& a, const std::string& b);
