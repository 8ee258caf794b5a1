#pragma once
// The agent on the network: one UDP socket, each datagram handed to the engine, each answer
// sent back through the fault injector. Runs in the Qt event loop of the thread that owns it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

#include "agent/CAgentEngine.h"
#include "agent/CFaultInjector.h"

struct AgentServerSettings {
    SwitchSetup device;
    AgentCommunities communities;
    FaultSettings faults;
    // Milliseconds from a fixed origin; the steady clock when empty.
    std::function<std::int64_t()> clock;
    // Receives one line per request when set.
    std::function<void(const std::string&)> log;
    // SNMPv2c and SNMPv3 besides SNMPv1; the passphrases are wiped once the engine has keys.
    AgentProtocols protocols;
};

class CAgentServer : public QObject {
public:
    explicit CAgentServer(AgentServerSettings settings, QObject* parent = nullptr);

    // Binds the socket; port 0 takes a free port. On failure returns false with `error` set.
    bool Listen(const std::string& address, std::uint16_t port, std::string& error);
    // "ADDR:PORT" of the bound socket.
    std::string ListenAddress() const;
    std::uint16_t Port() const { return m_socket.localPort(); }

    const CAgentEngine& Engine() const { return *m_engine; }

private:
    void OnReadyRead();
    void Answer(std::vector<std::uint8_t> reply, const QHostAddress& peer, quint16 port);
    void Send(const std::vector<std::uint8_t>& datagram, const QHostAddress& peer, quint16 port);
    std::int64_t Now() const;

    AgentServerSettings m_settings;
    std::unique_ptr<CAgentEngine> m_engine;
    CFaultInjector m_faults;
    QUdpSocket m_socket;
    std::vector<std::uint8_t> m_datagram;
};
