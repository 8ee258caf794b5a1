#include "snmp/UsmAuthoritativeEngine.h"

#include <openssl/crypto.h>
#include <openssl/rand.h>

#include "snmp/BerBuffer.h"
#include "snmp/BerStream.h"
#include "snmp/CSnmpException.h"
#include "snmp/SnmpTypes.h"
#include "snmp/UsmProtection.h"

namespace {

constexpr std::uint8_t kLevelFlags = kV3FlagAuth | kV3FlagPriv;

UsmSecurityLevel LevelOf(std::uint8_t flags) {
    if (flags & kV3FlagPriv) {
        return UsmSecurityLevel::AuthPriv;
    }
    return (flags & kV3FlagAuth) ? UsmSecurityLevel::AuthNoPriv : UsmSecurityLevel::NoAuthNoPriv;
}

std::uint8_t FlagsOf(UsmSecurityLevel level) {
    switch (level) {
    case UsmSecurityLevel::AuthPriv:
        return kV3FlagAuth | kV3FlagPriv;
    case UsmSecurityLevel::AuthNoPriv:
        return kV3FlagAuth;
    case UsmSecurityLevel::NoAuthNoPriv:
        break;
    }
    return 0;
}

// The request id of an encoded PDU; 0 when it cannot be read.
std::int64_t RequestIdOf(const std::vector<std::uint8_t>& pdu) {
    try {
        BerReader in(pdu.data(), pdu.size());
        in.Enter(in.PeekTag(), SNMP_ERR_PDU_TYPE);
        return in.GetInteger();
    } catch (const CSnmpException&) {
        return 0;
    }
}

// usmStats.N.0 and the counter's value after counting this failure.
std::pair<int, std::uint32_t> CountFailure(UsmFailure failure, UsmEngineStats& stats) {
    switch (failure) {
    case UsmFailure::UnsupportedSecurityLevel:
        return {1, ++stats.unsupportedSecLevels};
    case UsmFailure::NotInTimeWindow:
        return {2, ++stats.notInTimeWindows};
    case UsmFailure::UnknownUserName:
        return {3, ++stats.unknownUserNames};
    case UsmFailure::UnknownEngineId:
        return {4, ++stats.unknownEngineIds};
    case UsmFailure::AuthenticationFailure:
        return {5, ++stats.wrongDigests};
    case UsmFailure::DecryptionError:
        return {6, ++stats.decryptionErrors};
    default:
        ++stats.malformed;
        return {0, 0};
    }
}

std::vector<std::uint8_t> ReportPdu(std::int64_t requestId, int counter, std::uint32_t value) {
    BerBuffer name;
    name.PutOid(SNMP_TYPE_OID, kUsmStatsPrefix + std::to_string(counter) + ".0");
    BerWriter pdu;
    const std::size_t start = pdu.Begin();
    pdu.PutInteger(0x02, requestId);
    pdu.PutInteger(0x02, 0);
    pdu.PutInteger(0x02, 0);
    const std::size_t list = pdu.Begin();
    const std::size_t binding = pdu.Begin();
    pdu.PutRaw(name.data, static_cast<std::size_t>(name.pos));
    pdu.PutInteger(SNMP_TYPE_COUNTER, value);
    pdu.End(0x30, binding);
    pdu.End(0x30, list);
    pdu.End(SNMP_PDU_REPORT, start);
    return std::move(pdu.Bytes());
}

bool IsUnconfirmed(std::uint8_t pduType) {
    return pduType == SNMP_PDU_TRAP2 || pduType == SNMP_PDU_RESPONSE || pduType == SNMP_PDU_REPORT;
}

} // namespace

UsmAuthoritativeEngine::UsmAuthoritativeEngine(std::vector<std::uint8_t> engineId,
                                               std::uint32_t boots, Clock::Seconds startedAt)
    : m_engineId(std::move(engineId)), m_boots(boots), m_startedAt(startedAt) {
    // The salt counter starts somewhere unpredictable so two runs never share an IV.
    if (RAND_bytes(reinterpret_cast<unsigned char*>(&m_salt), sizeof m_salt) != 1) {
        m_salt = static_cast<std::uint64_t>(startedAt);
    }
}

std::vector<std::uint8_t>
UsmAuthoritativeEngine::MakeEngineId(std::uint32_t enterprise,
                                     const std::vector<std::uint8_t>& random) {
    std::vector<std::uint8_t> id = {static_cast<std::uint8_t>(0x80 | (enterprise >> 24)),
                                    static_cast<std::uint8_t>(enterprise >> 16),
                                    static_cast<std::uint8_t>(enterprise >> 8),
                                    static_cast<std::uint8_t>(enterprise), 0x05};
    for (std::size_t i = 0; i < random.size() && id.size() < kMaxEngineId; ++i) {
        id.push_back(random[i]);
    }
    return id;
}

