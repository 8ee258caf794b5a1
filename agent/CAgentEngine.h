#pragma once
// The agent's protocol side: one request datagram in, at most one response datagram out, with
// SNMPv1 semantics (RFC 1157) over the simulated switch. Time is passed in, never read, so
// every rule can be driven by a test.

#include <cstdint>
#include <string>
#include <vector>

#include "agent/CSimSwitch.h"
#include "agent/CSwitchMib.h"
#include "agent/SwitchTraps.h"

class CSnmpMsg;

// Requests that got no answer, by reason, and those that did.
struct AgentStats {
    std::uint64_t received = 0;
    std::uint64_t answered = 0;
    std::uint64_t malformed = 0;      // not a decodable SNMP message
    std::uint64_t badVersion = 0;     // a version other than SNMPv1
    std::uint64_t badCommunity = 0;   // unknown community, or a set with the read community
    std::uint64_t unsupportedPdu = 0; // neither get, get-next nor set
    std::uint64_t whileResetting = 0; // arrived while a cold start kept the switch silent
};

struct AgentCommunities {
    std::string read = "tessla";
    std::string write = "marbelo";
};

// A response may not exceed what every SNMP entity must accept.
constexpr int kMaxResponseOctets = 484;

class CAgentEngine {
public:
    CAgentEngine(const SwitchSetup& setup, AgentCommunities communities, std::int64_t nowMs);

    // Answers one request. Returns false when the request gets no answer (it was dropped and
    // counted, or it cold-started the switch). `summary`, when given, receives one line
    // describing the request and its outcome.
    bool HandleDatagram(const std::uint8_t* data, int length, std::int64_t nowMs,
                        std::vector<std::uint8_t>& reply, std::string* summary = nullptr);

    // Brings the switch up to `nowMs` without a request: its links move and a reset ends on
    // time, so their traps go out when they happen.
    void Tick(std::int64_t nowMs);
    // The trap datagrams for every event since the last call, to every receiver. The
    // agent-addr is `agentAddress`, or the switch's first IP interface when that is 0.0.0.0.
    std::vector<TrapDatagram> TakeTraps(const std::array<std::uint8_t, 4>& agentAddress);

    const AgentStats& Stats() const { return m_stats; }
    const CSimSwitch& Switch() const { return m_switch; }
    CSimSwitch& Switch() { return m_switch; }
    const CSwitchMib& Mib() const { return m_mib; }

private:
    enum class Outcome { Reply, Refused, ColdStart };
    struct Result {
        Outcome outcome;
        std::uint32_t status; // error status of the reply
    };

    Result Dispatch(CSnmpMsg& request, std::int64_t nowMs, std::vector<std::uint8_t>& reply);
    // Both give the error status they answered with.
    std::uint32_t Read(CSnmpMsg& request, bool next, std::int64_t nowMs,
                       std::vector<std::uint8_t>& reply);
    Result Write(CSnmpMsg& request, std::int64_t nowMs, std::vector<std::uint8_t>& reply);
    void SyncIndex();

    CSimSwitch m_switch;
    CSwitchMib m_mib;
    AgentCommunities m_communities;
    AgentStats m_stats;
    std::uint32_t m_indexedGeneration = 0;
};
