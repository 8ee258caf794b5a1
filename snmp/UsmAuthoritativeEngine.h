#pragma once
// The user-based security model as the engine that others address: a receiver of informs, an
// agent answering requests. It owns an engine ID, counts its boots and keeps its time; it
// answers discovery and every failed check with the report the sender's USM expects (RFC 3414
// section 3.2), verifies MACs, keeps the time window, decrypts, and protects what it sends
// back. It also checks traps that other engines send as their own authoritative engine, from
// users configured with that sender's engine ID.
//
// Pure bytes in and out, with time passed in: no socket and no clock of its own.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/Clock.h"
#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpV3Message.h"
#include "snmp/UsmEngineTime.h"
#include "snmp/UsmSession.h"
#include "snmp/UsmUser.h"

// The usmStats counters (usmStats.N.0 under 1.3.6.1.6.3.15.1.1) and the messages dropped
// before the security model could look at them.
struct UsmEngineStats {
    std::uint32_t unsupportedSecLevels = 0; // .1
    std::uint32_t notInTimeWindows = 0;     // .2
    std::uint32_t unknownUserNames = 0;     // .3
    std::uint32_t unknownEngineIds = 0;     // .4
    std::uint32_t wrongDigests = 0;         // .5
    std::uint32_t decryptionErrors = 0;     // .6
    std::uint64_t malformed = 0;            // not a v3 USM message, or a broken scoped PDU
};

// What became of one received v3 datagram.
struct UsmEngineIncoming {
    enum class Verdict {
        Accept, // `scoped` holds the PDU, checked at the message's level
        Report, // a check failed and the sender asked for reports: send `report` back
        Drop,   // a check failed (or the message is malformed): nothing goes back
    };
    Verdict verdict = Verdict::Drop;
    UsmFailure failure = UsmFailure::None;
    std::vector<std::uint8_t> report;

    std::int64_t msgId = 0;
    std::int64_t maxSize = 0;
    std::uint8_t flags = 0;
    std::string userName;
    UsmSecurityLevel level = UsmSecurityLevel::NoAuthNoPriv;
    // The msgAuthoritativeEngineID: this engine's for requests and informs, the sender's for
    // traps.
    std::vector<std::uint8_t> engineId;
    bool toThisEngine = false;
    SnmpScopedPdu scoped;
};

class NMSNMP_API UsmAuthoritativeEngine {
public:
    static constexpr std::size_t kMinEngineId = 5;
    static constexpr std::size_t kMaxEngineId = 32;

    // `boots` counts the engine's starts (it must grow with every start, or replayed messages
    // of an earlier run are in the window again); its time runs from `startedAt`.
    UsmAuthoritativeEngine(std::vector<std::uint8_t> engineId, std::uint32_t boots,
                           Clock::Seconds startedAt);

    // A new engine ID in RFC 3411's form: the enterprise number with its top bit set, format 5
    // (octets), then `random` (8 bytes are enough to tell engines apart).
    static std::vector<std::uint8_t> MakeEngineId(std::uint32_t enterprise,
                                                  const std::vector<std::uint8_t>& random);

    // Adds a user: with an empty `user.engineId` a user of this engine (its requests and
    // informs), else a user of that remote engine (the traps it sends). Passphrases are
    // stretched and localised once and then wiped. A user is accepted only at the level it was
    // created with. A second user of the same name and engine replaces the first.
    void AddUser(UsmUser user);

    // Checks one received datagram.
    UsmEngineIncoming Receive(const std::uint8_t* bytes, std::size_t size, Clock::Seconds now);
    // The datagram answering an accepted message to this engine with `pdu` (an encoded PDU
    // element: a Response or Report): same message id, user and level, this engine's ID and
    // clock. Empty when `request` was not accepted, was not to this engine, or sealing failed.
    std::vector<std::uint8_t> ProtectResponse(const UsmEngineIncoming& request,
                                              const std::vector<std::uint8_t>& pdu,
                                              Clock::Seconds now);
    // A notification this engine sends as its own authoritative engine (a trap) to its user
    // `userName` at the user's level. Empty for an unknown user or when sealing fails.
    std::vector<std::uint8_t> ProtectNotification(const std::string& userName, std::int64_t msgId,
                                                  const std::vector<std::uint8_t>& pdu,
                                                  Clock::Seconds now,
                                                  const std::string& contextName = {});

    // The engine started again (its device rebooted): one boot more, its time from 0 at `now`.
    // Messages of the earlier boot fall outside the time window; senders learn the new clock
    // from the notInTimeWindow report. At the last boots value the engine stays there, and
    // accepts nothing authenticated until it is given a new ID.
    void Restart(Clock::Seconds now);

    const std::vector<std::uint8_t>& EngineId() const { return m_engineId; }
    std::uint32_t Boots() const { return m_boots; }
    std::uint32_t Time(Clock::Seconds now) const;
    const UsmEngineStats& Stats() const { return m_stats; }

private:
    struct User {
        UsmSecurityLevel level = UsmSecurityLevel::NoAuthNoPriv;
        UsmAuthProtocol auth = UsmAuthProtocol::MD5;
        UsmSecret authKey; // localised to the user's engine
        UsmSecret privKey;
    };
    using UserKey = std::pair<std::vector<std::uint8_t>, std::string>;

    UsmEngineIncoming Fail(UsmEngineIncoming incoming, UsmFailure failure, const User* user,
                           const SnmpV3Message& msg, const std::vector<std::uint8_t>& clearScoped,
                           Clock::Seconds now);
    std::vector<std::uint8_t> Seal(const User& user, std::uint8_t levelFlags, std::int64_t msgId,
                                   const std::string& userName, const SnmpScopedPdu& scoped,
                                   Clock::Seconds now);
    bool InLocalWindow(const SnmpV3Message& msg, Clock::Seconds now) const;

    std::vector<std::uint8_t> m_engineId;
    std::uint32_t m_boots;
    Clock::Seconds m_startedAt;
    std::map<UserKey, User> m_users;
    // The clock of each remote engine whose traps were accepted, as RFC 3414 keeps it for a
    // non-authoritative receiver.
    std::map<std::vector<std::uint8_t>, UsmEngineTime> m_remoteTimes;
    UsmEngineStats m_stats;
    std::uint64_t m_salt = 0;
};
