#include "module/app/CDemoAgent.h"

#include "agent/CAgentServer.h"

CDemoAgent::CDemoAgent() = default;
CDemoAgent::~CDemoAgent() = default;

bool CDemoAgent::Start(std::string& error, AgentProtocols protocols, const DemoAgentTraps& traps) {
    AgentServerSettings settings;
    settings.protocols = std::move(protocols);
    m_server = std::make_unique<CAgentServer>(std::move(settings));
    if (traps.receiverPort) {
        m_server->SetTrapPort(traps.receiverPort);
        m_server->AddTrapReceiver("127.0.0.1", "public");
    }
    if (m_server->Listen("127.0.0.1", 0, error)) {
        // After the start, so its coldStart comes first and the port's changes follow it.
        if (traps.linkFlapPort)
            m_server->SetLinkFlap(traps.linkFlapPort, traps.linkFlapSeconds);
        return true;
    }
    m_server.reset();
    return false;
}

std::string CDemoAgent::Address() const {
    return m_server ? "127.0.0.1:" + std::to_string(m_server->Port()) : std::string();
}