std::uint32_t UsmAuthoritativeEngine::Time(Clock::Seconds now) const {
    const Clock::Seconds elapsed = now > m_startedAt ? now - m_startedAt : 0;
    return elapsed > UsmEngineTime::kMaxBoots ? UsmEngineTime::kMaxBoots
                                              : static_cast<std::uint32_t>(elapsed);
}

void UsmAuthoritativeEngine::Restart(Clock::Seconds now) {
    if (m_boots < UsmEngineTime::kMaxBoots) {
        ++m_boots;
    }
    m_startedAt = now;
}

void UsmAuthoritativeEngine::AddUser(UsmUser user) {
    const std::vector<std::uint8_t> engine = user.engineId.empty() ? m_engineId : user.engineId;
    User entry;
    entry.level = user.level;
    entry.auth = user.auth;
    const auto key = [&](const UsmSecret& password) {
        const UsmSecret stretched = UsmPasswordToKey(
            user.auth,
            std::string_view(reinterpret_cast<const char*>(password.data()), password.size()));
        return UsmLocalizeKey(user.auth, stretched, engine);
    };
    if (user.level != UsmSecurityLevel::NoAuthNoPriv) {
        entry.authKey = key(user.authPassword);
    }
    if (user.level == UsmSecurityLevel::AuthPriv) {
        // The privacy key is stretched with the authentication protocol's digest.
        entry.privKey = key(user.privPassword);
    }
    user.authPassword.Wipe();
    user.privPassword.Wipe();
    m_users[{engine, user.userName}] = std::move(entry);
}

bool UsmAuthoritativeEngine::InLocalWindow(const SnmpV3Message& msg, Clock::Seconds now) const {
    if (m_boots == UsmEngineTime::kMaxBoots || msg.usm.engineBoots != m_boots) {
        return false;
    }
    const std::int64_t drift =
        static_cast<std::int64_t>(msg.usm.engineTime) - static_cast<std::int64_t>(Time(now));
    const auto window = static_cast<std::int64_t>(UsmEngineTime::kWindowSeconds);
    return drift <= window && -drift <= window;
}

UsmEngineIncoming UsmAuthoritativeEngine::Receive(const std::uint8_t* bytes, std::size_t size,
                                                  Clock::Seconds now) {
    UsmEngineIncoming incoming;
    SnmpV3Message msg;
    std::size_t authOffset = 0;
    try {
        msg = DecodeV3Message(bytes, size, authOffset);
    } catch (const CSnmpException&) {
        ++m_stats.malformed;
        incoming.failure = UsmFailure::Malformed;
        return incoming;
    }
    incoming.msgId = msg.msgId;
    incoming.maxSize = msg.maxSize;
    incoming.flags = msg.flags;
    incoming.userName = msg.usm.userName;
    incoming.level = LevelOf(msg.flags);
    incoming.engineId = msg.usm.engineId;
    incoming.toThisEngine = msg.usm.engineId == m_engineId;
    const bool encrypted = (msg.flags & kV3FlagPriv) != 0;
    const std::vector<std::uint8_t> clearScoped =
        encrypted ? std::vector<std::uint8_t>{} : msg.data;

    // An engine ID that is neither ours nor one we hold users for: a discovery probe, or a
    // sender that mistook us for another engine.
    if (!incoming.toThisEngine) {
        const auto known = m_users.lower_bound({msg.usm.engineId, std::string()});
        if (known == m_users.end() || known->first.first != msg.usm.engineId) {
            return Fail(std::move(incoming), UsmFailure::UnknownEngineId, nullptr, msg, clearScoped,
                        now);
        }
    }
    const auto found = m_users.find({msg.usm.engineId, msg.usm.userName});
    if (found == m_users.end()) {
        return Fail(std::move(incoming), UsmFailure::UnknownUserName, nullptr, msg, clearScoped,
                    now);
    }
    const User& user = found->second;
    // A user speaks at the level it was created with: anything less would let a message
    // without a MAC pass for one of its messages.
    if (incoming.level != user.level) {
        return Fail(std::move(incoming), UsmFailure::UnsupportedSecurityLevel, nullptr, msg,
                    clearScoped, now);
    }
    if (msg.flags & kV3FlagAuth) {
        if (!UsmMacMatches(user.auth, user.authKey, bytes, size, authOffset, msg.usm.authParams)) {
            return Fail(std::move(incoming), UsmFailure::AuthenticationFailure, nullptr, msg,
                        clearScoped, now);
        }
        const bool inWindow = incoming.toThisEngine
                                  ? InLocalWindow(msg, now)
                                  : m_remoteTimes[msg.usm.engineId].Accept(msg.usm.engineBoots,
                                                                           msg.usm.engineTime, now);
        if (!inWindow) {
            return Fail(std::move(incoming), UsmFailure::NotInTimeWindow, &user, msg, clearScoped,
                        now);
        }
    }
    std::vector<std::uint8_t> scoped = msg.data;
    if (encrypted && !UsmDecryptScopedPdu(user.privKey, msg, scoped)) {
        return Fail(std::move(incoming), UsmFailure::DecryptionError, nullptr, msg, clearScoped,
                    now);
    }
    try {
        incoming.scoped = DecodeScopedPdu(scoped.data(), scoped.size());
    } catch (const CSnmpException&) {
        OPENSSL_cleanse(scoped.data(), scoped.size());
        // Garbage after decryption is what a wrong privacy key gives.
        return Fail(std::move(incoming),
                    encrypted ? UsmFailure::DecryptionError : UsmFailure::Malformed, nullptr, msg,
                    clearScoped, now);
    }
    OPENSSL_cleanse(scoped.data(), scoped.size());
    // Another engine is authoritative only for what needs no answer.
    if (!incoming.toThisEngine &&
        (incoming.scoped.pdu.empty() || !IsUnconfirmed(incoming.scoped.pdu.front()))) {
        incoming.scoped = {};
        ++m_stats.malformed;
        incoming.failure = UsmFailure::Malformed;
        return incoming;
    }
    incoming.verdict = UsmEngineIncoming::Verdict::Accept;
    return incoming;
}

