#pragma once
// taurel-trapd at work: the listener, the SNMPv3 engine whose ID and boots the journal keeps
// between runs, and for every batch that arrives: into the journal (committed), then onto
// standard output, in that order. What could not be kept is counted and said on standard error.

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "journal/NotificationJournal.h"
#include "snmp/SnmpNotificationListener.h"
#include "tools/taurel-trapd/TrapdOptions.h"

class UsmAuthoritativeEngine;

class TrapdReceiver {
public:
    TrapdReceiver(std::ostream& out, std::ostream& err);
    ~TrapdReceiver();

    // Opens the journal and the socket. False with one line on `err` when either fails: for a
    // port that needs privilege the line names the ways out.
    bool Start(TrapdOptions& options);
    std::uint16_t Port() const { return m_listener ? m_listener->GetLocalPort() : 0; }

    std::uint64_t Kept() const { return m_kept; }
    std::uint64_t NotKept() const { return m_notKept; }
    // Says on standard error how many datagrams the system dropped since last said (at most
    // once a second); called after every batch and by a timer, so a loss at the end of a flood
    // is said too.
    void ReportLosses();
    // One line of counts, for the end of a run.
    std::string Summary() const;

private:
    void OnBatch(std::vector<SnmpNotification>& batch);
    bool StartEngine(TrapdOptions& options);

    std::ostream& m_out;
    std::ostream& m_err;
    bool m_quiet = false;
    std::unique_ptr<NotificationJournal> m_journal;
    std::shared_ptr<UsmAuthoritativeEngine> m_engine;
    std::unique_ptr<SnmpNotificationListener> m_listener;
    std::uint64_t m_kept = 0;
    std::uint64_t m_notKept = 0;
    std::uint64_t m_lostShown = 0;
    std::int64_t m_lastLossLineMs = 0;
};
