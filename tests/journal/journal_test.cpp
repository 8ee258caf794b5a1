// The notification journal: what goes in comes out field for field and octet for octet,
// newest first, by sender, within the retention, visible to a second reader at once, and a
// file that is not a journal is refused rather than overwritten.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include <QFileInfo>
#include <QTemporaryDir>

#include "journal/NotificationJournal.h"
#include "snmp/SnmpTypes.h"

namespace {

// Arrivals are counted from now: the default retention drops anything older than 90 days.
const std::int64_t kNow = std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count();

SnmpNotification Sample(const std::string& source, std::int64_t receivedMs) {
    SnmpNotification n;
    n.version = SNMP_VERSION_1;
    n.pduType = SNMP_PDU_TRAP;
    n.community = std::string("pu\0b", 4); // octets, not text
    n.sourceAddress = source;
    n.sourcePort = 40001;
    n.localAddress = "127.0.0.1";
    n.localPort = 1162;
    n.receivedMs = receivedMs;
    n.enterprise = "1.3.6.1.4.1.88888.1.1";
    n.agentAddress = {10, 0, 0, 1};
    n.genericTrap = SNMP_TRAP_LINK_DOWN;
    n.uptime = 4294967295u;
    n.trapOid = "1.3.6.1.6.3.1.1.5.3";
    n.bindings = {SnmpNotificationBinding::Integer("1.3.6.1.2.1.2.2.1.1.5", 5),
                  {"1.3.6.1.4.1.1.1", SNMP_TYPE_OCTETS, {0x00, 0xFF, 0x0A}},
                  {"1.3.6.1.4.1.1.2", SNMP_TYPE_OCTETS, {}}};
    return n;
}

class Journal : public ::testing::Test {
protected:
    std::unique_ptr<NotificationJournal> Open(JournalRetention retention = {}) {
        std::string error;
        auto journal = NotificationJournal::Open(path, retention, error);
        EXPECT_TRUE(journal) << error;
        return journal;
    }
    QTemporaryDir dir;
    std::string path = dir.filePath("j.sqlite").toStdString();
};

TEST_F(Journal, GivesBackEveryFieldAndValueOctetAsKept) {
    auto journal = Open();
    SnmpNotification v1 = Sample("192.0.2.1", kNow);
    SnmpNotification v3 = Sample("192.0.2.2", kNow + 1);
    v3.version = SNMP_VERSION_3;
    v3.pduType = SNMP_PDU_INFORM;
    v3.community.clear();
    v3.userName = "ops";
    v3.securityLevel = 2;
    v3.engineId = {0x80, 0x00, 0x1f, 0x88};
    v3.contextName = "ctx";
    v3.requestId = -7;
    std::string error;
    ASSERT_TRUE(journal->Append({v1, v3}, error)) << error;

    const std::vector<JournalEntry> entries = journal->ReadNewest(10);
    ASSERT_EQ(entries.size(), 2u);
    for (const auto& [entry, sent] : {std::pair{entries[1], v1}, std::pair{entries[0], v3}}) {
        const SnmpNotification& got = entry.notification;
        EXPECT_EQ(got.version, sent.version);
        EXPECT_EQ(got.pduType, sent.pduType);
        EXPECT_EQ(got.community, sent.community);
        EXPECT_EQ(got.userName, sent.userName);
        EXPECT_EQ(got.securityLevel, sent.version == 3 ? 2 : 0);
        EXPECT_EQ(got.engineId, sent.engineId);
        EXPECT_EQ(got.contextName, sent.contextName);
        EXPECT_EQ(got.requestId, sent.requestId);
        EXPECT_EQ(got.sourceAddress, sent.sourceAddress);
        EXPECT_EQ(got.sourcePort, sent.sourcePort);
        EXPECT_EQ(got.localAddress, sent.localAddress);
        EXPECT_EQ(got.localPort, sent.localPort);
        EXPECT_EQ(got.receivedMs, sent.receivedMs);
        EXPECT_EQ(got.trapOid, sent.trapOid);
        EXPECT_EQ(got.enterprise, sent.enterprise);
        EXPECT_EQ(got.agentAddress, sent.agentAddress);
        EXPECT_EQ(got.genericTrap, sent.genericTrap);
        EXPECT_EQ(got.uptime, sent.uptime);
        EXPECT_EQ(got.bindings, sent.bindings);
    }
    EXPECT_LT(entries[1].id, entries[0].id);
}

TEST_F(Journal, ReadsNewestFirstBySenderAndPage) {
    auto journal = Open();
    std::string error;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(journal->Append(Sample(i % 2 ? "10.1.1.1" : "10.2.2.2", kNow + i), error));
    }
    EXPECT_EQ(journal->Count(), 6);
    EXPECT_EQ(journal->Count("10.1.1.1"), 3);
    EXPECT_EQ(journal->Count("10.9.9.9"), 0);
    const auto page = journal->ReadNewest(2, "10.1.1.1");
    ASSERT_EQ(page.size(), 2u);
    EXPECT_EQ(page[0].notification.receivedMs, kNow + 5);
    EXPECT_EQ(page[1].notification.receivedMs, kNow + 3);
    const auto next = journal->ReadNewest(2, "10.1.1.1", page[1].id);
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(next[0].notification.receivedMs, kNow + 1);
}

