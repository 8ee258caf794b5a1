#include "snmp/CAsyncSocket.h"

#include "snmp/SnmpAgentAddress.h"

// The engine's one socket is a plain datagram socket watched by a QSocketNotifier: Qt Network
// would add its library and the ones it pulls in (proxy, Kerberos, compression) to the start of
// every program that talks SNMP, for nothing the engine uses.

#include <QSocketNotifier>

#include <algorithm>
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

struct CAsyncSocket::Binding {
    int fd = -1;
    int family = AF_INET;
    // Bound to the loopback address: it reaches, and hears from, this host only.
    bool loopback = false;
    // Bound to any address of its family: it reaches every destination of that family.
    bool any = false;
    std::unique_ptr<QSocketNotifier> notifier;
};

namespace {

int ToSocketErrorNumber(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return SOCK_ERR_ACCESS;
    case EMSGSIZE:
        return SOCK_ERR_MSGSIZE;
    case EAFNOSUPPORT:
        return SOCK_ERR_AFNOSUPPORT;
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

// A socket address of either family.
struct Endpoint {
    sockaddr_storage storage{};
    socklen_t size = 0;

    int Family() const { return storage.ss_family; }
    sockaddr_in& V4() { return reinterpret_cast<sockaddr_in&>(storage); }
    sockaddr_in6& V6() { return reinterpret_cast<sockaddr_in6&>(storage); }
    const sockaddr* Address() const { return reinterpret_cast<const sockaddr*>(&storage); }

    void SetV4(const in_addr& address) {
        storage = {};
        V4().sin_family = AF_INET;
        V4().sin_addr = address;
        size = sizeof(sockaddr_in);
    }
    void SetPort(std::uint16_t port) {
        if (Family() == AF_INET6) {
            V6().sin6_port = htons(port);
        } else {
            V4().sin_port = htons(port);
        }
    }
    bool IsLoopback() {
        if (Family() == AF_INET6) {
            return IN6_IS_ADDR_LOOPBACK(&V6().sin6_addr);
        }
        return (ntohl(V4().sin_addr.s_addr) >> 24) == 127;
    }
    bool IsAny() {
        if (Family() == AF_INET6) {
            return IN6_IS_ADDR_UNSPECIFIED(&V6().sin6_addr);
        }
        return V4().sin_addr.s_addr == htonl(INADDR_ANY);
    }
    // An IPv4 address written as IPv6 ("::ffff:127.0.0.1") is sent as the IPv4 one.
    void UnmapV4() {
        if (Family() == AF_INET6 && IN6_IS_ADDR_V4MAPPED(&V6().sin6_addr)) {
            in_addr v4{};
            std::memcpy(&v4, &V6().sin6_addr.s6_addr[12], sizeof v4);
            SetV4(v4);
        }
    }
};

bool LookUp(const std::string& host, int family, int flags, Endpoint& endpoint) {
    addrinfo hints{};
    hints.ai_family = family;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = flags;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
        return false;
    }
    std::memcpy(&endpoint.storage, found->ai_addr, found->ai_addrlen);
    endpoint.size = found->ai_addrlen;
    freeaddrinfo(found);
    return true;
}

// Dotted IPv4 addresses as they are; IPv6 literals (a zone such as "%eth0" included); names
// by the system, IPv4 first so a name that always reached an IPv4 agent still does.
bool Resolve(const std::string& host, Endpoint& endpoint) {
    if (host.empty()) {
        return false;
    }
    in_addr v4{};
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1) {
        endpoint.SetV4(v4);
        return true;
    }
    if (host.find(':') != std::string::npos) {
        if (!LookUp(host, AF_INET6, AI_NUMERICHOST, endpoint)) {
            return false;
        }
        endpoint.UnmapV4();
        return true;
    }
    return LookUp(host, AF_INET, 0, endpoint) || LookUp(host, AF_INET6, 0, endpoint);
}

// The local address a socket for `family` binds: the loopback address, or any address.
Endpoint LocalEndpoint(int family, bool loopback) {
    Endpoint local;
    if (family == AF_INET6) {
        local.V6().sin6_family = AF_INET6;
        local.V6().sin6_addr = loopback ? in6addr_loopback : in6addr_any;
        local.size = sizeof(sockaddr_in6);
    } else {
        in_addr address{};
        address.s_addr = htonl(loopback ? INADDR_LOOPBACK : INADDR_ANY);
        local.SetV4(address);
    }
    return local;
}

std::uint16_t PortOf(const sockaddr_storage& storage) {
    return ntohs(storage.ss_family == AF_INET6
                     ? reinterpret_cast<const sockaddr_in6&>(storage).sin6_port
                     : reinterpret_cast<const sockaddr_in&>(storage).sin_port);
}

