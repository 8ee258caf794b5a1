// taurel-trapd against Debian's net-snmp: snmptrap and snmpinform (v1, v2c, v3) reach it and
// it prints, field for field, what `snmptrapd -f -Lo -n` prints for the same notifications;
// the simulated switch's traps reach snmptrapd; and tshark dissects every notification and
// acknowledgement we put on the wire without an error.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>

#include "journal/NotificationJournal.h"
#include "snmp/SnmpNotificationCodec.h"
#include "snmp/SnmpTypes.h"
#include "snmp/UsmAuthoritativeEngine.h"
#include "tests/agent/AgentProcess.h"
#include "tests/agent/AgentTestClient.h"
#include "tests/tools/LoopbackSnmpd.h"
#include "tests/tools/taurel-trapd/TrapdProcess.h"

namespace {

const char* const kSenderEngine = "0x8000000001020304";

std::uint16_t FreePort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// snmptrapd in the foreground, printing to standard output without name lookups.
class Snmptrapd {
public:
    explicit Snmptrapd(const std::string& program) : m_port(FreePort()) {
        std::ofstream(m_dir.filePath("snmptrapd.conf").toStdString())
            << "disableAuthorization yes\n"
            << "createUser -e " << kSenderEngine << " ops SHA maplesyrup AES maplesyrup\n"
            << "createUser informer SHA maplesyrup AES maplesyrup\n";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIBS", "");
        env.insert("SNMP_PERSISTENT_DIR", m_dir.filePath("persist"));
        m_process.setProcessEnvironment(env);
        m_process.start(QString::fromStdString(program),
                        {"-f", "-Lo", "-n", "-C", "-c", m_dir.filePath("snmptrapd.conf"),
                         QString("udp:127.0.0.1:%1").arg(m_port)});
    }
    ~Snmptrapd() {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    bool WaitFor(const std::string& text, int ms = 10000) {
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < ms && m_process.state() != QProcess::NotRunning) {
            m_out += m_process.readAllStandardOutput().toStdString();
            if (m_out.find(text) != std::string::npos) {
                return true;
            }
            m_process.waitForReadyRead(50);
        }
        return false;
    }
    const std::string& Out() {
        m_out += m_process.readAllStandardOutput().toStdString();
        return m_out;
    }
    std::uint16_t Port() const { return m_port; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    std::uint16_t m_port;
    std::string m_out;
};

// One net-snmp command line, run to its end.
void RunTool(const std::string& tool, QStringList args, std::uint16_t port) {
    for (QString& arg : args) {
        arg.replace("PORT", QString::number(port));
    }
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString(tool), args);
    ASSERT_TRUE(process.waitForFinished(15000)) << tool;
    EXPECT_EQ(process.exitCode(), 0) << tool << " " << args.join(' ').toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
}

// The printed notifications with what must differ between two receivers taken out: the
// arrival time and the UDP ports.
std::vector<std::string> Records(const std::string& out) {
    static const std::regex stamp("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ");
    static const std::regex ports("\\]:\\d+->\\[127\\.0\\.0\\.1\\]:\\d+");
    std::vector<std::string> records;
    std::size_t start = 0;
    while (start < out.size()) {
        std::size_t end = out.find('\n', start);
        end = end == std::string::npos ? out.size() : end + 1;
        const std::string line = out.substr(start, end - start);
        start = end;
        if (std::regex_search(line, stamp)) {
            if (line.find("NET-SNMP version") == std::string::npos) {
                records.push_back(std::regex_replace(std::regex_replace(line, stamp, ""), ports,
                                                     "]:P->[127.0.0.1]:P"));
            }
        } else if (!records.empty() && line.find("NET-SNMP version") == std::string::npos &&
                   line != "Stopping snmptrapd\n") {
            records.back() += line;
        }
    }
    return records;
}

TEST(TrapdNetSnmp, PrintsWhatSnmptrapdPrintsForTheSameNotifications) {
    const std::string snmptrapdPath = FindTool("snmptrapd");
    const std::string snmptrap = FindTool("snmptrap");
    const std::string snmpinform = FindTool("snmpinform");
    if (snmptrapdPath.empty() || snmptrap.empty() || snmpinform.empty()) {
        GTEST_SKIP() << "net-snmp's snmptrapd, snmptrap or snmpinform is not installed";
    }
    EnsureQtApplication();
    Snmptrapd reference(snmptrapdPath);
    ASSERT_TRUE(reference.WaitFor("NET-SNMP version"));
    TrapdProcess trapd({"--user",
                        QString("-e %1 ops SHA maplesyrup AES maplesyrup").arg(kSenderEngine),
                        "--user", "informer SHA maplesyrup AES maplesyrup"});
    ASSERT_NE(trapd.Port(), 0);

    const QStringList v3 = {"-l",         "authPriv", "-a",  "SHA", "-A",
                            "maplesyrup", "-x",       "AES", "-X",  "maplesyrup"};
    const std::vector<std::pair<std::string, QStringList>> sends = {
        {snmptrap,
         {"-v1",
          "-c",
          "public",
          "127.0.0.1:PORT",
          "1.3.6.1.4.1.88888.1.1",
          "10.0.0.1",
          "6",
          "17",
          "12345",
          "1.3.6.1.2.1.1.5.0",
          "s",
          "hello \"world\"",
          "1.3.6.1.4.1.1.3",
          "a",
          "1.2.3.4",
          "1.3.6.1.4.1.1.6",
          "x",
          "00ff10",
          "1.3.6.1.4.1.1.4",
          "c",
          "4294967295"}},
        {snmptrap,
         {"-v1", "-c", "public", "127.0.0.1:PORT", "1.3.6.1.4.1.88888.1.1", "10.0.0.1", "0", "0",
          "8640000"}},
        {snmptrap,
         {"-v2c",
          "-c",
          "public",
          "127.0.0.1:PORT",
          "123",
          "1.3.6.1.6.3.1.1.5.3",
          "1.3.6.1.2.1.2.2.1.1.3",
          "i",
          "-3",
          "1.3.6.1.4.1.1.7",
          "o",
          "0.0",
          "1.3.6.1.4.1.1.8",
          "t",
          "4294967295",
          "1.3.6.1.4.1.1.9",
          "u",
          "7",
          "1.3.6.1.4.1.1.10",
          "s",
          ""}},
        {snmpinform,
         {"-v2c", "-c", "public", "-r", "0", "-t", "3", "127.0.0.1:PORT", "42",
          "1.3.6.1.6.3.1.1.5.1", "1.3.6.1.4.1.1.5", "x", "0102030405060708090a0b0c0d0e0f101112"}},
        {snmptrap, QStringList{"-v3", "-e", kSenderEngine, "-u", "ops"} + v3 +
                       QStringList{"127.0.0.1:PORT", "99", "1.3.6.1.6.3.1.1.5.4",
                                   "1.3.6.1.2.1.2.2.1.1.3", "i", "3"}},
        {snmpinform, QStringList{"-v3", "-u", "informer", "-r", "1", "-t", "3"} + v3 +
                         QStringList{"127.0.0.1:PORT", "77", "1.3.6.1.6.3.1.1.5.2"}},
    };
    for (const auto& [tool, args] : sends) {
        RunTool(tool, args, reference.Port());
        RunTool(tool, args, trapd.Port());
    }
    ASSERT_TRUE(reference.WaitFor("iso.3.6.1.6.3.1.1.5.2\n"));
    ASSERT_TRUE(trapd.WaitFor(
        [&] { return trapd.Out().find("iso.3.6.1.6.3.1.1.5.2\n") != std::string::npos; }));
    const std::vector<std::string> expected = Records(reference.Out());
    const std::vector<std::string> ours = Records(trapd.Out());
    ASSERT_EQ(expected.size(), sends.size()) << reference.Out();
    ASSERT_EQ(ours.size(), sends.size()) << trapd.Out();
    for (std::size_t i = 0; i < sends.size(); ++i) {
        EXPECT_EQ(ours[i], expected[i]) << "notification " << i;
    }

    std::string error;
    const auto journal = NotificationJournal::Open(trapd.Journal(), {}, error);
    ASSERT_TRUE(journal) << error;
    const std::vector<JournalEntry> kept = journal->ReadNewest(10);
    ASSERT_EQ(kept.size(), sends.size());
    EXPECT_EQ(kept[0].notification.version, SNMP_VERSION_3);
    EXPECT_EQ(kept[0].notification.pduType, SNMP_PDU_INFORM);
    EXPECT_EQ(kept[0].notification.userName, "informer");
    EXPECT_EQ(kept[1].notification.userName, "ops");
    EXPECT_EQ(kept[2].notification.community, "public");
    const std::string summary = trapd.Stop();
    EXPECT_NE(summary.find("informs acknowledged 2"), std::string::npos) << summary;
}

TEST(TrapdNetSnmp, TheSwitchsTrapsReachSnmptrapd) {
    const std::string snmptrapdPath = FindTool("snmptrapd");
    if (snmptrapdPath.empty()) {
        GTEST_SKIP() << "net-snmp's snmptrapd is not installed";
    }
    EnsureQtApplication();
    Snmptrapd receiver(snmptrapdPath);
    ASSERT_TRUE(receiver.WaitFor("NET-SNMP version"));
    AgentProcess agent({"--trap-port", QString::number(receiver.Port()), "--trap-receiver",
                        "127.0.0.1/watch", "--link-flap", "3,2"});
    ASSERT_NE(agent.Port(), 0);
    // snmptrapd names the agent address from the hosts file even with -n ("localhost").
    EXPECT_TRUE(
        receiver.WaitFor(" [127.0.0.1] (via UDP: [127.0.0.1]:" + std::to_string(agent.Port()) +
                         "->[127.0.0.1]:" + std::to_string(receiver.Port()) +
                         ") TRAP, SNMP v1, community watch\n\t"
                         "iso.3.6.1.4.1.88888.1.1 Cold Start Trap (0) Uptime: 0:00:00.00"))
        << receiver.Out();
    EXPECT_TRUE(receiver.WaitFor("Link Down Trap (0) Uptime: 0:00:02.00\n"
                                 "\tiso.3.6.1.2.1.2.2.1.1.3 = INTEGER: 3\n"));
    EXPECT_TRUE(receiver.WaitFor("Link Up Trap (0) Uptime: 0:00:03.00\n"
                                 "\tiso.3.6.1.2.1.2.2.1.1.3 = INTEGER: 3\n"));
}

// The datagrams as a text2pcap dump, every one from UDP port 40000 to 162.
std::string Dump(const std::vector<std::vector<std::uint8_t>>& datagrams) {
    std::string text;
    char cell[32];
    for (const auto& datagram : datagrams) {
        for (std::size_t i = 0; i < datagram.size(); ++i) {
            if (i % 16 == 0) {
                std::snprintf(cell, sizeof cell, "%s%06zx", i ? "\n" : "", i);
                text += cell;
            }
            std::snprintf(cell, sizeof cell, " %02x", datagram[i]);
            text += cell;
        }
        text += "\n";
    }
    return text;
}

TEST(TrapdNetSnmp, TsharkDissectsEveryNotificationAndAcknowledgementWithoutError) {
    const std::string tshark = FindTool("tshark");
    const std::string text2pcap = FindTool("text2pcap");
    if (tshark.empty() || text2pcap.empty()) {
        GTEST_SKIP() << "tshark or text2pcap is not installed";
    }
    std::vector<std::vector<std::uint8_t>> datagrams;
    // The switch's traps.
    EngineClient client;
    client.engine.Switch().SetLinkFlap(2, 2);
    client.Advance(3000);
    client.engine.Tick(client.now);
    ASSERT_TRUE(client.Set({TestBinding::Int("1.3.6.1.2.1.11.30.0", 1)}));
    client.Send(SNMP_PDU_GET, "guess", {TestBinding::Null("1.3.6.1.2.1.1.5.0")});
    for (const TrapDatagram& trap : client.engine.TakeTraps({127, 0, 0, 1})) {
        datagrams.push_back(trap.bytes);
    }
    // A v2c inform and our answer to it.
    SnmpNotification inform;
    inform.version = SNMP_VERSION_2C;
    inform.pduType = SNMP_PDU_INFORM;
    inform.requestId = 9;
    inform.bindings = {SnmpNotificationBinding::Unsigned(kSysUpTimeOid, SNMP_TYPE_TIMETICKS, 5),
                       SnmpNotificationBinding::ObjectId(kSnmpTrapOid, "1.3.6.1.6.3.1.1.5.1")};
    datagrams.push_back(SnmpEncodeCommunityMessage(1, "public", SnmpEncodeNotificationPdu(inform)));
    datagrams.push_back(
        SnmpEncodeCommunityMessage(1, "public", SnmpEncodeInformResponsePdu(inform)));
    // SNMPv3: discovery and its report, an encrypted inform and our encrypted answer.
    UsmAuthoritativeEngine receiver(UsmAuthoritativeEngine::MakeEngineId(88888, {1, 2, 3, 4}), 1,
                                    0);
    UsmUser user;
    user.userName = "informer";
    user.level = UsmSecurityLevel::AuthPriv;
    user.auth = UsmAuthProtocol::SHA256;
    user.authPassword = UsmSecret("maplesyrup");
    user.privPassword = UsmSecret("maplesyrup");
    UsmSession sender(user);
    receiver.AddUser(user);
    const std::vector<std::uint8_t> pdu = SnmpEncodeNotificationPdu(inform);
    const std::vector<std::uint8_t> probe = sender.Protect(3, pdu);
    const UsmEngineIncoming report = receiver.Receive(probe.data(), probe.size(), 10);
    ASSERT_EQ(report.verdict, UsmEngineIncoming::Verdict::Report);
    sender.Open(report.report.data(), report.report.size());
    const std::vector<std::uint8_t> sealed = sender.Protect(4, pdu);
    const UsmEngineIncoming accepted = receiver.Receive(sealed.data(), sealed.size(), 10);
    ASSERT_EQ(accepted.verdict, UsmEngineIncoming::Verdict::Accept);
    for (const auto* d : {&probe, &report.report, &sealed}) {
        datagrams.push_back(*d);
    }
    datagrams.push_back(
        receiver.ProtectResponse(accepted, SnmpEncodeInformResponsePdu(inform), 10));

    QTemporaryDir dir;
    const std::string hex = dir.filePath("dump.txt").toStdString();
    const QString pcap = dir.filePath("dump.pcap");
    std::ofstream(hex) << Dump(datagrams);
    QProcess convert;
    convert.start(QString::fromStdString(text2pcap),
                  {"-q", "-u", "40000,162", QString::fromStdString(hex), pcap});
    ASSERT_TRUE(convert.waitForFinished(15000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    QProcess dissect;
    dissect.start(QString::fromStdString(tshark), {"-r", pcap, "-V"});
    ASSERT_TRUE(dissect.waitForFinished(30000));
    const std::string text = dissect.readAllStandardOutput().toStdString();
    std::size_t frames = 0;
    for (std::size_t at = text.find("Simple Network Management Protocol"); at != std::string::npos;
         at = text.find("Simple Network Management Protocol", at + 1)) {
        ++frames;
    }
    EXPECT_EQ(frames, datagrams.size()) << text;
    EXPECT_EQ(text.find("Malformed"), std::string::npos) << text;
    EXPECT_EQ(text.find("[Expert Info (Error"), std::string::npos) << text;
    for (const char* field :
         {"generic-trap: coldStart (0)", "generic-trap: linkDown (2)", "generic-trap: linkUp (3)",
          "generic-trap: authenticationFailure (4)", "informRequest", "get-response",
          "msgAuthoritativeEngineID", "encryptedPDU"}) {
        EXPECT_NE(text.find(field), std::string::npos) << field;
    }
}

} // namespace
