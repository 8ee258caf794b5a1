#pragma once
// The simulated switch of --demo, run in this process on 127.0.0.1 and a free port with its
// factory setup and communities, and, for SNMPv2c or SNMPv3, the demo session's protocols.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "agent/AgentProtocols.h"

class CAgentServer;

// Where the demo switch sends its traps, and a port it takes down and up again.
struct DemoAgentTraps {
    std::uint16_t receiverPort = 0; // on 127.0.0.1; 0: no receiver of the program's own
    std::size_t linkFlapPort = 0;   // from 1; 0: none
    int linkFlapSeconds = 10;
};

class CDemoAgent {
public:
    CDemoAgent();
    ~CDemoAgent();
    CDemoAgent(const CDemoAgent&) = delete;
    CDemoAgent& operator=(const CDemoAgent&) = delete;

    // False with `error` set when the agent cannot listen. The receiver is set up first, so
    // the switch's coldStart, sent as it starts, reaches it.
    bool Start(std::string& error, AgentProtocols protocols = {}, const DemoAgentTraps& traps = {});
    // "127.0.0.1:PORT" once started.
    std::string Address() const;

private:
    std::unique_ptr<CAgentServer> m_server;
};
