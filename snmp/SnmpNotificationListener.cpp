#include "snmp/SnmpNotificationListener.h"

#include <algorithm>
#include <chrono>

#include "platform/core/Clock.h"
#include "snmp/CSnmpSocket.h"
#include "snmp/SnmpNotificationCodec.h"
#include "snmp/SnmpTypes.h"
#include "snmp/SnmpV3Message.h"
#include "snmp/UsmAuthoritativeEngine.h"

namespace {

std::int64_t SystemMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

int LevelNumber(UsmSecurityLevel level) {
    switch (level) {
    case UsmSecurityLevel::AuthPriv:
        return 2;
    case UsmSecurityLevel::AuthNoPriv:
        return 1;
    case UsmSecurityLevel::NoAuthNoPriv:
        break;
    }
    return 0;
}

} // namespace

SnmpNotificationListener::SnmpNotificationListener(Receiver receiver)
    : m_receiver(std::move(receiver)), m_clock(SystemMs) {}

SnmpNotificationListener::~SnmpNotificationListener() = default;

bool SnmpNotificationListener::Listen(const std::string& address, std::uint16_t port,
                                      std::string& error) {
    m_boundAddress = address.empty() ? "0.0.0.0" : address;
    if (!Create(port, address == "0.0.0.0" ? std::string() : address)) {
        switch (GetLastError()) {
        case SOCK_ERR_ACCESS:
            error = "permission denied";
            break;
        case SOCK_ERR_ADDRINUSE:
            error = "address already in use";
            break;
        case SOCK_ERR_ADDRNOTAVAIL:
            error = "address not available";
            break;
        default:
            error = "socket error " + std::to_string(GetLastError());
            break;
        }
        return false;
    }
    EnableArrivalInfo(kReceiveBuffer);
    // A batch, then the event loop: under a flood the rest waits for the next notification.
    SetOneReceivePerNotification();
    m_area.resize(kSnmpMaxDatagram);
    return true;
}

bool SnmpNotificationListener::Counted(SnmpNotificationDecode result) {
    switch (result) {
    case SnmpNotificationDecode::Ok:
        return true;
    case SnmpNotificationDecode::NotANotification:
        ++m_stats.notNotifications;
        break;
    case SnmpNotificationDecode::Malformed:
        ++m_stats.malformed;
        break;
    }
    return false;
}

bool SnmpNotificationListener::Accepts(const std::string& community) const {
    return m_communities.empty() ||
           std::find(m_communities.begin(), m_communities.end(), community) != m_communities.end();
}

void SnmpNotificationListener::OnReceive(int nErrorCode) {
    std::vector<Pending> batch;
    // Everything waiting, up to a batch: one receiver call (one journal commit) per burst.
    for (int i = 0; i < kMaxBatch; ++i) {
        Arrival arrival;
        const int length =
            ReceiveWithArrival(m_area.data(), static_cast<int>(m_area.size()), arrival);
        if (length < 0) {
            break;
        }
        ++m_stats.datagrams;
        if (arrival.knowsDrops && arrival.dropsSoFar != m_dropsSeen) {
            m_stats.lost += static_cast<std::uint32_t>(arrival.dropsSoFar - m_dropsSeen);
            m_dropsSeen = arrival.dropsSoFar;
        }
        if (arrival.length > length) {
            ++m_stats.malformed; // longer than any UDP datagram over IPv4: cannot happen
            continue;
        }
        Take(m_area.data(), length, arrival, batch);
    }
    if (!batch.empty()) {
        std::vector<SnmpNotification> notifications;
        notifications.reserve(batch.size());
        for (Pending& pending : batch) {
            notifications.push_back(std::move(pending.notification));
        }
        m_stats.notifications += notifications.size();
        m_receiver(notifications);
        // Acknowledged only now: the receiver has kept what it kept.
        for (std::size_t i = 0; i < batch.size() && i < notifications.size(); ++i) {
            const SnmpNotification& n = notifications[i];
            if (!batch[i].acknowledgement.empty() && n.acknowledge &&
                SendTo(batch[i].acknowledgement.data(),
                       static_cast<int>(batch[i].acknowledgement.size()), n.sourcePort,
                       n.sourceAddress) >= 0) {
                ++m_stats.acknowledged;
            }
        }
    }
    CAsyncSocket::OnReceive(nErrorCode);
}

void SnmpNotificationListener::Take(const std::uint8_t* bytes, int length, const Arrival& arrival,
                                    std::vector<Pending>& batch) {
    SnmpNotification n;
    n.sourceAddress = arrival.sender;
    n.sourcePort = arrival.senderPort;
    n.localAddress = arrival.local.empty() ? m_boundAddress : arrival.local;
    n.localPort = GetLocalPort();
    n.receivedMs = m_clock();
    const auto size = static_cast<std::size_t>(length);
    const int version = PeekSnmpVersion(bytes, size);
    if (version == SNMP_VERSION_3) {
        TakeV3(bytes, length, n, batch);
        return;
    }
    if (!Counted(SnmpDecodeCommunityNotification(bytes, size, n))) {
        return;
    }
    if (!Accepts(n.community)) {
        ++m_stats.badCommunity;
        return;
    }
    Pending pending{std::move(n), {}};
    if (pending.notification.pduType == SNMP_PDU_INFORM) {
        pending.acknowledgement =
            SnmpEncodeCommunityMessage(pending.notification.version, pending.notification.community,
                                       SnmpEncodeInformResponsePdu(pending.notification));
    }
    batch.push_back(std::move(pending));
}

void SnmpNotificationListener::TakeV3(const std::uint8_t* bytes, int length, SnmpNotification& n,
                                      std::vector<Pending>& batch) {
    if (!m_engine) {
        ++m_stats.securityRejected;
        return;
    }
    const Clock::Seconds now = Clock::now();
    const UsmEngineIncoming in = m_engine->Receive(bytes, static_cast<std::size_t>(length), now);
    if (in.verdict == UsmEngineIncoming::Verdict::Report) {
        if (SendTo(in.report.data(), static_cast<int>(in.report.size()), n.sourcePort,
                   n.sourceAddress) >= 0) {
            ++m_stats.reports;
        }
    }
    if (in.verdict != UsmEngineIncoming::Verdict::Accept) {
        if (in.failure == UsmFailure::Malformed) {
            ++m_stats.malformed;
        } else if (!(in.failure == UsmFailure::UnknownEngineId &&
                     in.verdict == UsmEngineIncoming::Verdict::Report)) {
            ++m_stats.securityRejected; // discovery is not a refusal
        }
        return;
    }
    n.userName = in.userName;
    n.securityLevel = LevelNumber(in.level);
    n.engineId = in.engineId;
    n.contextEngineId = in.scoped.contextEngineId;
    n.contextName = in.scoped.contextName;
    n.msgId = in.msgId;
    if (!Counted(SnmpDecodeNotificationPdu(in.scoped.pdu, n))) {
        return;
    }
    Pending pending{std::move(n), {}};
    if (pending.notification.pduType == SNMP_PDU_INFORM) {
        pending.acknowledgement =
            m_engine->ProtectResponse(in, SnmpEncodeInformResponsePdu(pending.notification), now);
    }
    batch.push_back(std::move(pending));
}
