// taurel-trapd as an operator runs it: the simulated switch's traps journaled and printed, an
// inform answered, what it refuses counted, a flood journaled or counted to the last datagram,
// nothing printed lost to kill -9, and one clear line for a port that needs privilege.

#include <gtest/gtest.h>

#include <set>
#include <thread>

#include <QCoreApplication>
#include <QProcess>
#include <QUdpSocket>

#include <unistd.h>

#include "journal/NotificationJournal.h"
#include "snmp/SnmpNotificationCodec.h"
#include "snmp/SnmpTypes.h"
#include "tests/agent/AgentProcess.h"
#include "tests/agent/AgentTestClient.h"
#include "tests/tools/taurel-trapd/TrapdProcess.h"

namespace {

std::vector<std::uint8_t> V2Trap(std::uint32_t uptime, const std::string& community = "public",
                                 std::uint8_t pduType = SNMP_PDU_TRAP2,
                                 std::int64_t requestId = 1) {
    SnmpNotification n;
    n.pduType = pduType;
    n.requestId = requestId;
    n.bindings = {SnmpNotificationBinding::Unsigned(kSysUpTimeOid, SNMP_TYPE_TIMETICKS, uptime),
                  SnmpNotificationBinding::ObjectId(kSnmpTrapOid, "1.3.6.1.6.3.1.1.5.1")};
    return SnmpEncodeCommunityMessage(SNMP_VERSION_2C, community, SnmpEncodeNotificationPdu(n));
}

// Sends one datagram, trying again while the sending side's own buffer is full, so every
// datagram counted as sent did leave.
void Send(QUdpSocket& socket, const std::vector<std::uint8_t>& bytes, std::uint16_t port) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (socket.writeDatagram(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qint64>(bytes.size()), QHostAddress::LocalHost,
                                 port) >= 0) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ADD_FAILURE() << "the datagram could not be sent";
}

std::vector<JournalEntry> JournalOf(const TrapdProcess& trapd) {
    std::string error;
    const auto journal = NotificationJournal::Open(trapd.Journal(), {}, error);
    return journal ? journal->ReadNewest(1'000'000) : std::vector<JournalEntry>{};
}

std::size_t CountOf(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

// The generic-trap numbers journaled from the switch, oldest first, leaving out the loose
// cables of the simulation (link traps of other ports than `port`).
std::vector<std::int32_t> SwitchTraps(const TrapdProcess& trapd, int port) {
    std::vector<std::int32_t> generic;
    const std::vector<JournalEntry> entries = JournalOf(trapd);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const SnmpNotification& n = it->notification;
        const bool link =
            n.genericTrap == SNMP_TRAP_LINK_DOWN || n.genericTrap == SNMP_TRAP_LINK_UP;
        if (!link || (n.bindings.size() == 1 &&
                      n.bindings[0].oid == "1.3.6.1.2.1.2.2.1.1." + std::to_string(port))) {
            generic.push_back(n.genericTrap);
        }
    }
    return generic;
}

class Trapd : public ::testing::Test {
protected:
    void SetUp() override { EnsureQtApplication(); }
};