std::string AddressText(const sockaddr_storage& storage) {
    char text[INET6_ADDRSTRLEN] = {};
    if (storage.ss_family == AF_INET6) {
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6&>(storage).sin6_addr, text,
                  sizeof text);
    } else {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in&>(storage).sin_addr, text,
                  sizeof text);
    }
    return text;
}

} // namespace

bool SnmpHostResolves(const std::string& host) {
    Endpoint endpoint;
    return Resolve(host, endpoint);
}

CAsyncSocket::CAsyncSocket() = default;

CAsyncSocket::~CAsyncSocket() {
    Close();
}

bool CAsyncSocket::Create(std::uint16_t port, const std::string& address) {
    Close();
    Endpoint local = LocalEndpoint(AF_INET, false);
    if (!address.empty() && !Resolve(address, local)) {
        m_nLastError = SOCK_ERR_ADDRNOTAVAIL;
        return false;
    }
    local.SetPort(port);
    if (!Open(&local.storage, local.size)) {
        return false;
    }
    m_nLastError = 0;
    return true;
}

CAsyncSocket::Binding* CAsyncSocket::Open(const void* address, unsigned size) {
    const auto* local = static_cast<const sockaddr*>(address);
    Endpoint kind;
    std::memcpy(&kind.storage, address, std::min<std::size_t>(size, sizeof kind.storage));
    const int fd = socket(local->sa_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        return nullptr;
    }
    // An IPv6 socket hears IPv6 only: IPv4 agents have sockets of their own, bound as they need.
    const int v6only = 1;
    // Broadcast stays off (the default): an agent address that happens to be a broadcast
    // address must not send a request, possibly a set, to a whole network segment.
    if ((local->sa_family == AF_INET6 &&
         setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &v6only, sizeof v6only) != 0) ||
        bind(fd, local, static_cast<socklen_t>(size)) != 0 ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK) != 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        ::close(fd);
        return nullptr;
    }
    auto binding = std::make_unique<Binding>();
    binding->fd = fd;
    binding->family = local->sa_family;
    binding->loopback = kind.IsLoopback();
    binding->any = kind.IsAny();
    binding->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    Binding* opened = binding.get();
    QObject::connect(opened->notifier.get(), &QSocketNotifier::activated,
                     [this, opened] { DeliverPendingDatagrams(opened); });
    m_bindings.push_back(std::move(binding));
    return opened;
}

void CAsyncSocket::Close() {
    for (const std::unique_ptr<Binding>& binding : m_bindings) {
        binding->notifier->setEnabled(false);
        binding->notifier.reset();
        ::close(binding->fd);
    }
    m_bindings.clear();
    m_pReading = nullptr;
    m_pLastSent = nullptr;
    ++m_nCloses;
}

CAsyncSocket::Binding* CAsyncSocket::BindingFor(int family, bool loopback) {
    // The socket bound as the destination needs; else one bound to any address, which reaches
    // it too (a listener so answers from where it listens); else a new one.
    Binding* anyAddress = nullptr;
    for (const std::unique_ptr<Binding>& binding : m_bindings) {
        if (binding->family != family) {
            continue;
        }
        if (binding->loopback == loopback) {
            return binding.get();
        }
        if (binding->any && !anyAddress) {
            anyAddress = binding.get();
        }
    }
    if (anyAddress) {
        return anyAddress;
    }
    const Endpoint local = LocalEndpoint(family, loopback);
    return Open(&local.storage, local.size);
}

const CAsyncSocket::Binding* CAsyncSocket::Shown() const {
    if (m_pLastSent) {
        return m_pLastSent;
    }
    return m_bindings.empty() ? nullptr : m_bindings.front().get();
}

std::uint16_t CAsyncSocket::GetLocalPort() const {
    sockaddr_storage local{};
    socklen_t size = sizeof local;
    const Binding* binding = Shown();
    if (!binding || getsockname(binding->fd, reinterpret_cast<sockaddr*>(&local), &size) != 0) {
        return 0;
    }
    return PortOf(local);
}

std::string CAsyncSocket::GetLocalAddress() const {
    sockaddr_storage local{};
    socklen_t size = sizeof local;
    const Binding* binding = Shown();
    if (!binding || getsockname(binding->fd, reinterpret_cast<sockaddr*>(&local), &size) != 0) {
        return {};
    }
    return AddressText(local);
}

int CAsyncSocket::SendTo(const void* data, int length, std::uint16_t port,
                         const std::string& host) {
    if (m_bindings.empty()) {
        m_nLastError = SOCK_ERR_NOTSOCK; // never opened, or opening failed
        return -1;
    }
    Endpoint destination;
    if (!Resolve(host, destination)) {
        m_nLastError = SOCK_ERR_HOST_NOT_FOUND;
        return -1;
    }
    if (port == 0) {
        m_nLastError = SOCK_ERR_ADDRNOTAVAIL;
        return -1;
    }
    destination.SetPort(port);
    Binding* binding = BindingFor(destination.Family(), destination.IsLoopback());
    if (!binding) {
        return -1;
    }
    const ssize_t sent = sendto(binding->fd, data, static_cast<std::size_t>(length), 0,
                                destination.Address(), destination.size);
    if (sent < 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        return -1;
    }
    m_pLastSent = binding;
    return static_cast<int>(sent);
}