UsmEngineIncoming UsmAuthoritativeEngine::Fail(UsmEngineIncoming incoming, UsmFailure failure,
                                               const User* user, const SnmpV3Message& msg,
                                               const std::vector<std::uint8_t>& clearScoped,
                                               Clock::Seconds now) {
    incoming.failure = failure;
    incoming.verdict = UsmEngineIncoming::Verdict::Drop;
    const auto [counter, value] = CountFailure(failure, m_stats);
    // Reports go only to a sender that asked for them, about a message meant for this engine
    // (or one whose engine it had to discover).
    const bool reportable = (msg.flags & kV3FlagReportable) != 0;
    if (counter == 0 || !reportable ||
        !(incoming.toThisEngine || failure == UsmFailure::UnknownEngineId)) {
        return incoming;
    }
    std::int64_t requestId = 0;
    if (!clearScoped.empty()) {
        try {
            requestId = RequestIdOf(DecodeScopedPdu(clearScoped.data(), clearScoped.size()).pdu);
        } catch (const CSnmpException&) {
        }
    }
    // Only the report of a message outside the time window is authenticated: it carries this
    // engine's clock, which the sender may then trust.
    static const User kNoUser;
    const bool authenticated = failure == UsmFailure::NotInTimeWindow && user;
    incoming.report =
        Seal(authenticated ? *user : kNoUser, authenticated ? kV3FlagAuth : 0, msg.msgId,
             msg.usm.userName, {m_engineId, {}, ReportPdu(requestId, counter, value)}, now);
    if (!incoming.report.empty()) {
        incoming.verdict = UsmEngineIncoming::Verdict::Report;
    }
    return incoming;
}

std::vector<std::uint8_t> UsmAuthoritativeEngine::Seal(const User& user, std::uint8_t levelFlags,
                                                       std::int64_t msgId,
                                                       const std::string& userName,
                                                       const SnmpScopedPdu& scoped,
                                                       Clock::Seconds now) {
    SnmpV3Message msg;
    msg.msgId = msgId;
    msg.flags = levelFlags & kV3FlagAuth;
    msg.usm = {m_engineId, m_boots, Time(now), userName, {}, {}};
    msg.data = EncodeScopedPdu(scoped);
    if ((levelFlags & kV3FlagPriv) && !UsmEncryptScopedPdu(user.privKey, m_salt, msg)) {
        return {};
    }
    return UsmSealMessage(std::move(msg), user.auth, user.authKey);
}

std::vector<std::uint8_t>
UsmAuthoritativeEngine::ProtectResponse(const UsmEngineIncoming& request,
                                        const std::vector<std::uint8_t>& pdu, Clock::Seconds now) {
    if (request.verdict != UsmEngineIncoming::Verdict::Accept || !request.toThisEngine) {
        return {};
    }
    const auto found = m_users.find({m_engineId, request.userName});
    if (found == m_users.end()) {
        return {};
    }
    return Seal(found->second, request.flags & kLevelFlags, request.msgId, request.userName,
                {request.scoped.contextEngineId, request.scoped.contextName, pdu}, now);
}

std::vector<std::uint8_t>
UsmAuthoritativeEngine::ProtectNotification(const std::string& userName, std::int64_t msgId,
                                            const std::vector<std::uint8_t>& pdu,
                                            Clock::Seconds now, const std::string& contextName) {
    const auto found = m_users.find({m_engineId, userName});
    if (found == m_users.end()) {
        return {};
    }
    return Seal(found->second, FlagsOf(found->second.level), msgId, userName,
                {m_engineId, contextName, pdu}, now);
}
