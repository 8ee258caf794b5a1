#include "module/app/CDemoAgent.h"

#include "agent/CAgentServer.h"

CDemoAgent::CDemoAgent() = default;
CDemoAgent::~CDemoAgent() = default;

bool CDemoAgent::Start(std::string& error, AgentProtocols protocols) {
    AgentServerSettings settings;
    settings.protocols = std::move(protocols);
    m_server = std::make_unique<CAgentServer>(std::move(settings));
    if (m_server->Listen("127.0.0.1", 0, error))
        return true;
    m_server.reset();
    return false;
}

std::string CDemoAgent::Address() const {
    return m_server ? "127.0.0.1:" + std::to_string(m_server->Port()) : std::string();
}
