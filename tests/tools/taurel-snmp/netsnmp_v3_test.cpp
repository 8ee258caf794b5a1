// taurel-snmp -v 3 against a real net-snmp snmpd whose users are made with createUser, one for
// every authentication protocol at authNoPriv and at authPriv, cross-checked with snmpwalk
// given the same options.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include <QElapsedTimer>
#include <QProcess>

#include "tests/tools/LoopbackSnmpd.h"
#include "tests/tools/taurel-snmp/ClientProcess.h"
#include "tests/tools/taurel-snmp/UdpRelay.h"

namespace {

const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kSysContact = "1.3.6.1.2.1.1.4.0";
const std::string kSystem = "1.3.6.1.2.1.1";
const std::string kEngineId = "80001f8804746175726531";
const std::string kAuthPass = "auth-pass-1";
const std::string kPrivPass = "priv-pass-1";
const std::vector<std::string> kAuthProtocols = {"MD5",     "SHA",     "SHA-224",
                                                 "SHA-256", "SHA-384", "SHA-512"};

// A user name per protocol and level, e.g. "SHA-256-authPriv".
std::string UserName(const std::string& auth, bool priv) {
    return auth + (priv ? "-authPriv" : "-authNoPriv");
}

std::string Configuration() {
    std::string conf = "exactEngineID 0x" + kEngineId + "\n";
    for (const std::string& auth : kAuthProtocols) {
        conf += "createUser " + UserName(auth, false) + " " + auth + " \"" + kAuthPass + "\"\n";
        conf += "createUser " + UserName(auth, true) + " " + auth + " \"" + kAuthPass +
                "\" AES \"" + kPrivPass + "\"\n";
        conf += "rwuser " + UserName(auth, false) + " authNoPriv\n";
        conf += "rwuser " + UserName(auth, true) + " authPriv\n";
    }
    return conf + "createUser guest\nrouser guest noauth\n";
}

std::vector<std::string> UserOptions(const std::string& auth, bool priv) {
    std::vector<std::string> options = {
        "-u",     UserName(auth, priv), "-l", priv ? "authPriv" : "authNoPriv", "-a", auth, "-A",
        kAuthPass};
    if (priv) {
        options.insert(options.end(), {"-x", "AES", "-X", kPrivPass});
    }
    return options;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The names snmpwalk prints with the same user options.
std::vector<std::string> NetSnmpWalkOids(const std::vector<std::string>& options,
                                         const std::string& agent) {
    QStringList args = {"-v3", "-On"};
    for (const std::string& option : options) {
        args << QString::fromStdString(option);
    }
    args << QString::fromStdString(agent) << QString::fromStdString(kSystem);
    QProcess process;
    process.start(QString::fromStdString(FindTool("snmpwalk")), args);
    process.waitForFinished(20000);
    std::vector<std::string> oids;
    for (const std::string& line : Lines(process.readAllStandardOutput().toStdString())) {
        oids.push_back(line.substr(0, line.find(' ')));
    }
    return oids;
}

class NetSnmpV3 : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (FindTool("snmpd").empty() || FindTool("snmpwalk").empty()) {
            return;
        }
        s_agent = new LoopbackSnmpd(FindTool("snmpd"), Configuration());
        s_ready = s_agent->WaitReady();
    }
    static void TearDownTestSuite() {
        delete s_agent;
        s_agent = nullptr;
    }
    void SetUp() override {
        if (!s_agent) {
            const char* ci = std::getenv("CI");
            if (ci && std::string(ci) == "true") {
                FAIL() << "snmpd and snmpwalk (Debian packages snmpd, snmp) are required in CI";
            }
            GTEST_SKIP() << "snmpd or snmpwalk missing (Debian packages snmpd, snmp): skipped";
        }
        ASSERT_TRUE(s_ready) << s_agent->Log();
    }
    // Runs taurel-snmp -v 3 with `options` then `command`, timing the run.
    ClientRun Run(const std::vector<std::string>& options, const std::vector<std::string>& command,
                  const std::string& workDir = {}) {
        QElapsedTimer elapsed;
        elapsed.start();
        const ClientRun run = RunClient(Join(Join({"-v", "3"}, options), command), workDir);
        m_lastMs = elapsed.elapsed();
        return run;
    }
    std::string Agent() const { return s_agent->Address(); }

    qint64 m_lastMs = 0;
    static LoopbackSnmpd* s_agent;
    static bool s_ready;
};
LoopbackSnmpd* NetSnmpV3::s_agent = nullptr;
bool NetSnmpV3::s_ready = false;

