#include "snmp/CAsyncSocket.h"

#include "snmp/SnmpAgentAddress.h"

// The engine's one socket is a plain datagram socket watched by a QSocketNotifier: Qt Network
// would add its library and the ones it pulls in (proxy, Kerberos, compression) to the start of
// every program that talks SNMP, for nothing the engine uses.

#include <QSocketNotifier>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CAsyncSocket, CObject)

namespace {

int ToSocketErrorNumber(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return SOCK_ERR_ACCESS;
    case EMSGSIZE:
        return SOCK_ERR_MSGSIZE;
    case EADDRINUSE:
        return SOCK_ERR_ADDRINUSE;
    case EADDRNOTAVAIL:
    case EINVAL:
        return SOCK_ERR_ADDRNOTAVAIL;
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ENETDOWN:
        return SOCK_ERR_NETUNREACH;
    case ENOBUFS:
    case ENOMEM:
        return SOCK_ERR_NOBUFS;
    default:
        return SOCK_ERR_UNKNOWN;
    }
}

// Only IPv4 destinations: the socket is an IPv4 socket. Names are looked up by the system.
bool ResolveIPv4(const std::string& host, in_addr& address) {
    if (host.empty()) {
        return false;
    }
    if (inet_pton(AF_INET, host.c_str(), &address) == 1) {
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
        return false;
    }
    address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return true;
}

} // namespace

bool SnmpHostResolves(const std::string& host) {
    in_addr address{};
    return ResolveIPv4(host, address);
}

CAsyncSocket::CAsyncSocket() = default;

CAsyncSocket::~CAsyncSocket() {
    Close();
}

bool CAsyncSocket::Create(std::uint16_t port, const std::string& address) {
    Close();
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (!address.empty() && inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1) {
        m_nLastError = SOCK_ERR_ADDRNOTAVAIL;
        return false;
    }
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        return false;
    }
    // Broadcast stays off (the default): an agent address that happens to be a broadcast
    // address must not send a request, possibly a set, to a whole network segment.
    if (bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0 ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK) != 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated,
                     [this] { DeliverPendingDatagrams(); });
    m_nLastError = 0;
    return true;
}

void CAsyncSocket::Close() {
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier.reset();
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

std::uint16_t CAsyncSocket::GetLocalPort() const {
    sockaddr_in local{};
    socklen_t size = sizeof local;
    if (m_fd < 0 || getsockname(m_fd, reinterpret_cast<sockaddr*>(&local), &size) != 0) {
        return 0;
    }
    return ntohs(local.sin_port);
}

int CAsyncSocket::SendTo(const void* data, int length, std::uint16_t port,
                         const std::string& host) {
    if (m_fd < 0) {
        m_nLastError = SOCK_ERR_NOTSOCK;
        return -1;
    }
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    destination.sin_port = htons(port);
    if (!ResolveIPv4(host, destination.sin_addr)) {
        m_nLastError = SOCK_ERR_HOST_NOT_FOUND;
        return -1;
    }
    if (port == 0) {
        m_nLastError = SOCK_ERR_ADDRNOTAVAIL;
        return -1;
    }
    const ssize_t sent =
        sendto(m_fd, data, static_cast<std::size_t>(length), 0,
               reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
    if (sent < 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        return -1;
    }
    return static_cast<int>(sent);
}

int CAsyncSocket::ReceiveFrom(void* data, int capacity, std::string& senderAddress,
                              std::uint16_t& senderPort, int* datagramLength) {
    if (m_fd < 0) {
        m_nLastError = SOCK_ERR_NOTSOCK;
        return -1;
    }
    sockaddr_in sender{};
    socklen_t size = sizeof sender;
    // MSG_TRUNC makes the result the datagram's real length, so a reply cut short is known.
    const ssize_t length = recvfrom(m_fd, data, static_cast<std::size_t>(capacity), MSG_TRUNC,
                                    reinterpret_cast<sockaddr*>(&sender), &size);
    if (length < 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        return -1;
    }
    if (datagramLength) {
        *datagramLength = static_cast<int>(length);
    }
    const ssize_t received = length < capacity ? length : capacity;
    ++m_nReads;
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &sender.sin_addr, text, sizeof text);
    senderAddress = text;
    senderPort = ntohs(sender.sin_port);
    return static_cast<int>(received);
}

void CAsyncSocket::EnableArrivalInfo(int bufferBytes) {
    if (m_fd < 0) {
        return;
    }
    const int on = 1;
#if defined(IP_PKTINFO)
    setsockopt(m_fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
#endif
#if defined(SO_RXQ_OVFL)
    setsockopt(m_fd, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof on);
#endif
    setsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &bufferBytes, sizeof bufferBytes);
}

int CAsyncSocket::ReceiveWithArrival(void* data, int capacity, Arrival& arrival) {
    if (m_fd < 0) {
        m_nLastError = SOCK_ERR_NOTSOCK;
        return -1;
    }
    sockaddr_in sender{};
    iovec area{data, static_cast<std::size_t>(capacity)};
    alignas(cmsghdr) char control[256];
    msghdr message{};
    message.msg_name = &sender;
    message.msg_namelen = sizeof sender;
    message.msg_iov = &area;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t length = recvmsg(m_fd, &message, MSG_TRUNC | MSG_DONTWAIT);
    if (length < 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        return -1;
    }
    ++m_nReads;
    arrival = Arrival{};
    arrival.length = static_cast<int>(length);
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &sender.sin_addr, text, sizeof text);
    arrival.sender = text;
    arrival.senderPort = ntohs(sender.sin_port);
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
#if defined(IP_PKTINFO)
        if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
            in_pktinfo info{};
            std::memcpy(&info, CMSG_DATA(c), sizeof info);
            inet_ntop(AF_INET, &info.ipi_addr, text, sizeof text);
            arrival.local = text;
        }
#endif
#if defined(SO_RXQ_OVFL)
        if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SO_RXQ_OVFL) {
            std::memcpy(&arrival.dropsSoFar, CMSG_DATA(c), sizeof arrival.dropsSoFar);
            arrival.knowsDrops = true;
        }
#endif
    }
    return static_cast<int>(length < capacity ? length : capacity);
}

void CAsyncSocket::OnReceive(int /*nErrorCode*/) {}

bool CAsyncSocket::HasPendingDatagram() const {
    char probe = 0;
    return m_fd >= 0 && recv(m_fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT) >= 0;
}

void CAsyncSocket::DeliverPendingDatagrams() {
    // One notification per datagram. A handler may close the socket; one that leaves a datagram
    // unread has it dropped, or the notification would fire for it forever.
    while (HasPendingDatagram()) {
        const std::uint64_t readsBefore = m_nReads;
        const int fd = m_fd;
        OnReceive(0);
        if (m_fd != fd) {
            return;
        }
        if (m_nReads == readsBefore) {
            char discard = 0;
            recv(m_fd, &discard, 1, MSG_DONTWAIT);
        }
        if (m_bOneReceivePerNotification) {
            return;
        }
    }
}
