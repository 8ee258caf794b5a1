// The real program over SNMPv2c and SNMPv3, started as a process: the prompt and the secrets
// file at start, the demo switch's own user, net-snmp's snmpd as the switch, and what goes on
// the wire at authPriv.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "tests/agent/AgentProcess.h"
#include "tests/tools/LoopbackSnmpd.h"
#include "tests/tools/taurel-snmp/UdpRelay.h"

namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

void StartTaurel(QProcess& process, const QStringList& args) {
    EnsureQtApplication();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(TAUREL_PATH, args);
}

ProgramRun Finish(QProcess& process, int timeoutMs = 30000) {
    ProgramRun run;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    else
        process.kill();
    process.waitForFinished();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

ProgramRun RunTaurel(const QStringList& args) {
    QProcess process;
    StartTaurel(process, args);
    return Finish(process);
}

// The program's own lines on standard error (Qt may add its own about the platform).
std::string OwnLines(const std::string& err) {
    std::string own;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("taurel", 0) == 0)
            own += line + "\n";
    return own;
}

// The rows --print writes, by slot: each slot's first cells in order.
std::map<std::string, std::vector<std::string>> PrintedNames(const std::string& out) {
    std::map<std::string, std::vector<std::string>> bySlot;
    std::istringstream in(out);
    std::string line, slot;
    while (std::getline(in, line)) {
        if (line.rfind("slot ", 0) == 0)
            slot = line.substr(0, line.find(':'));
        else if (!slot.empty())
            bySlot[slot].push_back(line.substr(0, line.find('\t')));
    }
    return bySlot;
}

std::string SecretsFile(const QTemporaryDir& dir, const std::string& content) {
    const std::string path = dir.filePath("secrets").toStdString();
    std::ofstream(path) << content;
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    return path;
}

bool Have(const char* tool) {
    if (!FindTool(tool).empty())
        return true;
    if (qEnvironmentVariable("CI") == "true")
        ADD_FAILURE() << tool << " is required in CI";
    return false;
}