TEST_F(NetSnmpV3, EveryAuthAndPrivPairGetsWalksAndSetsWithReadBack) {
    for (const std::string& auth : kAuthProtocols) {
        for (const bool priv : {false, true}) {
            SCOPED_TRACE(UserName(auth, priv));
            const std::vector<std::string> options = UserOptions(auth, priv);
            const ClientRun get = Run(options, {"get", Agent(), kSysName});
            ASSERT_EQ(get.exitCode, 0) << get.err;
            EXPECT_EQ(get.out.rfind("." + kSysName + " = STRING: \"", 0), 0u) << get.out;

            const ClientRun walk = Run(options, {"walk", Agent(), kSystem});
            ASSERT_EQ(walk.exitCode, 0) << walk.err;
            std::vector<std::string> ours;
            for (const std::string& line : Lines(walk.out)) {
                ours.push_back(line.substr(0, line.find(" = ")));
            }
            EXPECT_GE(ours.size(), 7u);
            EXPECT_EQ(ours, NetSnmpWalkOids(options, Agent()));

            const std::string contact = "ops via " + UserName(auth, priv);
            const ClientRun set = Run(options, {"set", Agent(), kSysContact, "s", contact});
            ASSERT_EQ(set.exitCode, 0) << set.err;
            const ClientRun readBack = Run(options, {"get", Agent(), kSysContact});
            EXPECT_EQ(readBack.out, "." + kSysContact + " = STRING: \"" + contact + "\"\n");
        }
    }
    const ClientRun guest = Run({"-u", "guest", "-l", "noAuthNoPriv"}, {"get", Agent(), kSysName});
    EXPECT_EQ(guest.exitCode, 0) << guest.err;
}

TEST_F(NetSnmpV3, WrongCredentialsFailWithNetSnmpsWordsAndWithoutWaiting) {
    const std::vector<std::string> get = {"get", Agent(), kSysName};
    std::vector<std::string> wrongPass = UserOptions("SHA-256", true);
    wrongPass[7] = "not-the-pass";
    const ClientRun badPass = Run(wrongPass, get);
    EXPECT_EQ(badPass.exitCode, 1);
    EXPECT_EQ(badPass.err,
              "taurel-snmp: Authentication failure (incorrect password, community or key)\n");
    EXPECT_LT(m_lastMs, 3000);

    std::vector<std::string> wrongUser = UserOptions("SHA-256", true);
    wrongUser[1] = "nobody";
    const ClientRun badUser = Run(wrongUser, get);
    EXPECT_EQ(badUser.exitCode, 1);
    EXPECT_EQ(badUser.err, "taurel-snmp: Unknown user name\n");
    EXPECT_LT(m_lastMs, 3000);

    // This user has no privacy key at the agent.
    std::vector<std::string> noPrivKey = UserOptions("MD5", true);
    noPrivKey[1] = UserName("MD5", false);
    const ClientRun badLevel = Run(noPrivKey, get);
    EXPECT_EQ(badLevel.exitCode, 1);
    EXPECT_EQ(badLevel.err, "taurel-snmp: Unsupported security level\n");

    const ClientRun badEngine =
        Run(Join(UserOptions("SHA", false), {"-e", "80001f8804746175726599"}), get);
    EXPECT_EQ(badEngine.exitCode, 1);
    EXPECT_EQ(badEngine.err, "taurel-snmp: Unknown engine ID\n");

    // A wrong privacy passphrase leaves the agent unable to read the request; it answers
    // nothing, as it does to net-snmp, and the request ends with its time-out.
    std::vector<std::string> wrongPriv = UserOptions("SHA-256", true);
    wrongPriv[11] = "not-the-pass";
    const ClientRun badPriv = Run(Join({"-t", "0.3", "-r", "0"}, wrongPriv), get);
    EXPECT_EQ(badPriv.exitCode, 1);
    EXPECT_EQ(badPriv.err, "Timeout: No Response from " + Agent() + ".\n");
    EXPECT_LT(m_lastMs, 5000);
}