int CAsyncSocket::ReceiveFrom(void* data, int capacity, std::string& senderAddress,
                              std::uint16_t& senderPort, int* datagramLength) {
    const Binding* binding = m_pReading ? m_pReading : Shown();
    if (!binding) {
        m_nLastError = SOCK_ERR_NOTSOCK;
        return -1;
    }
    sockaddr_storage sender{};
    socklen_t size = sizeof sender;
    // MSG_TRUNC makes the result the datagram's real length, so a reply cut short is known.
    const ssize_t length = recvfrom(binding->fd, data, static_cast<std::size_t>(capacity),
                                    MSG_TRUNC, reinterpret_cast<sockaddr*>(&sender), &size);
    if (length < 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        return -1;
    }
    if (datagramLength) {
        *datagramLength = static_cast<int>(length);
    }
    const ssize_t received = length < capacity ? length : capacity;
    ++m_nReads;
    senderAddress = AddressText(sender);
    senderPort = PortOf(sender);
    return static_cast<int>(received);
}

void CAsyncSocket::EnableArrivalInfo(int bufferBytes) {
    const int on = 1;
    for (const std::unique_ptr<Binding>& binding : m_bindings) {
        const int fd = binding->fd;
        if (binding->family == AF_INET6) {
            setsockopt(fd, IPPROTO_IPV6, IPV6_RECVPKTINFO, &on, sizeof on);
        } else {
#if defined(IP_PKTINFO)
            setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
#endif
        }
#if defined(SO_RXQ_OVFL)
        setsockopt(fd, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof on);
#endif
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &bufferBytes, sizeof bufferBytes);
    }
}

int CAsyncSocket::ReceiveWithArrival(void* data, int capacity, Arrival& arrival) {
    const Binding* binding = m_pReading ? m_pReading : Shown();
    if (!binding) {
        m_nLastError = SOCK_ERR_NOTSOCK;
        return -1;
    }
    sockaddr_storage sender{};
    iovec area{data, static_cast<std::size_t>(capacity)};
    alignas(cmsghdr) char control[256];
    msghdr message{};
    message.msg_name = &sender;
    message.msg_namelen = sizeof sender;
    message.msg_iov = &area;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t length = recvmsg(binding->fd, &message, MSG_TRUNC | MSG_DONTWAIT);
    if (length < 0) {
        m_nLastError = ToSocketErrorNumber(errno);
        return -1;
    }
    ++m_nReads;
    arrival = Arrival{};
    arrival.length = static_cast<int>(length);
    arrival.sender = AddressText(sender);
    arrival.senderPort = PortOf(sender);
    char text[INET6_ADDRSTRLEN] = {};
    for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
#if defined(IP_PKTINFO)
        if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
            in_pktinfo info{};
            std::memcpy(&info, CMSG_DATA(c), sizeof info);
            inet_ntop(AF_INET, &info.ipi_addr, text, sizeof text);
            arrival.local = text;
        }
#endif
        if (c->cmsg_level == IPPROTO_IPV6 && c->cmsg_type == IPV6_PKTINFO) {
            in6_pktinfo info{};
            std::memcpy(&info, CMSG_DATA(c), sizeof info);
            inet_ntop(AF_INET6, &info.ipi6_addr, text, sizeof text);
            arrival.local = text;
        }
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

void CAsyncSocket::DeliverPendingDatagrams(Binding* binding) {
    // One notification per datagram. A handler may close the socket; one that leaves a datagram
    // unread has it dropped, or the notification would fire for it forever. At most a batch
    // per notification: a peer that sends faster than they are handled would otherwise keep
    // the thread here, and the windows would stop answering; the notifier fires again while
    // datagrams wait.
    constexpr int kDatagramsPerNotification = 64;
    const std::uint64_t closes = m_nCloses;
    char probe = 0;
    for (int delivered = 0; delivered < kDatagramsPerNotification &&
                            recv(binding->fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT) >= 0;
         ++delivered) {
        const std::uint64_t readsBefore = m_nReads;
        Binding* const outer = m_pReading;
        m_pReading = binding;
        OnReceive(0);
        if (m_nCloses != closes) {
            return; // the binding is gone
        }
        m_pReading = outer;
        if (m_nReads == readsBefore) {
            recv(binding->fd, &probe, 1, MSG_DONTWAIT);
        }
        if (m_bOneReceivePerNotification) {
            return;
        }
    }
}
