#include "journal/NotificationJournal.h"

#include <chrono>
#include <cstdio>

#include <sqlite3.h>

namespace {

constexpr int kSchemaVersion = 1;
// A reader or a second writer holds the lock for moments; waiting longer than this means
// something is wrong, and the caller hears of it rather than waiting for ever.
constexpr int kBusyTimeoutMs = 2000;
constexpr std::int64_t kDayMs = 86'400'000;

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS notification (
    id INTEGER PRIMARY KEY,
    received_ms INTEGER NOT NULL,
    source_address TEXT NOT NULL,
    source_port INTEGER NOT NULL,
    local_address TEXT NOT NULL,
    local_port INTEGER NOT NULL,
    version INTEGER NOT NULL,
    community BLOB,
    user_name TEXT,
    security_level INTEGER,
    engine_id BLOB,
    context_name TEXT,
    pdu_type INTEGER NOT NULL,
    request_id INTEGER NOT NULL,
    trap_oid TEXT NOT NULL,
    enterprise TEXT NOT NULL,
    agent_address TEXT NOT NULL,
    generic_trap INTEGER NOT NULL,
    specific_trap INTEGER NOT NULL,
    uptime INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS notification_by_source ON notification(source_address, id);
CREATE INDEX IF NOT EXISTS notification_by_time ON notification(received_ms);
CREATE TABLE IF NOT EXISTS binding (
    notification_id INTEGER NOT NULL,
    position INTEGER NOT NULL,
    oid TEXT NOT NULL,
    type INTEGER NOT NULL,
    value BLOB NOT NULL,
    PRIMARY KEY (notification_id, position)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS setting (key TEXT PRIMARY KEY, value TEXT NOT NULL);
)sql";

constexpr const char* kColumns =
    "id, received_ms, source_address, source_port, local_address, local_port, version, "
    "community, user_name, security_level, engine_id, context_name, pdu_type, request_id, "
    "trap_oid, enterprise, agent_address, generic_trap, specific_trap, uptime";

std::string DottedAddress(const std::array<std::uint8_t, 4>& a) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", a[0], a[1], a[2], a[3]);
    return text;
}

std::array<std::uint8_t, 4> AddressBytes(const std::string& text) {
    unsigned parts[4] = {};
    std::array<std::uint8_t, 4> bytes{};
    if (std::sscanf(text.c_str(), "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]) == 4) {
        for (int i = 0; i < 4; ++i) {
            bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(parts[i]);
        }
    }
    return bytes;
}

// Statements live for one call; finalized however the call ends.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        sqlite3_prepare_v2(db, sql.c_str(), -1, &m_stmt, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

void BindText(sqlite3_stmt* stmt, int index, const std::string& text) {
    sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void BindBlob(sqlite3_stmt* stmt, int index, const void* data, std::size_t size) {
    // A zero-length blob, not NULL: an empty community is still a community.
    sqlite3_bind_blob(stmt, index, size ? data : "", static_cast<int>(size), SQLITE_TRANSIENT);
}

std::string ColumnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)))
                : std::string();
}

std::vector<std::uint8_t> ColumnBlob(sqlite3_stmt* stmt, int column) {
    const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt, column));
    return bytes ? std::vector<std::uint8_t>(bytes, bytes + sqlite3_column_bytes(stmt, column))
                 : std::vector<std::uint8_t>();
}

SnmpNotification ReadRow(sqlite3_stmt* row) {
    SnmpNotification n;
    n.receivedMs = sqlite3_column_int64(row, 1);
    n.sourceAddress = ColumnText(row, 2);
    n.sourcePort = static_cast<std::uint16_t>(sqlite3_column_int(row, 3));
    n.localAddress = ColumnText(row, 4);
    n.localPort = static_cast<std::uint16_t>(sqlite3_column_int(row, 5));
    n.version = sqlite3_column_int(row, 6);
    const std::vector<std::uint8_t> community = ColumnBlob(row, 7);
    n.community.assign(community.begin(), community.end());
    n.userName = ColumnText(row, 8);
    n.securityLevel = sqlite3_column_int(row, 9);
    n.engineId = ColumnBlob(row, 10);
    n.contextName = ColumnText(row, 11);
    n.pduType = static_cast<std::uint8_t>(sqlite3_column_int(row, 12));
    n.requestId = sqlite3_column_int64(row, 13);
    n.trapOid = ColumnText(row, 14);
    n.enterprise = ColumnText(row, 15);
    n.agentAddress = AddressBytes(ColumnText(row, 16));
    n.genericTrap = sqlite3_column_int(row, 17);
    n.specificTrap = sqlite3_column_int(row, 18);
    n.uptime = static_cast<std::uint32_t>(sqlite3_column_int64(row, 19));
    return n;
}

} // namespace