TEST_F(Journal, KeepsOnlyTheNewestRowsAndDays) {
    auto journal = Open({3, 0});
    std::string error;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(journal->Append(Sample("10.1.1.1", i), error));
    }
    const auto kept = journal->ReadNewest(10);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept.back().notification.receivedMs, 2);
    EXPECT_EQ(kept.back().notification.bindings.size(), 3u);

    journal.reset();
    auto byDays = Open({0, 2});
    const std::int64_t day = 86'400'000;
    byDays->SetNowForRetention(10 * day);
    ASSERT_TRUE(byDays->Append(Sample("10.1.1.1", 8 * day - 1), error)); // older than two days
    ASSERT_TRUE(byDays->Append(Sample("10.1.1.1", 8 * day), error));
    const auto recent = byDays->ReadNewest(10);
    ASSERT_EQ(recent.size(), 1u);
    EXPECT_EQ(recent[0].notification.receivedMs, 8 * day);
}

TEST_F(Journal, ASecondReaderSeesEachCommittedBatchAndSettingsLast) {
    auto writer = Open();
    auto reader = Open();
    std::string error;
    ASSERT_TRUE(writer->Append(Sample("10.1.1.1", kNow), error));
    EXPECT_EQ(reader->Count(), 1);
    ASSERT_TRUE(writer->SetSetting("engine-boots", "7"));
    ASSERT_TRUE(writer->SetSetting("engine-boots", "8"));
    writer.reset();
    reader.reset();
    EXPECT_EQ(Open()->Setting("engine-boots"), "8");
    EXPECT_EQ(Open()->Setting("missing"), std::nullopt);
}

TEST_F(Journal, AReaderOnlyReadsWhatExistsAndFollowsTheWriterFromAnId) {
    std::string error;
    EXPECT_FALSE(NotificationJournal::OpenForReading(path, error));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path))); // never created by a reader
    auto writer = Open();
    auto reader = NotificationJournal::OpenForReading(path, error);
    ASSERT_TRUE(reader) << error;
    EXPECT_EQ(reader->NewestId(), 0);
    ASSERT_TRUE(writer->Append({Sample("10.1.1.1", kNow), Sample("10.2.2.2", kNow + 1)}, error));
    const std::int64_t seen = reader->NewestId();
    EXPECT_EQ(seen, 2);
    ASSERT_TRUE(writer->Append(
        {Sample("10.1.1.1", kNow + 2), Sample("10.2.2.2", kNow + 3), Sample("10.1.1.1", kNow + 4)},
        error));
    const auto fresh = reader->ReadNewest(10, "10.1.1.1", 0, seen);
    ASSERT_EQ(fresh.size(), 2u);
    EXPECT_EQ(fresh[0].notification.receivedMs, kNow + 4);
    EXPECT_EQ(fresh[1].notification.receivedMs, kNow + 2);
    EXPECT_FALSE(reader->Append(Sample("10.1.1.1", kNow + 5), error)); // a reader writes nothing
    EXPECT_EQ(writer->Count(), 5);
}

TEST_F(Journal, RefusesAFileThatIsNotAJournal) {
    std::ofstream(path) << "these are the operator's notes, not a database\n";
    std::string error;
    EXPECT_FALSE(NotificationJournal::Open(path, {}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(NotificationJournal::OpenForReading(path, error));
    std::ifstream kept(path);
    std::string line;
    std::getline(kept, line);
    EXPECT_EQ(line, "these are the operator's notes, not a database");
}

} // namespace
