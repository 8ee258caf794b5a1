#include "snmp/CAsyncSocket.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QUdpSocket>

#if defined(_WIN32)
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

IMPLEMENT_DYNAMIC(CAsyncSocket, CObject)

namespace {

int ToSocketErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::SocketAccessError:
        return SOCK_ERR_ACCESS;
    case QAbstractSocket::DatagramTooLargeError:
        return SOCK_ERR_MSGSIZE;
    case QAbstractSocket::AddressInUseError:
        return SOCK_ERR_ADDRINUSE;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return SOCK_ERR_ADDRNOTAVAIL;
    case QAbstractSocket::NetworkError:
        return SOCK_ERR_NETUNREACH;
    case QAbstractSocket::SocketResourceError:
        return SOCK_ERR_NOBUFS;
    case QAbstractSocket::HostNotFoundError:
        return SOCK_ERR_HOST_NOT_FOUND;
    default:
        return SOCK_ERR_UNKNOWN;
    }
}

// Qt turns broadcast on for every datagram socket; an agent address that happens to be a
// broadcast address must not send a request (possibly a set) to a whole network segment.
void DisableBroadcast(QUdpSocket& socket) {
    const int off = 0;
#if defined(_WIN32)
    const auto handle = static_cast<SOCKET>(socket.socketDescriptor());
#else
    const auto handle = static_cast<int>(socket.socketDescriptor());
#endif
    setsockopt(handle, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&off), sizeof off);
}

// Only IPv4 destinations: the socket is bound to an IPv4 address.
bool ResolveIPv4(const std::string& host, QHostAddress& address) {
    const QString name = QString::fromStdString(host);
    if (address.setAddress(name)) {
        return address.protocol() == QAbstractSocket::IPv4Protocol;
    }
    if (name.isEmpty()) {
        return false;
    }
    const QHostInfo info = QHostInfo::fromName(name);
    for (const QHostAddress& candidate : info.addresses()) {
        if (candidate.protocol() == QAbstractSocket::IPv4Protocol) {
            address = candidate;
            return true;
        }
    }
    return false;
}

} // namespace

CAsyncSocket::CAsyncSocket() = default;

CAsyncSocket::~CAsyncSocket() {
    Close();
}

bool CAsyncSocket::Create(std::uint16_t port, const std::string& address) {
    Close();
    QHostAddress local(QHostAddress::AnyIPv4);
    if (!address.empty() && !local.setAddress(QString::fromStdString(address))) {
        m_nLastError = SOCK_ERR_ADDRNOTAVAIL;
        return false;
    }
    auto socket = std::make_unique<QUdpSocket>();
    // Requests go straight to the agent: a system proxy is never right for SNMP, and asking the
    // system for one costs every start of a program a proxy-library start-up.
    socket->setProxy(QNetworkProxy::NoProxy);
    if (!socket->bind(local, port)) {
        m_nLastError = ToSocketErrorNumber(socket->error());
        return false;
    }
    DisableBroadcast(*socket);
    QObject::connect(socket.get(), &QUdpSocket::readyRead, [this] { DeliverPendingDatagrams(); });
    m_socket = std::move(socket);
    m_nLastError = 0;
    return true;
}

void CAsyncSocket::Close() {
    if (m_socket) {
        m_socket->disconnect();
        m_socket->close();
        m_socket.reset();
    }
}

std::uint16_t CAsyncSocket::GetLocalPort() const {
    return m_socket ? m_socket->localPort() : 0;
}

int CAsyncSocket::SendTo(const void* data, int length, std::uint16_t port,
                         const std::string& host) {
    if (!m_socket) {
        m_nLastError = SOCK_ERR_NOTSOCK;
        return -1;
    }
    QHostAddress destination;
    if (!ResolveIPv4(host, destination)) {
        m_nLastError = SOCK_ERR_HOST_NOT_FOUND;
        return -1;
    }
    if (port == 0) {
        m_nLastError = SOCK_ERR_ADDRNOTAVAIL;
        return -1;
    }
    const qint64 sent =
        m_socket->writeDatagram(static_cast<const char*>(data), length, destination, port);
    if (sent < 0) {
        m_nLastError = ToSocketErrorNumber(m_socket->error());
        return -1;
    }
    return static_cast<int>(sent);
}

int CAsyncSocket::ReceiveFrom(void* data, int capacity, std::string& senderAddress,
                              std::uint16_t& senderPort) {
    if (!m_socket) {
        m_nLastError = SOCK_ERR_NOTSOCK;
        return -1;
    }
    QHostAddress sender;
    quint16 port = 0;
    const qint64 received =
        m_socket->readDatagram(static_cast<char*>(data), capacity, &sender, &port);
    if (received < 0) {
        m_nLastError = ToSocketErrorNumber(m_socket->error());
        return -1;
    }
    ++m_nReads;
    // A socket bound to AnyIPv4 reports IPv4 senders in their plain dotted form.
    bool isV4 = false;
    const quint32 v4 = sender.toIPv4Address(&isV4);
    senderAddress = (isV4 ? QHostAddress(v4) : sender).toString().toStdString();
    senderPort = port;
    return static_cast<int>(received);
}

void CAsyncSocket::OnReceive(int /*nErrorCode*/) {}

void CAsyncSocket::DeliverPendingDatagrams() {
    // One notification per datagram; a handler may close the socket or leave a datagram unread,
    // and neither may turn this into an endless loop.
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const std::uint64_t readsBefore = m_nReads;
        QUdpSocket* current = m_socket.get();
        OnReceive(0);
        if (m_socket.get() != current || m_nReads == readsBefore) {
            return;
        }
    }
}