NotificationJournal::NotificationJournal(sqlite3* db, JournalRetention retention)
    : m_db(db), m_retention(retention) {}

NotificationJournal::~NotificationJournal() {
    sqlite3_finalize(m_insertNotification);
    sqlite3_finalize(m_insertBinding);
    sqlite3_close(m_db);
}

bool NotificationJournal::Exec(const char* sql) const {
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::unique_ptr<NotificationJournal>
NotificationJournal::Open(const std::string& path, JournalRetention retention, std::string& error) {
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(
        path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
        nullptr);
    std::unique_ptr<NotificationJournal> journal(new NotificationJournal(db, retention));
    if (opened != SQLITE_OK) {
        error = sqlite3_errmsg(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // WAL lets readers read while the receiver writes; FULL syncs every commit, so what was
    // committed survives a crash of the process and of the machine.
    Statement mode(db, "PRAGMA journal_mode=WAL");
    if (!mode.get() || sqlite3_step(mode.get()) != SQLITE_ROW ||
        ColumnText(mode.get(), 0) != "wal") {
        error = "not a journal (or not writable): " + std::string(sqlite3_errmsg(db));
        return nullptr;
    }
    Statement version(db, "PRAGMA user_version");
    const int schema = version.get() && sqlite3_step(version.get()) == SQLITE_ROW
                           ? sqlite3_column_int(version.get(), 0)
                           : -1;
    if (schema > kSchemaVersion || schema < 0) {
        error = "journal of a newer or unknown kind (schema " + std::to_string(schema) + ")";
        return nullptr;
    }
    // A journal already made is only read and appended to: opening it writes nothing, so a
    // reader never waits for the writer.
    const bool made =
        schema == kSchemaVersion ||
        (journal->Exec(kSchema) &&
         journal->Exec(("PRAGMA user_version=" + std::to_string(kSchemaVersion)).c_str()));
    if (!journal->Exec("PRAGMA synchronous=FULL") || !made || !journal->Prepare(error)) {
        if (error.empty()) {
            error = sqlite3_errmsg(db);
        }
        return nullptr;
    }
    return journal;
}

std::unique_ptr<NotificationJournal> NotificationJournal::OpenForReading(const std::string& path,
                                                                         std::string& error) {
    sqlite3* db = nullptr;
    const int opened =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX, nullptr);
    std::unique_ptr<NotificationJournal> journal(new NotificationJournal(db, JournalRetention{}));
    if (opened != SQLITE_OK) {
        error = sqlite3_errmsg(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    Statement version(db, "PRAGMA user_version");
    const bool read = version.get() && sqlite3_step(version.get()) == SQLITE_ROW;
    if (!read || sqlite3_column_int(version.get(), 0) != kSchemaVersion) {
        error = read ? "not a journal" : sqlite3_errmsg(db);
        return nullptr;
    }
    return journal;
}

bool NotificationJournal::Prepare(std::string& error) {
    const char* notification =
        "INSERT INTO notification (received_ms, source_address, source_port, local_address, "
        "local_port, version, community, user_name, security_level, engine_id, context_name, "
        "pdu_type, request_id, trap_oid, enterprise, agent_address, generic_trap, specific_trap, "
        "uptime) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, "
        "?17, ?18, ?19)";
    const char* binding =
        "INSERT INTO binding (notification_id, position, oid, type, value) VALUES (?1, ?2, ?3, "
        "?4, ?5)";
    if (sqlite3_prepare_v2(m_db, notification, -1, &m_insertNotification, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(m_db, binding, -1, &m_insertBinding, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(m_db);
        return false;
    }
    return true;
}

bool NotificationJournal::Insert(const SnmpNotification& n) {
    sqlite3_stmt* s = m_insertNotification;
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    sqlite3_bind_int64(s, 1, n.receivedMs);
    BindText(s, 2, n.sourceAddress);
    sqlite3_bind_int(s, 3, n.sourcePort);
    BindText(s, 4, n.localAddress);
    sqlite3_bind_int(s, 5, n.localPort);
    sqlite3_bind_int(s, 6, n.version);
    const bool v3 = n.version == 3;
    if (!v3) {
        BindBlob(s, 7, n.community.data(), n.community.size());
    } else {
        BindText(s, 8, n.userName);
        sqlite3_bind_int(s, 9, n.securityLevel);
        BindBlob(s, 10, n.engineId.data(), n.engineId.size());
        BindText(s, 11, n.contextName);
    }
    sqlite3_bind_int(s, 12, n.pduType);
    sqlite3_bind_int64(s, 13, n.requestId);
    BindText(s, 14, n.trapOid);
    BindText(s, 15, n.enterprise);
    BindText(s, 16, DottedAddress(n.agentAddress));
    sqlite3_bind_int(s, 17, n.genericTrap);
    sqlite3_bind_int(s, 18, n.specificTrap);
    sqlite3_bind_int64(s, 19, n.uptime);
    if (sqlite3_step(s) != SQLITE_DONE) {
        return false;
    }
    const sqlite3_int64 id = sqlite3_last_insert_rowid(m_db);
    sqlite3_stmt* b = m_insertBinding;
    for (std::size_t i = 0; i < n.bindings.size(); ++i) {
        sqlite3_reset(b);
        sqlite3_bind_int64(b, 1, id);
        sqlite3_bind_int64(b, 2, static_cast<sqlite3_int64>(i));
        BindText(b, 3, n.bindings[i].oid);
        sqlite3_bind_int(b, 4, n.bindings[i].type);
        BindBlob(b, 5, n.bindings[i].value.data(), n.bindings[i].value.size());
        if (sqlite3_step(b) != SQLITE_DONE) {
            return false;
        }
    }
    return true;
}

bool NotificationJournal::ApplyRetention() {
    if (m_retention.maxRows > 0) {
        // Ids grow by one per notification and only the oldest are ever removed, so the newest
        // maxRows are exactly those above newest - maxRows.
        Statement newest(m_db, "SELECT max(id) FROM notification");
        if (!newest.get() || sqlite3_step(newest.get()) != SQLITE_ROW) {
            return false;
        }
        const std::int64_t cutoff = sqlite3_column_int64(newest.get(), 0) - m_retention.maxRows;
        if (cutoff > 0) {
            Statement bindings(m_db, "DELETE FROM binding WHERE notification_id <= ?1");
            Statement rows(m_db, "DELETE FROM notification WHERE id <= ?1");
            sqlite3_bind_int64(bindings.get(), 1, cutoff);
            sqlite3_bind_int64(rows.get(), 1, cutoff);
            if (sqlite3_step(bindings.get()) != SQLITE_DONE ||
                sqlite3_step(rows.get()) != SQLITE_DONE) {
                return false;
            }
        }
    }
    if (m_retention.maxDays > 0) {
        const std::int64_t now = m_fixedNowMs
                                     ? m_fixedNowMs
                                     : std::chrono::duration_cast<std::chrono::milliseconds>(
                                           std::chrono::system_clock::now().time_since_epoch())
                                           .count();
        const std::int64_t oldest = now - m_retention.maxDays * kDayMs;
        Statement bindings(m_db, "DELETE FROM binding WHERE notification_id IN "
                                 "(SELECT id FROM notification WHERE received_ms < ?1)");
        Statement rows(m_db, "DELETE FROM notification WHERE received_ms < ?1");
        sqlite3_bind_int64(bindings.get(), 1, oldest);
        sqlite3_bind_int64(rows.get(), 1, oldest);
        if (sqlite3_step(bindings.get()) != SQLITE_DONE ||
            sqlite3_step(rows.get()) != SQLITE_DONE) {
            return false;
        }
    }
    return true;
}

bool NotificationJournal::Append(const std::vector<SnmpNotification>& batch, std::string& error) {
    if (batch.empty()) {
        return true;
    }
    if (!m_insertNotification) {
        error = "the journal was opened for reading";
        return false;
    }
    if (!Exec("BEGIN IMMEDIATE")) {
        error = sqlite3_errmsg(m_db);
        return false;
    }
    bool ok = true;
    for (const SnmpNotification& n : batch) {
        if (!(ok = Insert(n))) {
            break;
        }
    }
    ok = ok && ApplyRetention() && Exec("COMMIT");
    if (!ok) {
        error = sqlite3_errmsg(m_db);
        Exec("ROLLBACK");
    }
    return ok;
}

std::vector<JournalEntry> NotificationJournal::ReadNewest(std::size_t limit,
                                                          const std::string& sourceAddress,
                                                          std::int64_t beforeId,
                                                          std::int64_t afterId) const {
    std::string sql =
        std::string("SELECT ") + kColumns + " FROM notification WHERE id < ?1 AND id > ?4";
    if (!sourceAddress.empty()) {
        sql += " AND source_address = ?3";
    }
    sql += " ORDER BY id DESC LIMIT ?2";
    Statement rows(m_db, sql);
    Statement bindings(m_db,
                       "SELECT oid, type, value FROM binding WHERE notification_id = ?1 ORDER BY "
                       "position");
    std::vector<JournalEntry> entries;
    if (!rows.get() || !bindings.get()) {
        return entries;
    }
    sqlite3_bind_int64(rows.get(), 1, beforeId > 0 ? beforeId : INT64_MAX);
    sqlite3_bind_int64(rows.get(), 2, static_cast<sqlite3_int64>(limit));
    if (!sourceAddress.empty()) {
        BindText(rows.get(), 3, sourceAddress);
    }
    sqlite3_bind_int64(rows.get(), 4, afterId);
    while (sqlite3_step(rows.get()) == SQLITE_ROW) {
        JournalEntry entry{sqlite3_column_int64(rows.get(), 0), ReadRow(rows.get())};
        sqlite3_reset(bindings.get());
        sqlite3_bind_int64(bindings.get(), 1, entry.id);
        while (sqlite3_step(bindings.get()) == SQLITE_ROW) {
            entry.notification.bindings.push_back(
                {ColumnText(bindings.get(), 0),
                 static_cast<std::uint8_t>(sqlite3_column_int(bindings.get(), 1)),
                 ColumnBlob(bindings.get(), 2)});
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::int64_t NotificationJournal::Count(const std::string& sourceAddress) const {
    Statement count(m_db, sourceAddress.empty()
                              ? "SELECT count(*) FROM notification"
                              : "SELECT count(*) FROM notification WHERE source_address = ?1");
    if (!count.get()) {
        return 0;
    }
    if (!sourceAddress.empty()) {
        BindText(count.get(), 1, sourceAddress);
    }
    return sqlite3_step(count.get()) == SQLITE_ROW ? sqlite3_column_int64(count.get(), 0) : 0;
}

std::int64_t NotificationJournal::NewestId() const {
    Statement newest(m_db, "SELECT max(id) FROM notification");
    if (!newest.get() || sqlite3_step(newest.get()) != SQLITE_ROW) {
        return -1;
    }
    return sqlite3_column_int64(newest.get(), 0);
}

std::optional<std::string> NotificationJournal::Setting(const std::string& key) const {
    Statement read(m_db, "SELECT value FROM setting WHERE key = ?1");
    if (!read.get()) {
        return std::nullopt;
    }
    BindText(read.get(), 1, key);
    if (sqlite3_step(read.get()) != SQLITE_ROW) {
        return std::nullopt;
    }
    return ColumnText(read.get(), 0);
}

bool NotificationJournal::SetSetting(const std::string& key, const std::string& value) {
    Statement write(m_db, "INSERT INTO setting (key, value) VALUES (?1, ?2) "
                          "ON CONFLICT(key) DO UPDATE SET value = excluded.value");
    if (!write.get()) {
        return false;
    }
    BindText(write.get(), 1, key);
    BindText(write.get(), 2, value);
    return sqlite3_step(write.get()) == SQLITE_DONE;
}
