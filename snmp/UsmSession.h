#pragma once
// The user-based security model for one agent and one user, as the requesting side: it learns
// the agent's engine ID and clock, turns an encoded PDU into a protected v3 datagram and a
// received datagram back into a PDU, and decides what a report from the agent means.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Clock.h"
#include "snmp/NmSnmpApi.h"
#include "snmp/SnmpV3Message.h"
#include "snmp/UsmEngineTime.h"
#include "snmp/UsmUser.h"

// Why a received datagram or a report ends a request; the texts are the ones operators know
// from net-snmp.
enum class UsmFailure {
    None,
    UnsupportedSecurityLevel,
    NotInTimeWindow,
    UnknownUserName,
    UnknownEngineId,
    AuthenticationFailure,
    DecryptionError,
    UnknownReport,
    // A datagram that is not a well-formed v3 message for this session: dropped, never reported.
    Malformed,
};
NMSNMP_API const char* UsmFailureText(UsmFailure failure);

// usmStats: a report names its counter as usmStats.N.0 (N 1 to 6, in the order of UsmFailure).
constexpr const char* kUsmStatsPrefix = "1.3.6.1.6.3.15.1.1.";

// What a received datagram carried.
struct UsmIncoming {
    UsmFailure failure = UsmFailure::None;
    std::int64_t msgId = 0;
    std::uint8_t flags = 0;
    std::vector<std::uint8_t> pdu; // the PDU element, for the codec
};

// What to do after a report.
enum class UsmReportAction { Resend, Fail };

class NMSNMP_API UsmSession {
public:
    static constexpr int kMaxResends = 3;

    // Stretches the passwords into keys once; the passwords themselves are not kept.
    explicit UsmSession(UsmUser user);

    const UsmUser& User() const { return m_user; }
    // The engine ID is not yet known: the first datagram must be a discovery probe.
    bool NeedsDiscovery() const { return m_engineId.empty(); }

    // The datagram for `pdu` (an encoded PDU element): a discovery probe while the engine ID is
    // unknown, else the message at the user's level. Empty when a key is missing (an empty
    // password) or encryption fails.
    std::vector<std::uint8_t> Protect(std::int64_t msgId, const std::vector<std::uint8_t>& pdu);
    // Checks and opens a received datagram: its MAC, its time window, its encryption.
    UsmIncoming Open(const std::uint8_t* bytes, std::size_t size);
    // What a report whose first binding is `oid` (dotted, no leading dot) means for the request
    // it answers; `failure` is set when the request must end. A request is resent at most
    // kMaxResends times: once after discovery, once after a time synchronisation, once more
    // when the agent rebooted in between.
    UsmReportAction OnReport(const std::string& oid, int resendsSoFar, UsmFailure& failure);

private:
    UsmIncoming OpenForeignReport(const SnmpV3Message& msg) const;
    void LearnEngine(const std::vector<std::uint8_t>& engineId);
    bool AuthenticationWanted() const { return m_user.level != UsmSecurityLevel::NoAuthNoPriv; }
    bool PrivacyWanted() const { return m_user.level == UsmSecurityLevel::AuthPriv; }

    UsmUser m_user;
    UsmSecret m_authKey; // password keys, before localisation
    UsmSecret m_privKey;
    std::vector<std::uint8_t> m_engineId;
    UsmSecret m_localAuthKey;
    UsmSecret m_localPrivKey;
    UsmEngineTime m_time;
    std::uint64_t m_salt = 0;
};