TEST_F(Trapd, JournalsAndPrintsWhatTheSimulatedSwitchSends) {
    TrapdProcess trapd;
    ASSERT_NE(trapd.Port(), 0);
    AgentProcess agent({"--trap-port", QString::number(trapd.Port()), "--trap-receiver",
                        "127.0.0.1/public", "--link-flap", "5,2"});
    ASSERT_NE(agent.Port(), 0);
    // coldStart at once, then port 5 down at 2 s and up at 3 s.
    ASSERT_TRUE(trapd.WaitFor([&] { return SwitchTraps(trapd, 5).size() >= 3; }, 8000));
    const std::vector<std::int32_t> first = SwitchTraps(trapd, 5);
    EXPECT_EQ(std::vector<std::int32_t>(first.begin(), first.begin() + 3),
              (std::vector<std::int32_t>{0, 2, 3}));

    QUdpSocket manager;
    manager.bind(QHostAddress::LocalHost, 0);
    const auto ask = [&](const std::string& community) {
        const std::vector<std::uint8_t> get =
            EncodeRequest(SNMP_PDU_GET, community, {TestBinding::Null("1.3.6.1.2.1.1.5.0")});
        Send(manager, get, agent.Port());
    };
    ask("guess"); // Authentication Fail Trap is Disable: nothing is sent
    const std::vector<std::uint8_t> enable =
        EncodeRequest(SNMP_PDU_SET, "marbelo", {TestBinding::Int("1.3.6.1.2.1.11.30.0", 1)});
    Send(manager, enable, agent.Port());
    ASSERT_TRUE(trapd.WaitFor([&] { return manager.hasPendingDatagrams(); }));
    ask("guess");
    ASSERT_TRUE(trapd.WaitFor([&] {
        const auto traps = SwitchTraps(trapd, 5);
        return std::count(traps.begin(), traps.end(), SNMP_TRAP_AUTHENTICATION_FAILURE) > 0;
    }));
    const auto traps = SwitchTraps(trapd, 5);
    EXPECT_EQ(std::count(traps.begin(), traps.end(), SNMP_TRAP_AUTHENTICATION_FAILURE), 1);

    const std::vector<JournalEntry> kept = JournalOf(trapd);
    const SnmpNotification& cold = kept.back().notification;
    EXPECT_EQ(cold.version, SNMP_VERSION_1);
    EXPECT_EQ(cold.community, "public");
    EXPECT_EQ(cold.enterprise, "1.3.6.1.4.1.88888.1.1");
    EXPECT_EQ(cold.trapOid, "1.3.6.1.6.3.1.1.5.1");
    EXPECT_EQ(cold.sourceAddress, "127.0.0.1");
    EXPECT_EQ(cold.sourcePort, agent.Port()); // sent from the switch's own socket
    EXPECT_NE(trapd.Out().find("iso.3.6.1.4.1.88888.1.1 Cold Start Trap (0) Uptime: 0:00:00.00"),
              std::string::npos);
    EXPECT_NE(trapd.Out().find("Link Down Trap (0) Uptime: 0:00:02.00\n\t"
                               "iso.3.6.1.2.1.2.2.1.1.5 = INTEGER: 5"),
              std::string::npos);

    // sqlite3, as an operator would look.
    QProcess sqlite;
    sqlite.start("sqlite3", {QString::fromStdString(trapd.Journal()),
                             "SELECT trap_oid FROM notification WHERE generic_trap = 4"});
    ASSERT_TRUE(sqlite.waitForFinished(10000));
    EXPECT_EQ(sqlite.readAllStandardOutput().toStdString(), "1.3.6.1.6.3.1.1.5.5\n");
}

TEST_F(Trapd, AnswersAnInformOnceKeptAndCountsWhatItRefuses) {
    TrapdProcess trapd({"--community", "secret"});
    ASSERT_NE(trapd.Port(), 0);
    QUdpSocket sender;
    sender.bind(QHostAddress::LocalHost, 0);
    const std::vector<std::uint8_t> inform = V2Trap(42, "secret", SNMP_PDU_INFORM, 77);
    Send(sender, inform, trapd.Port());
    Send(sender, V2Trap(43, "public"), trapd.Port());     // not an accepted community
    Send(sender, {0x30, 0x03, 0x02, 0x01}, trapd.Port()); // cut short
    const std::vector<std::uint8_t> get =
        EncodeRequest(SNMP_PDU_GET, "secret", {TestBinding::Null("1.3.6.1.2.1.1.5.0")});
    Send(sender, get, trapd.Port());
    ASSERT_TRUE(trapd.WaitFor([&] { return sender.hasPendingDatagrams(); }));
    QByteArray answer(static_cast<int>(sender.pendingDatagramSize()), 0);
    sender.readDatagram(answer.data(), answer.size());
    std::vector<std::uint8_t> expected = inform;
    expected[13] = SNMP_PDU_RESPONSE;
    EXPECT_EQ(std::vector<std::uint8_t>(answer.begin(), answer.end()), expected);
    EXPECT_EQ(JournalOf(trapd).size(), 1u); // kept before it was answered

    const std::string summary = trapd.Stop();
    EXPECT_EQ(trapd.ExitCode(), 0);
    EXPECT_NE(summary.find("datagrams 4, kept 1, not kept 0, lost 0, malformed 1, not "
                           "notifications 1, wrong community 1"),
              std::string::npos)
        << summary;
}

