#include "snmp/UsmSession.h"

#include <openssl/crypto.h>
#include <openssl/rand.h>

#include "snmp/BerStream.h"
#include "snmp/CSnmpException.h"
#include "snmp/UsmProtection.h"

namespace {

constexpr std::uint8_t kReportPdu = 0xA8;

// A get request with no bindings: what an agent answers with its engine ID and clock.
std::vector<std::uint8_t> DiscoveryPdu(std::int64_t requestId) {
    BerWriter pdu;
    const std::size_t start = pdu.Begin();
    pdu.PutInteger(0x02, requestId);
    pdu.PutInteger(0x02, 0);
    pdu.PutInteger(0x02, 0);
    pdu.End(0x30, pdu.Begin());
    pdu.End(0xA0, start);
    return std::move(pdu.Bytes());
}

bool IsReport(const std::vector<std::uint8_t>& pdu) {
    return !pdu.empty() && pdu.front() == kReportPdu;
}

UsmIncoming Failed(UsmFailure failure, const SnmpV3Message& msg) {
    UsmIncoming incoming;
    incoming.failure = failure;
    incoming.msgId = msg.msgId;
    incoming.flags = msg.flags;
    return incoming;
}

} // namespace

const char* UsmFailureText(UsmFailure failure) {
    switch (failure) {
    case UsmFailure::UnsupportedSecurityLevel:
        return "Unsupported security level";
    case UsmFailure::NotInTimeWindow:
        return "Not in time window";
    case UsmFailure::UnknownUserName:
        return "Unknown user name";
    case UsmFailure::UnknownEngineId:
        return "Unknown engine ID";
    case UsmFailure::AuthenticationFailure:
        return "Authentication failure (incorrect password, community or key)";
    case UsmFailure::DecryptionError:
        return "Decryption error";
    case UsmFailure::UnknownReport:
        return "Unknown Report message";
    case UsmFailure::Malformed:
        return "Malformed message";
    case UsmFailure::None:
        break;
    }
    return "";
}

UsmSession::UsmSession(UsmUser user) : m_user(std::move(user)) {
    if (AuthenticationWanted()) {
        m_authKey = UsmPasswordToKey(
            m_user.auth, std::string_view(reinterpret_cast<const char*>(m_user.authPassword.data()),
                                          m_user.authPassword.size()));
    }
    if (PrivacyWanted()) {
        // The privacy key is stretched with the authentication protocol's digest.
        m_privKey = UsmPasswordToKey(
            m_user.auth, std::string_view(reinterpret_cast<const char*>(m_user.privPassword.data()),
                                          m_user.privPassword.size()));
    }
    m_user.authPassword.Wipe();
    m_user.privPassword.Wipe();
    // The salt counter starts somewhere unpredictable so two sessions never share an IV.
    if (RAND_bytes(reinterpret_cast<unsigned char*>(&m_salt), sizeof m_salt) != 1) {
        m_salt = static_cast<std::uint64_t>(Clock::now());
    }
    if (!m_user.engineId.empty()) {
        LearnEngine(m_user.engineId);
    }
}

void UsmSession::LearnEngine(const std::vector<std::uint8_t>& engineId) {
    m_engineId = engineId;
    m_localAuthKey = UsmLocalizeKey(m_user.auth, m_authKey, m_engineId);
    m_localPrivKey = UsmLocalizeKey(m_user.auth, m_privKey, m_engineId);
}

std::vector<std::uint8_t> UsmSession::Protect(std::int64_t msgId,
                                              const std::vector<std::uint8_t>& pdu) {
    SnmpV3Message msg;
    msg.msgId = msgId;
    msg.flags = kV3FlagReportable;
    if (NeedsDiscovery()) {
        msg.data = EncodeScopedPdu({{}, {}, DiscoveryPdu(msgId)});
        std::size_t authOffset = 0;
        return EncodeV3Message(msg, authOffset);
    }
    const Clock::Seconds now = Clock::now();
    msg.usm.engineId = m_engineId;
    msg.usm.engineBoots = m_time.Boots();
    msg.usm.engineTime = m_time.Time(now);
    msg.usm.userName = m_user.userName;
    msg.data = EncodeScopedPdu({m_engineId, m_user.contextName, pdu});
    if (AuthenticationWanted()) {
        if (m_localAuthKey.empty()) {
            return {};
        }
        msg.flags |= kV3FlagAuth;
    }
    if (PrivacyWanted() && !UsmEncryptScopedPdu(m_localPrivKey, m_salt, msg)) {
        return {};
    }
    return UsmSealMessage(std::move(msg), m_user.auth, m_localAuthKey);
}

