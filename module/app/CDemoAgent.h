#pragma once
// The simulated switch of --demo, run in this process on 127.0.0.1 and a free port with its
// factory setup and communities.

#include <memory>
#include <string>

class CAgentServer;

class CDemoAgent {
public:
    CDemoAgent();
    ~CDemoAgent();
    CDemoAgent(const CDemoAgent&) = delete;
    CDemoAgent& operator=(const CDemoAgent&) = delete;

    // False with `error` set when the agent cannot listen.
    bool Start(std::string& error);
    // "127.0.0.1:PORT" once started.
    std::string Address() const;
    // The simulated switch itself, once started: its trap port, receivers and link flap.
    CAgentServer* Server() const { return m_server.get(); }

private:
    std::unique_ptr<CAgentServer> m_server;
};