TEST_F(Trapd, AFloodIsJournaledOrCountedToTheLastDatagram) {
    TrapdProcess trapd({}, true);
    ASSERT_NE(trapd.Port(), 0);
    constexpr int kTraps = 10'000;
    QUdpSocket sender;
    sender.bind(QHostAddress::LocalHost, 0);
    // 10,000 traps in about two seconds: 500 every 100 ms.
    for (int i = 0; i < kTraps; ++i) {
        Send(sender, V2Trap(static_cast<std::uint32_t>(i)), trapd.Port());
        if (i % 500 == 499) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::string summary = trapd.Stop();
    const std::size_t kept = JournalOf(trapd).size();
    const std::size_t printed = CountOf(trapd.Out(), " [UDP: [127.0.0.1]:");
    const std::size_t lostAt = summary.find(", lost ");
    ASSERT_NE(lostAt, std::string::npos) << summary;
    const std::size_t lost = std::stoul(summary.substr(lostAt + 7));
    EXPECT_EQ(kept + lost, static_cast<std::size_t>(kTraps)) << summary;
    EXPECT_EQ(printed, kept);
    std::cerr << "flood: " << kept << " journaled, " << lost << " counted as lost\n";
}

TEST_F(Trapd, KillNineLosesNothingItPrinted) {
    TrapdProcess trapd({}, true);
    ASSERT_NE(trapd.Port(), 0);
    QUdpSocket sender;
    sender.bind(QHostAddress::LocalHost, 0);
    for (int i = 0; i < 3000; ++i) {
        Send(sender, V2Trap(static_cast<std::uint32_t>(100000 + i)), trapd.Port());
    }
    // Mid-burst: whatever is half written or half committed now is cut off.
    trapd.WaitFor([&] { return CountOf(trapd.Out(), "Timeticks") > 200; }, 5000);
    trapd.Kill();
    const std::string printed = trapd.Out();
    std::set<std::uint32_t> journaled;
    for (const JournalEntry& e : JournalOf(trapd)) {
        journaled.insert(e.notification.uptime);
    }
    std::size_t checked = 0;
    for (std::size_t at = printed.find("Timeticks: ("); at != std::string::npos;
         at = printed.find("Timeticks: (", at + 1)) {
        const auto uptime = static_cast<std::uint32_t>(std::stoul(printed.substr(at + 12)));
        EXPECT_TRUE(journaled.count(uptime)) << uptime;
        ++checked;
    }
    EXPECT_GT(checked, 200u);
    std::cerr << "kill -9: " << checked << " printed, " << journaled.size() << " journaled\n";
}

TEST_F(Trapd, APrivilegedPortWithoutPrivilegeGetsOneLineNamingTheWaysOut) {
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::WriteOther | QFileDevice::ExeOther);
    QStringList command = {QString::fromStdString(TrapdPath()), "--listen", "127.0.0.1:162",
                           "--journal", dir.filePath("j.sqlite")};
    if (geteuid() == 0) {
        // As the unprivileged user an operator would be.
        command = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups"} + command;
        command.prepend("setpriv");
    }
    QProcess trapd;
    trapd.start(command.takeFirst(), command);
    ASSERT_TRUE(trapd.waitForFinished(10000));
    const std::string err = trapd.readAllStandardError().toStdString();
    if (err.rfind("setpriv:", 0) == 0 || err.find("error while loading") != std::string::npos) {
        GTEST_SKIP() << "the program cannot be run as another user here: " << err;
    }
    EXPECT_EQ(trapd.exitCode(), 1) << err;
    EXPECT_EQ(CountOf(err, "\n"), 1u) << err;
    EXPECT_NE(err.find("cannot listen on 127.0.0.1:162: permission denied"), std::string::npos)
        << err;
    EXPECT_NE(err.find("--listen 127.0.0.1:1162"), std::string::npos);
    EXPECT_NE(err.find("service"), std::string::npos);
    EXPECT_NE(err.find("CAP_NET_BIND_SERVICE"), std::string::npos);
}

} // namespace
