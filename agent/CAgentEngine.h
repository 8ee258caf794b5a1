#pragma once
// The agent's protocol side: one request datagram in, at most one response datagram out, with
// SNMPv1 semantics (RFC 1157) over the simulated switch, and when asked for SNMPv2c's (RFC 3416)
// and SNMPv3 as an authoritative engine with its own users. Time is passed in, never read, so
// every rule can be driven by a test.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "agent/AgentProtocols.h"
#include "agent/AgentResponse.h"
#include "agent/CSimSwitch.h"
#include "agent/CSwitchMib.h"
#include "agent/SwitchTraps.h"

class CSnmpMsg;
class UsmAuthoritativeEngine;

// Requests that got no answer, by reason, and those that did.
struct AgentStats {
    std::uint64_t received = 0;
    std::uint64_t answered = 0;
    std::uint64_t malformed = 0;      // not a decodable SNMP message
    std::uint64_t badVersion = 0;     // a version the switch does not answer
    std::uint64_t badCommunity = 0;   // unknown community, or a set with the read community
    std::uint64_t unsupportedPdu = 0; // neither get, get-next, set nor (SNMPv2c) get-bulk
    std::uint64_t whileResetting = 0; // arrived while a cold start kept the switch silent
    std::uint64_t v3Refused = 0;      // SNMPv3 messages the security model refused
};

struct AgentCommunities {
    std::string read = "tessla";
    std::string write = "marbelo";
};

class CAgentEngine {
public:
    // `protocols` adds SNMPv2c and SNMPv3; its passphrases are made into keys and wiped.
    CAgentEngine(const SwitchSetup& setup, AgentCommunities communities, std::int64_t nowMs,
                 AgentProtocols protocols = {});
    ~CAgentEngine();
    CAgentEngine(const CAgentEngine&) = delete;
    CAgentEngine& operator=(const CAgentEngine&) = delete;

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
    // The SNMPv3 engine with the switch's users, null when it answers no SNMPv3: what the
    // switch's own SNMPv3 messages (its notifications) are protected with.
    UsmAuthoritativeEngine* V3Engine() const { return m_pUsm.get(); }
    // The names of its users, in the order they were given.
    const std::vector<std::string>& V3UserNames() const { return m_v3UserNames; }

private:
    enum class Outcome { Reply, Refused, ColdStart };
    struct Result {
        Outcome outcome;
        std::uint32_t status; // error status of the reply
    };

    // A request of a user the SNMPv3 engine checked (`fromUser`) needs no community.
    Result Dispatch(CSnmpMsg& request, std::int64_t nowMs, std::vector<std::uint8_t>& reply,
                    bool fromUser);
    // Dispatches a decoded request and describes the outcome; whether there is an answer.
    bool Respond(CSnmpMsg& request, std::int64_t nowMs, std::vector<std::uint8_t>& reply,
                 std::string* summary, bool fromUser);
    // SNMPv3 (CAgentEngineV3.cpp): the engine with the users, one datagram through it, and
    // the new boots of a switch that restarted.
    void StartV3Engine(AgentProtocols& protocols, std::int64_t nowMs);
    bool HandleV3(const std::uint8_t* data, std::size_t size, std::int64_t nowMs,
                  std::vector<std::uint8_t>& reply, std::string* summary);
    void RestartV3Engine(std::int64_t nowMs);
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
    bool m_bV2c = false;
    std::unique_ptr<UsmAuthoritativeEngine> m_pUsm;
    std::vector<std::string> m_v3UserNames;
};
