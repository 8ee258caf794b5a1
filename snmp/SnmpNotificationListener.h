#pragma once
// Where traps and informs come in: a UDP socket of its own (never the engine's request socket),
// watched on the thread that owns it. Each datagram is read into the one notification form and
// handed to the receiver in batches of what arrived together; informs are acknowledged once the
// receiver has had them, so an inform that could not be kept is sent again by its sender.
// SNMPv3 goes through a user-based security engine of the listener's own, which answers
// discovery and checks traps against users of the sender's engine.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "snmp/CAsyncSocket.h"
#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpNotification.h"
#include "snmp/SnmpNotificationCodec.h"

class UsmAuthoritativeEngine;

struct SnmpListenerStats {
    std::uint64_t datagrams = 0;        // read from the socket
    std::uint64_t notifications = 0;    // handed to the receiver
    std::uint64_t malformed = 0;        // not a well-formed SNMP message or notification
    std::uint64_t notNotifications = 0; // requests and responses sent to the wrong port
    std::uint64_t badCommunity = 0;     // a community not among the accepted ones
    std::uint64_t securityRejected = 0; // SNMPv3 messages the security checks refused
    std::uint64_t reports = 0;          // SNMPv3 reports sent (discovery included)
    std::uint64_t acknowledged = 0;     // informs answered
    std::uint64_t lost = 0;             // dropped by the system: the receive buffer was full
};

class NMSNMP_API SnmpNotificationListener : public CAsyncSocket {
public:
    // The most datagrams read before the receiver is called: what a flood can hold in memory.
    static constexpr int kMaxBatch = 256;
    // The receive buffer asked for, so a burst waits in the system rather than being lost.
    static constexpr int kReceiveBuffer = 4 * 1024 * 1024;

    using Receiver = std::function<void(std::vector<SnmpNotification>& batch)>;

    explicit SnmpNotificationListener(Receiver receiver);
    ~SnmpNotificationListener() override;

    // Opens the socket on `address` (empty or "0.0.0.0": every address) and `port` (0: a free
    // one). False with `error` set, and GetLastError() telling why (SOCK_ERR_ACCESS for a
    // privileged port).
    bool Listen(const std::string& address, std::uint16_t port, std::string& error);

    // Only these communities are accepted; none given: every well-formed v1/v2c notification.
    void SetCommunities(std::vector<std::string> communities) {
        m_communities = std::move(communities);
    }
    // Without an engine SNMPv3 datagrams are refused.
    void SetSecurity(std::shared_ptr<UsmAuthoritativeEngine> engine) {
        m_engine = std::move(engine);
    }

    const SnmpListenerStats& Stats() const { return m_stats; }

protected:
    void OnReceive(int nErrorCode) override;

private:
    struct Pending {
        SnmpNotification notification;
        std::vector<std::uint8_t> acknowledgement; // the datagram answering an inform
    };
    void Take(const std::uint8_t* bytes, int length, const Arrival& arrival,
              std::vector<Pending>& batch);
    void TakeV3(const std::uint8_t* bytes, int length, SnmpNotification& n,
                std::vector<Pending>& batch);
    bool Accepts(const std::string& community) const;
    // True for a notification; anything else is counted by what it was.
    bool Counted(SnmpNotificationDecode result);

    Receiver m_receiver;
    std::vector<std::string> m_communities;
    std::shared_ptr<UsmAuthoritativeEngine> m_engine;
    std::function<std::int64_t()> m_clock;
    std::string m_boundAddress;
    SnmpListenerStats m_stats;
    std::uint32_t m_dropsSeen = 0;
    std::vector<std::uint8_t> m_area;
};
