#pragma once
// The notification journal: every trap and inform kept, durably, in one SQLite file (WAL mode),
// written by taurel-trapd and by the program's own listener, read by the events window. A batch
// is committed (and synced) before Append returns, so a notification shown after Append was
// kept even if the process is killed the next moment. Several processes may read while one
// writes.
//
// Schema (user_version 1):
//
//   notification   one row per notification
//     id               INTEGER PRIMARY KEY   in arrival order
//     received_ms      INTEGER NOT NULL      arrival, UTC milliseconds since 1970
//     source_address   TEXT NOT NULL         sender's IPv4 address, dotted
//     source_port      INTEGER NOT NULL
//     local_address    TEXT NOT NULL         where it arrived
//     local_port       INTEGER NOT NULL
//     version          INTEGER NOT NULL      0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
//     community        BLOB                  v1/v2c community octets (NULL for v3)
//     user_name        TEXT                  v3 user (NULL otherwise)
//     security_level   INTEGER               v3: 0 noAuthNoPriv, 1 authNoPriv, 2 authPriv
//     engine_id        BLOB                  v3: the message's authoritative engine
//     context_name     TEXT                  v3
//     pdu_type         INTEGER NOT NULL      164 Trap-PDU, 167 SNMPv2-Trap, 166 InformRequest
//     request_id       INTEGER NOT NULL      0 for a Trap-PDU
//     trap_oid         TEXT NOT NULL         snmpTrapOID (for v1 by RFC 3584)
//     enterprise       TEXT NOT NULL         v1 enterprise (for v2 by RFC 3584)
//     agent_address    TEXT NOT NULL         v1 agent-addr, dotted (0.0.0.0 when unknown)
//     generic_trap     INTEGER NOT NULL
//     specific_trap    INTEGER NOT NULL
//     uptime           INTEGER NOT NULL      sysUpTime / time-stamp, hundredths of a second
//   binding        one row per variable binding, as it came
//     notification_id  INTEGER NOT NULL      notification.id
//     position         INTEGER NOT NULL      0, 1, ... in wire order
//     oid              TEXT NOT NULL         dotted
//     type             INTEGER NOT NULL      the value's BER tag (2 INTEGER, 4 OCTET STRING, ...)
//     value            BLOB NOT NULL         the value's content octets, exactly
//   setting        key/value text the receiver keeps between runs (its SNMPv3 engine ID, boots)
//
// Retention: the newest `maxRows` notifications (default 100000) and none older than `maxDays`
// days (default 90) are kept; 0 turns a limit off. Older rows go when a batch is appended.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "snmp/SnmpNotification.h"

struct sqlite3;
struct sqlite3_stmt;

struct JournalRetention {
    static constexpr std::int64_t kDefaultRows = 100000;
    static constexpr std::int64_t kDefaultDays = 90;
    std::int64_t maxRows = kDefaultRows;
    std::int64_t maxDays = kDefaultDays;
};

struct JournalEntry {
    std::int64_t id = 0;
    SnmpNotification notification;
};

class NotificationJournal {
public:
    ~NotificationJournal();
    NotificationJournal(const NotificationJournal&) = delete;
    NotificationJournal& operator=(const NotificationJournal&) = delete;

    // Opens (creating when missing) the journal at `path`. Null with `error` set when the file
    // cannot be opened or is not a journal.
    static std::unique_ptr<NotificationJournal>
    Open(const std::string& path, JournalRetention retention, std::string& error);
    // Opens an existing journal only to read it: nothing is created or written, so a journal
    // another user's receiver keeps can be read where its file may be read. Null with `error`
    // set when it is missing, unreadable or not a journal.
    static std::unique_ptr<NotificationJournal> OpenForReading(const std::string& path,
                                                               std::string& error);

    // Keeps `batch` in one transaction and applies the retention; true once it is on disk.
    // On failure nothing of the batch is kept.
    bool Append(const std::vector<SnmpNotification>& batch, std::string& error);
    bool Append(const SnmpNotification& notification, std::string& error) {
        return Append(std::vector<SnmpNotification>{notification}, error);
    }

    // At most `limit` notifications, newest first, with ids below `beforeId` (0: from the
    // newest) and above `afterId`, and, when `sourceAddress` is not empty, from that sender only.
    std::vector<JournalEntry> ReadNewest(std::size_t limit, const std::string& sourceAddress = {},
                                         std::int64_t beforeId = 0, std::int64_t afterId = 0) const;
    std::int64_t Count(const std::string& sourceAddress = {}) const;
    // The id of the newest notification of any sender (0 when there is none, -1 when the file
    // cannot be read): a reader asks this to learn cheaply whether anything came in.
    std::int64_t NewestId() const;

    std::optional<std::string> Setting(const std::string& key) const;
    bool SetSetting(const std::string& key, const std::string& value);

    // Milliseconds since the epoch; the system clock unless a test sets it.
    void SetNowForRetention(std::int64_t nowMs) { m_fixedNowMs = nowMs; }

private:
    explicit NotificationJournal(sqlite3* db, JournalRetention retention);
    bool Prepare(std::string& error);
    bool Insert(const SnmpNotification& n);
    bool ApplyRetention();
    bool Exec(const char* sql) const;

    sqlite3* m_db;
    JournalRetention m_retention;
    sqlite3_stmt* m_insertNotification = nullptr;
    sqlite3_stmt* m_insertBinding = nullptr;
    std::int64_t m_fixedNowMs = 0;
};