TEST(SessionProgram, APromptNobodyAnswersEndsWithItsOwnStatus) {
    QElapsedTimer elapsed;
    elapsed.start();
    const ProgramRun run = RunTaurel(
        {"/I127.0.0.1:9", "--snmp-version", "3", "--v3-user", "ops", "--quit-after", "1"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(OwnLines(run.err), "taurel: no SNMPv3 passphrase given (the prompt was cancelled); "
                                 "nothing started\n");
    EXPECT_LT(elapsed.elapsed(), 15000);
}

TEST(SessionProgram, ASecretsFileOthersMayReadIsRefusedWithTheReason) {
    QTemporaryDir dir;
    const std::string path = SecretsFile(dir, "auth-pass-1\npriv-pass-1\n");
    std::filesystem::permissions(path, std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    // An address no other test's window manages: that window would hold the instance lock.
    const ProgramRun run = RunTaurel({"/I127.0.0.1:19", "--snmp-version", "3", "--v3-user", "ops",
                                      "--v3-secrets", QString::fromStdString(path)});
    EXPECT_EQ(run.exitCode, 64);
    EXPECT_EQ(OwnLines(run.err),
              "taurel: --v3-secrets " + path +
                  ": others than its owner may read it (mode 0604); make it private "
                  "with chmod 600 " +
                  path + "\n");
}

TEST(SessionProgram, TheDemoOverV3PrintsTheSameRowsAsOverV1AndNamesItsUser) {
    const QStringList common = {"--demo", "--open",       "0", "--open",
                                "173",    "--quit-after", "5", "--print"};
    QProcess v1Process, v3Process; // side by side: each runs for the seconds it was given
    StartTaurel(v1Process, common);
    StartTaurel(v3Process, QStringList(common) << "--snmp-version"
                                               << "3");
    const ProgramRun v1 = Finish(v1Process);
    const ProgramRun v3 = Finish(v3Process);
    ASSERT_EQ(v1.exitCode, 0) << v1.err;
    ASSERT_EQ(v3.exitCode, 0) << v3.err;
    EXPECT_EQ(OwnLines(v1.err), "") << "SNMPv1 stays silent as it always was";
    EXPECT_EQ(OwnLines(v3.err).rfind("taurel: the demo switch at 127.0.0.1:", 0), 0u) << v3.err;
    EXPECT_NE(v3.err.find("SNMPv3 user \"demo\" at authPriv (SHA-256, AES)"), std::string::npos)
        << v3.err;
    const auto names = PrintedNames(v3.out);
    EXPECT_EQ(names, PrintedNames(v1.out)) << v3.out;
    ASSERT_EQ(names.count("slot 0"), 1u) << v3.out;
    EXPECT_GE(names.at("slot 0").size(), 5u);
    EXPECT_EQ(v3.out.find("No response"), std::string::npos) << v3.out;
}

TEST(SessionProgram, ReadsSnmpdsSystemGroupAsAnSnmpV3UserAndNamesWhatItLacks) {
    if (!Have("snmpd"))
        GTEST_SKIP() << "snmpd missing (Debian package snmpd)";
    LoopbackSnmpd snmpd(FindTool("snmpd"),
                        "createUser ops SHA-256 \"auth-pass-1\" AES \"priv-pass-1\"\n"
                        "rwuser ops authPriv\n"
                        "sysName v3-switch-name\nsysContact v3-contact\n");
    ASSERT_TRUE(snmpd.WaitReady()) << snmpd.Log();
    QTemporaryDir dir;
    const std::string secrets = SecretsFile(dir, "auth-pass-1\npriv-pass-1\n");
    const ProgramRun run =
        RunTaurel({"/I" + QString::fromStdString(snmpd.Address()), "--snmp-version", "3",
                   "--v3-user", "ops", "--v3-secrets", QString::fromStdString(secrets), "--open",
                   "0", "--quit-after", "4", "--print"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("v3-switch-name"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("v3-contact"), std::string::npos) << run.out;
    // snmpd has none of the switch's own objects: their cells say so in words.
    EXPECT_NE(run.out.find("noSuchObject"), std::string::npos) << run.out;
}

TEST(SessionProgram, AtAuthPrivNoCommunityAndNoValueCrossesTheWireInClear) {
    if (!Have("tshark"))
        GTEST_SKIP() << "tshark missing (Debian package tshark)";
    AgentProcess agent({"--v3-user", "ops:SHA-256:auth-pass-1:AES:priv-pass-1"});
    ASSERT_NE(agent.Port(), 0);
    UdpRelay relay(agent.Port());
    QTemporaryDir dir;
    const std::string secrets = SecretsFile(dir, "auth-pass-1\npriv-pass-1\n");
    const ProgramRun run =
        RunTaurel({"/NCaptured", "/I" + QString::fromStdString(relay.Address()), "--snmp-version",
                   "3", "--v3-user", "ops", "--v3-secrets", QString::fromStdString(secrets),
                   "--open", "0", "--quit-after", "4", "--print"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_NE(run.out.find("slot 0:"), std::string::npos) << run.out;

    std::vector<std::vector<std::uint8_t>> datagrams = relay.ClientDatagrams();
    const auto answers = relay.AgentDatagrams();
    ASSERT_GT(answers.size(), 2u);
    datagrams.insert(datagrams.end(), answers.begin(), answers.end());
    // Neither community nor a value the switch shows may stand in any datagram's bytes.
    const std::string sysDescrWord = "Taurel";
    for (const auto& datagram : datagrams) {
        const std::string bytes(datagram.begin(), datagram.end());
        for (const std::string& clear :
             {std::string("tessla"), std::string("marbelo"), std::string("Captured"), sysDescrWord})
            EXPECT_EQ(bytes.find(clear), std::string::npos) << clear;
    }

    const std::string pcap = dir.filePath("taurel.pcap").toStdString();
    ASSERT_TRUE(WriteSnmpPcap(pcap, datagrams));
    QProcess tshark;
    tshark.start(QString::fromStdString(FindTool("tshark")),
                 {"-r", QString::fromStdString(pcap), "-V", "-o", "snmp.display_oid:TRUE"});
    ASSERT_TRUE(tshark.waitForFinished(60000));
    const std::string dissected = tshark.readAllStandardOutput().toStdString();
    std::size_t messages = 0, encrypted = 0, plain = 0, plainWithValues = 0;
    for (std::size_t at = dissected.find("Simple Network Management Protocol");
         at != std::string::npos;) {
        const std::size_t next = dissected.find("Simple Network Management Protocol", at + 1);
        const std::string message = dissected.substr(at, next - at);
        ++messages;
        EXPECT_NE(message.find("msgVersion: snmpv3 (3)"), std::string::npos) << message;
        EXPECT_EQ(message.find("community"), std::string::npos) << message;
        if (message.find("encryptedPDU") != std::string::npos) {
            ++encrypted;
        } else {
            ++plain;
            // In clear only what the protocol itself needs: the discovery probe (no bindings)
            // and reports, whose one binding is a usmStats counter.
            const bool report = message.find("data: report") != std::string::npos &&
                                message.find("1.3.6.1.6.3.15.1.1.") != std::string::npos;
            const bool probe = message.find("variable-bindings: 0 items") != std::string::npos;
            if (!report && !probe)
                ++plainWithValues;
        }
        at = next;
    }
    EXPECT_EQ(messages, datagrams.size());
    EXPECT_GE(encrypted, 4u) << dissected;
    EXPECT_GE(plain, 2u) << "the discovery exchange is in clear, as RFC 3414 has it";
    EXPECT_EQ(plainWithValues, 0u) << dissected;
    EXPECT_EQ(dissected.find("Malformed"), std::string::npos);
}

} // namespace
