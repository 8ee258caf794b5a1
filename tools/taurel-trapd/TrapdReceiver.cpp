#include "tools/taurel-trapd/TrapdReceiver.h"

#include <chrono>
#include <random>

#include "platform/core/Clock.h"
#include "snmp/UsmAuthoritativeEngine.h"
#include "tools/taurel-trapd/TrapdOutput.h"

namespace {

constexpr std::uint32_t kEnterpriseNumber = 88888;
// Losses are said at most this often during a flood, so the warnings do not become one.
constexpr std::int64_t kLossLineIntervalMs = 1000;

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

std::vector<std::uint8_t> FromHex(const std::string& text) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

std::int64_t SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

TrapdReceiver::TrapdReceiver(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

TrapdReceiver::~TrapdReceiver() = default;

bool TrapdReceiver::StartEngine(TrapdOptions& options) {
    // The engine ID stays the same from run to run, so senders that learnt it need not
    // discover it again; boots grow with every start, so messages of an earlier run are never
    // in the time window again.
    std::vector<std::uint8_t> engineId = options.engineId;
    if (engineId.empty()) {
        if (const auto kept = m_journal->Setting("engine-id")) {
            engineId = FromHex(*kept);
        }
    }
    if (engineId.size() < UsmAuthoritativeEngine::kMinEngineId) {
        std::random_device random;
        std::vector<std::uint8_t> salt(8);
        for (std::uint8_t& b : salt) {
            b = static_cast<std::uint8_t>(random());
        }
        engineId = UsmAuthoritativeEngine::MakeEngineId(kEnterpriseNumber, salt);
        m_journal->SetSetting("engine-id", Hex(engineId));
    }
    std::uint32_t boots = 1;
    if (const auto kept = m_journal->Setting("engine-boots")) {
        boots = static_cast<std::uint32_t>(std::stoul(*kept)) + 1;
    }
    if (!m_journal->SetSetting("engine-boots", std::to_string(boots))) {
        m_err << "taurel-trapd: cannot write the journal's engine boots\n";
        return false;
    }
    m_engine = std::make_shared<UsmAuthoritativeEngine>(engineId, boots, Clock::now());
    for (UsmUser& user : options.users) {
        m_engine->AddUser(std::move(user));
    }
    options.users.clear();
    return true;
}

bool TrapdReceiver::Start(TrapdOptions& options) {
    m_quiet = options.quiet;
    std::string error;
    m_journal = NotificationJournal::Open(options.journal, options.retention, error);
    if (!m_journal) {
        m_err << "taurel-trapd: cannot open the journal " << options.journal << ": " << error
              << "\n";
        return false;
    }
    if (!StartEngine(options)) {
        return false;
    }
    m_listener = std::make_unique<SnmpNotificationListener>(
        [this](std::vector<SnmpNotification>& batch) { OnBatch(batch); });
    m_listener->SetCommunities(options.communities);
    m_listener->SetSecurity(m_engine);
    if (!m_listener->Listen(options.listenAddress, options.listenPort, error)) {
        m_err << "taurel-trapd: cannot listen on " << options.listenAddress << ":"
              << options.listenPort << ": " << error;
        if (m_listener->GetLastError() == SOCK_ERR_ACCESS) {
            m_err << "; UDP port " << options.listenPort
                  << " needs privilege: use --listen 127.0.0.1:1162, the taurel-trapd service,"
                     " or grant CAP_NET_BIND_SERVICE";
        }
        m_err << "\n";
        return false;
    }
    return true;
}

void TrapdReceiver::OnBatch(std::vector<SnmpNotification>& batch) {
    std::string error;
    if (!m_journal->Append(batch, error)) {
        // Nothing of the batch is printed or acknowledged: what is shown was kept, and an
        // inform's sender tries again.
        m_notKept += batch.size();
        for (SnmpNotification& n : batch) {
            n.acknowledge = false;
        }
        m_err << "taurel-trapd: " << batch.size() << " notifications not kept: " << error
              << std::endl;
        return;
    }
    m_kept += batch.size();
    if (!m_quiet) {
        for (const SnmpNotification& n : batch) {
            m_out << SnmptrapdText(n);
        }
        m_out.flush();
    }
    ReportLosses();
}

void TrapdReceiver::ReportLosses() {
    const SnmpListenerStats& stats = m_listener->Stats();
    const std::int64_t now = SteadyMs();
    if (stats.lost == m_lostShown || now - m_lastLossLineMs < kLossLineIntervalMs) {
        return;
    }
    m_err << "taurel-trapd: " << stats.lost - m_lostShown
          << " datagrams lost: the receive buffer was full (" << stats.lost << " in all)"
          << std::endl;
    m_lostShown = stats.lost;
    m_lastLossLineMs = now;
}

std::string TrapdReceiver::Summary() const {
    const SnmpListenerStats& s = m_listener->Stats();
    return "taurel-trapd: datagrams " + std::to_string(s.datagrams) + ", kept " +
           std::to_string(m_kept) + ", not kept " + std::to_string(m_notKept) + ", lost " +
           std::to_string(s.lost) + ", malformed " + std::to_string(s.malformed) +
           ", not notifications " + std::to_string(s.notNotifications) + ", wrong community " +
           std::to_string(s.badCommunity) + ", refused by SNMPv3 security " +
           std::to_string(s.securityRejected) + ", informs acknowledged " +
           std::to_string(s.acknowledged);
}
