#pragma once
// A UDP relay on 127.0.0.1 between clients and one agent, on a thread of its own, recording
// every datagram the clients send and the agent answers: the test sees exactly the bytes a
// program put on the wire.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class UdpRelay {
public:
    explicit UdpRelay(std::uint16_t agentPort);
    ~UdpRelay();
    UdpRelay(const UdpRelay&) = delete;
    UdpRelay& operator=(const UdpRelay&) = delete;

    // The address clients are pointed at.
    std::string Address() const { return "127.0.0.1:" + std::to_string(m_port); }
    std::vector<std::vector<std::uint8_t>> ClientDatagrams() const;
    // Every datagram the agent sent back, in order.
    std::vector<std::vector<std::uint8_t>> AgentDatagrams() const;

private:
    void Run();

    int m_front = -1; // clients talk to this one
    int m_back = -1;  // and this one to the agent
    std::uint16_t m_port = 0;
    std::uint16_t m_agentPort = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<std::vector<std::uint8_t>> m_sent;
    std::vector<std::vector<std::uint8_t>> m_answered;
    std::thread m_thread;
};

// Writes `datagrams` as UDP from 127.0.0.1:40000 to 127.0.0.1:161 in a pcap file (raw IPv4
// link type), for a dissector to read.
bool WriteSnmpPcap(const std::string& path,
                   const std::vector<std::vector<std::uint8_t>>& datagrams);