TEST_F(NetSnmpV3, AGivenEngineIdSkipsDiscoveryAndTheAgentsReportSetsTheClock) {
    QTemporaryDir dir;
    // Without discovery our picture of the agent's clock starts at zero: outside its window.
    const ClientRun get = Run(Join(UserOptions("SHA-512", true), {"-e", "0x" + kEngineId, "--log"}),
                              {"get", Agent(), kSysName}, dir.path().toStdString());
    ASSERT_EQ(get.exitCode, 0) << get.err;
    const ClientRun dump = RunClient({"logdump", dir.path().toStdString() + "/snmp.log"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    const std::vector<std::string> lines = Lines(dump.out);
    ASSERT_EQ(lines.size(), 8u) << dump.out;
    EXPECT_EQ(lines[3], ".1.3.6.1.6.3.15.1.1.2.0 = Counter32: 1"); // usmStatsNotInTimeWindows
    // Each record names the version, the user and the level, and a reply the agent's port.
    for (const std::size_t record : {0u, 2u, 4u, 6u}) {
        EXPECT_EQ(lines[record].rfind("record " + std::to_string(record / 2 + 1) + ": address " +
                                          Agent() +
                                          ", version 3, user \"SHA-512-authPriv\", "
                                          "level authPriv, ",
                                      0),
                  0u)
            << lines[record];
    }
    EXPECT_EQ(lines[7], get.out.substr(0, get.out.size() - 1));

    // The passphrases and the keys made from them never reach the packet log.
    std::ifstream log(dir.path().toStdString() + "/snmp.log", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(log)), {});
    EXPECT_EQ(bytes.find(kAuthPass), std::string::npos);
    EXPECT_EQ(bytes.find(kPrivPass), std::string::npos);
}

TEST_F(NetSnmpV3, TsharkGivenTheUserTableVerifiesAndDecryptsEveryDatagramWeSend) {
    if (FindTool("tshark").empty()) {
        GTEST_SKIP() << "tshark missing";
    }
    const std::string port = Agent().substr(Agent().rfind(':') + 1);
    UdpRelay relay(static_cast<std::uint16_t>(std::stoi(port)));
    const std::string at = relay.Address();
    // Wireshark's names for the protocols of each user in its SNMP users table.
    const std::vector<std::pair<std::string, std::string>> users = {
        {"MD5", "MD5"}, {"SHA-256", "SHA2-256"}, {"SHA-512", "SHA2-512"}};
    QStringList tsharkArgs = {"-V"};
    std::size_t runs = 0;
    for (const auto& [auth, wiresharkAuth] : users) {
        for (const bool priv : {false, true}) {
            const std::vector<std::string> options = UserOptions(auth, priv);
            for (const std::vector<std::string>& command :
                 {std::vector<std::string>{"get", at, kSysName},
                  {"walk", at, kSystem},
                  {"-Cr5", "bulkwalk", at, kSystem},
                  {"set", at, kSysContact, "s", "dissected"}}) {
                const ClientRun run = Run(options, command);
                EXPECT_EQ(run.exitCode, 0) << run.err;
                ++runs;
            }
            tsharkArgs << "-o"
                       << QString::fromStdString("uat:snmp_users:\"\",\"" + UserName(auth, priv) +
                                                 "\",\"" + wiresharkAuth + "\",\"" + kAuthPass +
                                                 "\",\"AES\",\"" + kPrivPass + "\"");
        }
    }
    const auto datagrams = relay.ClientDatagrams();
    ASSERT_GT(datagrams.size(), runs);
    QTemporaryDir dir;
    const std::string pcap = dir.path().toStdString() + "/sent.pcap";
    ASSERT_TRUE(WriteSnmpPcap(pcap, datagrams));
    QProcess tshark;
    tshark.start(QString::fromStdString(FindTool("tshark")),
                 tsharkArgs << "-r" << QString::fromStdString(pcap));
    ASSERT_TRUE(tshark.waitForFinished(60000));
    const std::string dissected = tshark.readAllStandardOutput().toStdString();
    const auto count = [&](const std::string& text) {
        std::size_t n = 0;
        for (std::size_t at = dissected.find(text); at != std::string::npos;
             at = dissected.find(text, at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(count("Simple Network Management Protocol"), datagrams.size());
    EXPECT_EQ(count("msgVersion: snmpv3 (3)"), datagrams.size());
    // Every datagram but each run's discovery probe carries a MAC tshark verified.
    EXPECT_EQ(count("[Authentication: OK]"), datagrams.size() - runs);
    EXPECT_GT(count("Decrypted ScopedPDU"), 0u);
    EXPECT_EQ(dissected.find("Malformed"), std::string::npos) << dissected;
    EXPECT_EQ(dissected.find("Expert Info (Error"), std::string::npos) << dissected;
    EXPECT_EQ(dissected.find("Expert Info (Warning"), std::string::npos) << dissected;
    EXPECT_NE(dissected.find("getBulkRequest"), std::string::npos);
}

} // namespace
