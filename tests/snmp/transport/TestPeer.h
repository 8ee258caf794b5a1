#pragma once
// An in-test SNMP peer on 127.0.0.1: receives the engine's requests, decodes them, and sends
// replies (well-formed, duplicated, malformed) from one or more local ports.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QUdpSocket>

#include "snmp/CSnmpMsg.h"

// Makes sure a Qt application object exists for the sockets and timers of the engine.
void EnsureQtApplication();

// Runs the event loop until `done` is true or `maxMs` of real time have passed (waiting for
// datagrams to cross the loopback interface, never for a time-out).
bool ProcessEventsUntil(const std::function<bool()>& done, int maxMs = 2000);

class TestPeer {
public:
    TestPeer();

    std::uint16_t Port() const { return m_socket.localPort(); }
    // The agent address as the engine takes it: "127.0.0.1:port".
    std::string Address() const;

    // Waits for the next datagram and decodes it in the version it carries; null when none came.
    std::unique_ptr<CSnmpMsg> ReceiveRequest(int maxMs = 2000);
    // True when a datagram is waiting, without waiting for one.
    bool HasRequest() { return m_socket.hasPendingDatagrams(); }
    // The bytes of the last datagram received.
    const std::vector<std::uint8_t>& LastDatagram() const { return m_lastDatagram; }
    // The port the last request came from (the engine's socket).
    std::uint16_t LastSenderPort() const { return m_lastSenderPort; }

    // A response to `reqId` with `bindings` filled by `fill`, sent to the engine's socket.
    void SendResponse(std::uint32_t reqId, const std::function<void(CSnmpPdu&)>& fill = {},
                      std::uint32_t errorStatus = 0, std::uint32_t errorIndex = 0,
                      const std::string& community = "tessla");
    void SendRaw(const std::vector<std::uint8_t>& bytes);
    // The engine's socket port, where replies go.
    void SetEnginePort(std::uint16_t port) { m_enginePort = port; }

private:
    QUdpSocket m_socket;
    std::uint16_t m_lastSenderPort = 0;
    std::uint16_t m_enginePort = 0;
    std::vector<std::uint8_t> m_lastDatagram;
};

// Encoded response image for `reqId`, as an agent sends it.
std::vector<std::uint8_t>
EncodeResponse(std::uint32_t reqId, const std::function<void(CSnmpPdu&)>& fill,
               std::uint32_t errorStatus = 0, std::uint32_t errorIndex = 0,
               const std::string& community = "tessla", int version = SNMP_VERSION_1);
