#include "agent/CAgentServer.h"

#include <chrono>

#include <QTimer>

namespace {

std::int64_t SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

CAgentServer::CAgentServer(AgentServerSettings settings, QObject* parent)
    : QObject(parent), m_settings(std::move(settings)), m_faults(m_settings.faults) {
    if (!m_settings.clock) {
        m_settings.clock = SteadyMs;
    }
    m_engine = std::make_unique<CAgentEngine>(m_settings.device, m_settings.communities, Now());
    connect(&m_socket, &QUdpSocket::readyRead, this, [this] { OnReadyRead(); });
}

std::int64_t CAgentServer::Now() const {
    return m_settings.clock();
}

bool CAgentServer::Listen(const std::string& address, std::uint16_t port, std::string& error) {
    QHostAddress host;
    if (!host.setAddress(QString::fromStdString(address))) {
        error = "not an IP address: " + address;
        return false;
    }
    if (!m_socket.bind(host, port)) {
        error = m_socket.errorString().toStdString();
        return false;
    }
    return true;
}

std::string CAgentServer::ListenAddress() const {
    // An IPv6 address in brackets, so the text is one taurel's /I and --listen read back.
    const QHostAddress local = m_socket.localAddress();
    const std::string host = local.toString().toStdString();
    const bool v6 = local.protocol() == QAbstractSocket::IPv6Protocol;
    return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(m_socket.localPort());
}

void CAgentServer::OnReadyRead() {
    // Sized for any UDP datagram, so reading never needs to ask for the size first (one
    // system call less per request).
    m_datagram.resize(65536);
    std::vector<std::uint8_t> reply;
    std::string summary;
    // readyRead means a datagram is waiting: read first, ask for more afterwards.
    do {
        QHostAddress peer;
        quint16 peerPort = 0;
        const qint64 got =
            m_socket.readDatagram(reinterpret_cast<char*>(m_datagram.data()),
                                  static_cast<qint64>(m_datagram.size()), &peer, &peerPort);
        if (got < 0) {
            break;
        }
        const bool answer =
            m_engine->HandleDatagram(m_datagram.data(), static_cast<int>(got), Now(), reply,
                                     m_settings.log ? &summary : nullptr);
        if (m_settings.log) {
            m_settings.log(peer.toString().toStdString() + ":" + std::to_string(peerPort) + " " +
                           summary);
        }
        if (answer) {
            Answer(reply, peer, peerPort);
        }
    } while (m_socket.hasPendingDatagrams());
}

void CAgentServer::Answer(std::vector<std::uint8_t> reply, const QHostAddress& peer, quint16 port) {
    const FaultDecision fault = m_faults.Decide();
    if (fault.drop) {
        return;
    }
    if (fault.corrupt) {
        CFaultInjector::Corrupt(reply);
    }
    const int copies = fault.duplicate ? 2 : 1;
    if (fault.delayMs > 0) {
        QTimer::singleShot(fault.delayMs, this, [this, reply, peer, port, copies] {
            for (int i = 0; i < copies; ++i) {
                Send(reply, peer, port);
            }
        });
        return;
    }
    for (int i = 0; i < copies; ++i) {
        Send(reply, peer, port);
    }
}

void CAgentServer::Send(const std::vector<std::uint8_t>& datagram, const QHostAddress& peer,
                        quint16 port) {
    m_socket.writeDatagram(reinterpret_cast<const char*>(datagram.data()),
                           static_cast<qint64>(datagram.size()), peer, port);
}