UsmIncoming UsmSession::Open(const std::uint8_t* bytes, std::size_t size) {
    SnmpV3Message msg;
    std::size_t authOffset = 0;
    try {
        msg = DecodeV3Message(bytes, size, authOffset);
    } catch (const CSnmpException&) {
        return Failed(UsmFailure::Malformed, msg);
    }
    const Clock::Seconds now = Clock::now();
    if (NeedsDiscovery() && !msg.usm.engineId.empty()) {
        LearnEngine(msg.usm.engineId);
        m_time.Guess(msg.usm.engineBoots, msg.usm.engineTime, now);
    } else if (msg.usm.engineId == m_engineId && !(msg.flags & kV3FlagAuth) && !m_time.Known()) {
        m_time.Guess(msg.usm.engineBoots, msg.usm.engineTime, now);
    }
    if (msg.usm.engineId != m_engineId) {
        // Only a clear report may come from another engine: the agent saying that the engine
        // ID we were given is not its own. Nothing is learnt from it.
        return (msg.flags & kV3FlagAuth) ? Failed(UsmFailure::Malformed, msg)
                                         : OpenForeignReport(msg);
    }

    bool inWindow = true;
    if (msg.flags & kV3FlagAuth) {
        // Only the agent holding our key can have made this MAC.
        if (!AuthenticationWanted() || msg.usm.userName != m_user.userName ||
            msg.usm.authParams.size() != UsmMacLength(m_user.auth)) {
            return Failed(UsmFailure::Malformed, msg);
        }
        if (!UsmMacMatches(m_user.auth, m_localAuthKey, bytes, size, authOffset,
                           msg.usm.authParams)) {
            return Failed(UsmFailure::AuthenticationFailure, msg);
        }
        inWindow = m_time.Accept(msg.usm.engineBoots, msg.usm.engineTime, now);
    }

    std::vector<std::uint8_t> scoped = msg.data;
    if (msg.flags & kV3FlagPriv) {
        if (!PrivacyWanted() || !UsmDecryptScopedPdu(m_localPrivKey, msg, scoped)) {
            return Failed(UsmFailure::DecryptionError, msg);
        }
    }
    UsmIncoming incoming;
    incoming.msgId = msg.msgId;
    incoming.flags = msg.flags;
    try {
        incoming.pdu = DecodeScopedPdu(scoped.data(), scoped.size()).pdu;
    } catch (const CSnmpException&) {
        return Failed(
            (msg.flags & kV3FlagPriv) ? UsmFailure::DecryptionError : UsmFailure::Malformed, msg);
    }
    OPENSSL_cleanse(scoped.data(), scoped.size());

    if (IsReport(incoming.pdu)) {
        // An authenticated report carries the agent's clock as it is now, even when that is
        // behind our picture of it (the agent rebooted, or discovery guessed wrong).
        if ((msg.flags & kV3FlagAuth) && !inWindow) {
            m_time.Resynchronise(msg.usm.engineBoots, msg.usm.engineTime, now);
        }
        return incoming;
    }
    // A response must come at the level of the request, or anyone could answer in clear.
    const std::uint8_t wanted =
        (AuthenticationWanted() ? kV3FlagAuth : 0) | (PrivacyWanted() ? kV3FlagPriv : 0);
    if ((msg.flags & (kV3FlagAuth | kV3FlagPriv)) != wanted) {
        return Failed(UsmFailure::Malformed, msg);
    }
    if (!inWindow) {
        return Failed(UsmFailure::NotInTimeWindow, msg);
    }
    return incoming;
}

UsmIncoming UsmSession::OpenForeignReport(const SnmpV3Message& msg) const {
    UsmIncoming incoming = Failed(UsmFailure::Malformed, msg);
    try {
        std::vector<std::uint8_t> pdu = DecodeScopedPdu(msg.data.data(), msg.data.size()).pdu;
        if (IsReport(pdu)) {
            incoming.failure = UsmFailure::None;
            incoming.pdu = std::move(pdu);
        }
    } catch (const CSnmpException&) {
    }
    return incoming;
}

UsmReportAction UsmSession::OnReport(const std::string& oid, int resendsSoFar,
                                     UsmFailure& failure) {
    const std::string prefix = kUsmStatsPrefix;
    int counter = 0;
    if (oid.size() == prefix.size() + 3 && oid.compare(0, prefix.size(), prefix) == 0 &&
        oid.compare(prefix.size() + 1, 2, ".0") == 0) {
        counter = oid[prefix.size()] - '0';
    }
    switch (counter) {
    case 1:
        failure = UsmFailure::UnsupportedSecurityLevel;
        break;
    case 2:
        failure = UsmFailure::NotInTimeWindow;
        break;
    case 3:
        failure = UsmFailure::UnknownUserName;
        break;
    case 4:
        failure = UsmFailure::UnknownEngineId;
        break;
    case 5:
        failure = UsmFailure::AuthenticationFailure;
        break;
    case 6:
        failure = UsmFailure::DecryptionError;
        break;
    default:
        failure = UsmFailure::UnknownReport;
        break;
    }
    // Discovery and time synchronisation are answered by sending the request again.
    if ((failure == UsmFailure::NotInTimeWindow || failure == UsmFailure::UnknownEngineId) &&
        resendsSoFar < kMaxResends) {
        failure = UsmFailure::None;
        return UsmReportAction::Resend;
    }
    return UsmReportAction::Fail;
}
