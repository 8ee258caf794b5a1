#pragma once
// The agent on the network: one UDP socket, each datagram handed to the engine, each answer
// sent back through the fault injector. Runs in the Qt event loop of the thread that owns it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <QHostAddress>
#include <QObject>
#include <QTimer>
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
    // The UDP port traps go to at every receiver.
    std::uint16_t trapPort = 162;
    // Receivers the switch has besides its factory one, kept over resets like saved rows.
    TrapReceiverMap trapReceivers;
    // A port (from 1) whose link goes down and up again every linkFlapSeconds; 0: none.
    std::size_t linkFlapPort = 0;
    int linkFlapSeconds = 10;
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

    // Where traps go from now on; the receivers themselves are rows of the switch's table.
    void SetTrapPort(std::uint16_t port) { m_settings.trapPort = port; }
    // Adds (or changes) a Trap Receivers row, kept over resets like a saved one. False when
    // the address is not dotted IPv4 or the table is full.
    bool AddTrapReceiver(const std::string& address, const std::string& community);
    // Takes port `port` (from 1) down and up again every `seconds` seconds; 0 stops it.
    void SetLinkFlap(std::size_t port, int seconds);
    // Traps sent so far (one per receiver and event) and those the socket refused.
    std::uint64_t TrapsSent() const { return m_trapsSent; }
    std::uint64_t TrapsFailed() const { return m_trapsFailed; }

private:
    // How often the switch is brought up to date without requests, so traps leave on time.
    static constexpr int kTickMs = 200;
    void SendTraps();
    void OnReadyRead();
    void Answer(std::vector<std::uint8_t> reply, const QHostAddress& peer, quint16 port);
    void Send(const std::vector<std::uint8_t>& datagram, const QHostAddress& peer, quint16 port);
    std::int64_t Now() const;

    AgentServerSettings m_settings;
    std::unique_ptr<CAgentEngine> m_engine;
    CFaultInjector m_faults;
    QUdpSocket m_socket;
    std::vector<std::uint8_t> m_datagram;
    QTimer m_tick;
    std::array<std::uint8_t, 4> m_agentAddress{};
    std::uint64_t m_trapsSent = 0;
    std::uint64_t m_trapsFailed = 0;
};
