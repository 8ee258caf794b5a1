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
    m_engine = std::make_unique<CAgentEngine>(m_settings.device, m_settings.communities, Now(),
                                              m_settings.protocols);
    WipePassphrases(m_settings.protocols);
    for (const auto& [key, community] : m_settings.trapReceivers) {
        m_engine->Switch().AddTrapReceiver(key, community);
    }
    if (m_settings.linkFlapPort > 0) {
        m_engine->Switch().SetLinkFlap(m_settings.linkFlapPort, m_settings.linkFlapSeconds);
    }
    connect(&m_socket, &QUdpSocket::readyRead, this, [this] { OnReadyRead(); });
    connect(&m_tick, &QTimer::timeout, this, [this] {
        m_engine->Tick(Now());
        SendTraps();
    });
}

bool CAgentServer::AddTrapReceiver(const std::string& address, const std::string& community) {
    QHostAddress host;
    if (!host.setAddress(QString::fromStdString(address)) ||
        host.protocol() != QAbstractSocket::IPv4Protocol) {
        return false;
    }
    return m_engine->Switch().AddTrapReceiver(host.toIPv4Address(), community);
}

void CAgentServer::SetLinkFlap(std::size_t port, int seconds) {
    m_engine->Switch().SetLinkFlap(port, seconds);
}

void CAgentServer::SendTraps() {
    for (const TrapDatagram& trap : m_engine->TakeTraps(m_agentAddress)) {
        const qint64 sent = m_socket.writeDatagram(
            reinterpret_cast<const char*>(trap.bytes.data()),
            static_cast<qint64>(trap.bytes.size()),
            QHostAddress(QString::fromStdString(trap.address)), m_settings.trapPort);
        ++(sent < 0 ? m_trapsFailed : m_trapsSent);
    }
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
    // The switch's own address goes into its traps; bound to every address, the traps carry
    // its first IP interface instead.
    if (host.protocol() == QAbstractSocket::IPv4Protocol && !host.isEqual(QHostAddress::AnyIPv4)) {
        const quint32 ip = host.toIPv4Address();
        m_agentAddress = {static_cast<std::uint8_t>(ip >> 24), static_cast<std::uint8_t>(ip >> 16),
                          static_cast<std::uint8_t>(ip >> 8), static_cast<std::uint8_t>(ip)};
    }
    // The switch announces its start once it can be reached.
    SendTraps();
    m_tick.start(kTickMs);
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
    SendTraps();
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
