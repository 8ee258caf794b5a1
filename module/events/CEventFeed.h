#pragma once
// The managed switch's events, newest first, as the events window shows them and the main
// window counts them. They come from the journal of the system's taurel-trapd (read again
// every half second) and from the program's own listener (as they arrive; what it receives is
// kept in its journal first, so an inform is answered only once it is kept). Only the
// switch's own notifications become events; the newest kKept are held. Clearing hides those
// held; the journals keep them.

#include "module/events/EventRow.h"

#include <QTimer>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class NotificationJournal;
class SnmpNotificationListener;

struct EventEntry {
    std::int64_t receivedMs = 0;
    std::int32_t genericTrap = 0;
    EventRow row;
};

class CEventFeed {
public:
    static constexpr std::size_t kKept = 1000;
    static constexpr int kJournalCheckMs = 500;
    // Receives each group of new events (newest first) as it arrives.
    using Observer = std::function<void(const std::vector<EventEntry>& fresh)>;

    CEventFeed();
    ~CEventFeed();
    CEventFeed(const CEventFeed&) = delete;
    CEventFeed& operator=(const CEventFeed&) = delete;

    // Opens the program's own listener on `address` and `port` (0: a free one), keeping what
    // it receives in the journal at `journalPath` (empty: in memory only). Done before the
    // demo switch starts, which needs the port. False with `error` set when the socket cannot
    // be opened; a journal that cannot be opened leaves the listener running, unkept, and
    // says so in SourceLines().
    bool Listen(const std::string& address, std::uint16_t port, const std::string& journalPath,
                std::string& error);
    // The listener's port, 0 when there is none.
    std::uint16_t ListenPort() const;

    // From now on only notifications from the switch at `agentAddress` ("host[:port]") are
    // events. Reads what the journals already hold for it and, when `systemJournalPath` is
    // given, watches that journal (it may appear or become readable later).
    void Start(const std::string& agentAddress, const std::string& systemJournalPath);
    // Reads what the system journal received since the last look (its timer does this).
    void CheckSystemJournal();

    // Newest first.
    const std::deque<EventEntry>& Events() const { return m_events; }
    void Clear() { m_events.clear(); }
    // The log lines of the events window: each source, or how to get one, and any trouble.
    std::vector<std::string> SourceLines() const;
    const SnmpNotificationListener* Listener() const { return m_listener.get(); }

    int Subscribe(Observer observer);
    void Unsubscribe(int token);

private:
    void OnBatch(std::vector<SnmpNotification>& batch);
    bool OpenSystemJournal();
    // Takes the switch's notifications, in any order, into the events; with `tell`, the
    // observers hear of those taken.
    void Take(const std::vector<SnmpNotification>& notifications, bool tell);

    std::string m_source;
    std::unique_ptr<SnmpNotificationListener> m_listener;
    std::unique_ptr<NotificationJournal> m_userJournal;
    std::string m_userJournalPath;
    std::string m_userJournalProblem;
    std::string m_listenProblem;
    std::string m_systemJournalPath;
    std::unique_ptr<NotificationJournal> m_systemJournal;
    std::int64_t m_systemSeen = 0;
    QTimer m_systemTimer;
    std::deque<EventEntry> m_events;
    std::map<int, Observer> m_observers;
    int m_nextToken = 0;
};

// The window that owns the program's feed (the main window) implements this, so the events
// window finds the feed without knowing the main window's class.
class CEventFeedSource {
public:
    virtual CEventFeed* EventFeed() const = 0;

protected:
    ~CEventFeedSource() = default;
};
