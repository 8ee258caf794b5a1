#include "module/events/CEventFeed.h"

#include "journal/NotificationJournal.h"
#include "module/events/EventKind.h"
#include "module/events/EventSources.h"
#include "snmp/SnmpNotificationListener.h"

#include <QHostAddress>
#include <QHostInfo>

#include <algorithm>
#include <filesystem>

namespace {

// The sender address a name given as the agent address stands for; the text itself when it
// is an address already or no IPv4 address is known for it.
std::string SenderAddressOf(const std::string& host) {
    QHostAddress address;
    if (address.setAddress(QString::fromStdString(host)))
        return host;
    for (const QHostAddress& found : QHostInfo::fromName(QString::fromStdString(host)).addresses())
        if (found.protocol() == QAbstractSocket::IPv4Protocol)
            return found.toString().toStdString();
    return host;
}

std::vector<SnmpNotification> NotificationsOf(std::vector<JournalEntry> entries) {
    std::vector<SnmpNotification> notifications;
    notifications.reserve(entries.size());
    for (JournalEntry& entry : entries)
        notifications.push_back(std::move(entry.notification));
    return notifications;
}

} // namespace

CEventFeed::CEventFeed() {
    QObject::connect(&m_systemTimer, &QTimer::timeout, [this] { CheckSystemJournal(); });
}

CEventFeed::~CEventFeed() = default;

bool CEventFeed::Listen(const std::string& address, std::uint16_t port,
                        const std::string& journalPath, std::string& error) {
    auto listener = std::make_unique<SnmpNotificationListener>(
        [this](std::vector<SnmpNotification>& batch) { OnBatch(batch); });
    if (!listener->Listen(address, port, error)) {
        m_listenProblem = "No listener on port " + std::to_string(port) + ": " + error;
        return false;
    }
    m_listener = std::move(listener);
    if (journalPath.empty())
        return true;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(journalPath).parent_path(), ignored);
    std::string why;
    m_userJournal = NotificationJournal::Open(journalPath, JournalRetention{}, why);
    if (m_userJournal)
        m_userJournalPath = journalPath;
    else
        m_userJournalProblem = "Not kept: cannot open " + journalPath + ": " + why;
    return true;
}

std::uint16_t CEventFeed::ListenPort() const {
    return m_listener ? m_listener->GetLocalPort() : 0;
}

void CEventFeed::Start(const std::string& agentAddress, const std::string& systemJournalPath) {
    m_source = SenderAddressOf(SwitchSourceAddress(agentAddress));
    if (m_userJournal)
        Take(NotificationsOf(m_userJournal->ReadNewest(kKept, m_source)), false);
    m_systemJournalPath = systemJournalPath;
    if (m_systemJournalPath.empty())
        return;
    OpenSystemJournal();
    m_systemTimer.start(kJournalCheckMs);
}

bool CEventFeed::OpenSystemJournal() {
    std::string why;
    m_systemJournal = NotificationJournal::OpenForReading(m_systemJournalPath, why);
    if (!m_systemJournal)
        return false;
    // What it held before it could be read is history, not news.
    m_systemSeen = std::max<std::int64_t>(m_systemJournal->NewestId(), 0);
    Take(NotificationsOf(m_systemJournal->ReadNewest(kKept, m_source)), false);
    return true;
}

void CEventFeed::CheckSystemJournal() {
    if (!m_systemJournal) {
        if (!m_systemJournalPath.empty())
            OpenSystemJournal();
        return;
    }
    const std::int64_t newest = m_systemJournal->NewestId();
    if (newest < 0) {
        m_systemJournal.reset(); // unreadable now: opened again on a later look
        return;
    }
    if (newest < m_systemSeen)
        m_systemSeen = 0; // the journal was made anew: its ids start again
    if (newest == m_systemSeen)
        return;
    auto fresh = m_systemJournal->ReadNewest(kKept, m_source, 0, m_systemSeen);
    m_systemSeen = newest;
    Take(NotificationsOf(std::move(fresh)), true);
}

void CEventFeed::OnBatch(std::vector<SnmpNotification>& batch) {
    if (m_userJournal) {
        std::string why;
        if (!m_userJournal->Append(batch, why)) {
            m_userJournalProblem = "Not kept: " + why;
            // The senders of informs try again; a trap is shown all the same.
            for (SnmpNotification& n : batch)
                n.acknowledge = false;
        }
    }
    Take(batch, true);
}

void CEventFeed::Take(const std::vector<SnmpNotification>& notifications, bool tell) {
    std::vector<EventEntry> taken;
    for (const SnmpNotification& n : notifications) {
        if (n.sourceAddress != m_source || m_source.empty())
            continue;
        taken.push_back({n.receivedMs, n.genericTrap, MakeEventRow(n)});
    }
    if (taken.empty())
        return;
    std::stable_sort(taken.begin(), taken.end(), [](const EventEntry& a, const EventEntry& b) {
        return a.receivedMs > b.receivedMs;
    });
    // Newest first; what arrives now is nearly always the newest, so it goes in at the front.
    for (auto it = taken.rbegin(); it != taken.rend(); ++it) {
        auto at = std::find_if(m_events.begin(), m_events.end(),
                               [&](const EventEntry& e) { return e.receivedMs <= it->receivedMs; });
        m_events.insert(at, *it);
    }
    if (m_events.size() > kKept)
        m_events.resize(kKept);
    if (!tell)
        return;
    const auto observers = m_observers; // an observer may unsubscribe while it is told
    for (const auto& [token, observer] : observers)
        observer(taken);
}

std::vector<std::string> CEventFeed::SourceLines() const {
    std::vector<std::string> lines;
    if (m_listener)
        lines.push_back(ListenerSourceText(m_source, ListenPort(), m_userJournalPath));
    if (!m_userJournalProblem.empty())
        lines.push_back(m_userJournalProblem);
    if (m_systemJournal)
        lines.push_back(SystemJournalSourceText(m_source, m_systemJournalPath));
    if (!m_listenProblem.empty())
        lines.push_back(m_listenProblem);
    if (!m_listener && !m_systemJournal)
        lines.push_back(NoEventSourceText());
    return lines;
}

int CEventFeed::Subscribe(Observer observer) {
    const int token = ++m_nextToken;
    m_observers.emplace(token, std::move(observer));
    return token;
}

void CEventFeed::Unsubscribe(int token) {
    m_observers.erase(token);
}
