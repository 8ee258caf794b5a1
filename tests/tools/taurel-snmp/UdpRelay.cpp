#include "tests/tools/taurel-snmp/UdpRelay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>

namespace {

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int BoundSocket() {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const sockaddr_in any = Loopback(0);
    bind(fd, reinterpret_cast<const sockaddr*>(&any), sizeof any);
    return fd;
}

} // namespace

UdpRelay::UdpRelay(std::uint16_t agentPort) : m_agentPort(agentPort) {
    m_front = BoundSocket();
    m_back = BoundSocket();
    sockaddr_in local{};
    socklen_t size = sizeof local;
    getsockname(m_front, reinterpret_cast<sockaddr*>(&local), &size);
    m_port = ntohs(local.sin_port);
    m_thread = std::thread([this] { Run(); });
}

UdpRelay::~UdpRelay() {
    m_stop = true;
    m_thread.join();
    close(m_front);
    close(m_back);
}

std::vector<std::vector<std::uint8_t>> UdpRelay::ClientDatagrams() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_sent;
}

std::vector<std::vector<std::uint8_t>> UdpRelay::AgentDatagrams() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_answered;
}

void UdpRelay::Run() {
    std::vector<std::uint8_t> buffer(65536);
    sockaddr_in client{};
    const sockaddr_in agent = Loopback(m_agentPort);
    while (!m_stop) {
        pollfd fds[2] = {{m_front, POLLIN, 0}, {m_back, POLLIN, 0}};
        if (poll(fds, 2, 50) <= 0) {
            continue;
        }
        if (fds[0].revents & POLLIN) {
            socklen_t size = sizeof client;
            const ssize_t n = recvfrom(m_front, buffer.data(), buffer.size(), 0,
                                       reinterpret_cast<sockaddr*>(&client), &size);
            if (n > 0) {
                {
                    const std::lock_guard<std::mutex> lock(m_mutex);
                    m_sent.emplace_back(buffer.begin(), buffer.begin() + n);
                }
                sendto(m_back, buffer.data(), static_cast<std::size_t>(n), 0,
                       reinterpret_cast<const sockaddr*>(&agent), sizeof agent);
            }
        }
        if (fds[1].revents & POLLIN) {
            const ssize_t n = recv(m_back, buffer.data(), buffer.size(), 0);
            if (n > 0) {
                {
                    const std::lock_guard<std::mutex> lock(m_mutex);
                    m_answered.emplace_back(buffer.begin(), buffer.begin() + n);
                }
                sendto(m_front, buffer.data(), static_cast<std::size_t>(n), 0,
                       reinterpret_cast<const sockaddr*>(&client), sizeof client);
            }
        }
    }
}

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

template <typename T> void PutLittle(std::ofstream& file, T v) {
    for (std::size_t i = 0; i < sizeof v; ++i) {
        file.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

std::vector<std::uint8_t> Ipv4Udp(const std::vector<std::uint8_t>& payload) {
    std::vector<std::uint8_t> packet;
    const auto total = static_cast<std::uint16_t>(20 + 8 + payload.size());
    packet.insert(packet.end(), {0x45, 0x00});
    Put16(packet, total);
    packet.insert(packet.end(),
                  {0x00, 0x00, 0x40, 0x00, 0x40, 0x11, 0x00, 0x00, 127, 0, 0, 1, 127, 0, 0, 1});
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < 20; i += 2) {
        sum += static_cast<std::uint32_t>(packet[i] << 8 | packet[i + 1]);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    sum = (sum & 0xFFFF) + (sum >> 16);
    packet[10] = static_cast<std::uint8_t>(~sum >> 8);
    packet[11] = static_cast<std::uint8_t>(~sum);
    Put16(packet, 40000);
    Put16(packet, 161);
    Put16(packet, static_cast<std::uint16_t>(8 + payload.size()));
    Put16(packet, 0); // no UDP checksum
    packet.insert(packet.end(), payload.begin(), payload.end());
    return packet;
}

} // namespace

bool WriteSnmpPcap(const std::string& path,
                   const std::vector<std::vector<std::uint8_t>>& datagrams) {
    std::ofstream file(path, std::ios::binary);
    PutLittle<std::uint32_t>(file, 0xA1B2C3D4);
    PutLittle<std::uint16_t>(file, 2);
    PutLittle<std::uint16_t>(file, 4);
    PutLittle<std::uint32_t>(file, 0);
    PutLittle<std::uint32_t>(file, 0);
    PutLittle<std::uint32_t>(file, 65535);
    PutLittle<std::uint32_t>(file, 101); // raw IPv4
    std::uint32_t seconds = 1;
    for (const auto& datagram : datagrams) {
        const std::vector<std::uint8_t> packet = Ipv4Udp(datagram);
        PutLittle<std::uint32_t>(file, seconds++);
        PutLittle<std::uint32_t>(file, 0);
        PutLittle<std::uint32_t>(file, static_cast<std::uint32_t>(packet.size()));
        PutLittle<std::uint32_t>(file, static_cast<std::uint32_t>(packet.size()));
        file.write(reinterpret_cast<const char*>(packet.data()),
                   static_cast<std::streamsize>(packet.size()));
    }
    return static_cast<bool>(file);
}
