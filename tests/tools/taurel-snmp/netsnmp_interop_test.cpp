// taurel-snmp as users run it, against a real net-snmp snmpd on 127.0.0.1 and a free port and
// cross-checked with snmpwalk, snmpbulkwalk and tshark. Without the tools the tests are
// skipped, except in CI.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUdpSocket>

#include "tests/tools/LoopbackSnmpd.h"
#include "tests/tools/taurel-snmp/ClientProcess.h"
#include "tests/tools/taurel-snmp/NetSnmpRun.h"
#include "tests/tools/taurel-snmp/UdpRelay.h"

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysContact = "1.3.6.1.2.1.1.4.0";
const std::string kSystem = "1.3.6.1.2.1.1";

TEST(ClientProgram, BadArgumentsExitWith1AndTheUsage) {
    const ClientRun run = RunClient({"set", "127.0.0.1", "1.3", "q", "1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Usage: taurel-snmp"), std::string::npos) << run.err;
}

TEST(NetSnmpInterop, GetAndWalkReachSnmpdOverIPv6) {
    const std::string snmpd = FindTool("snmpd");
    const std::string snmpget = FindTool("snmpget");
    if (snmpd.empty() || snmpget.empty())
        GTEST_SKIP() << "snmpd or snmpget missing (Debian packages snmpd, snmp): skipped";
    LoopbackSnmpd agent(snmpd, "rocommunity6 tessla ::1\n", true);
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();
    ASSERT_EQ(agent.Address().rfind("[::1]:", 0), 0u);

    const ClientRun get = RunClient({"get", agent.Address(), kSysDescr});
    ASSERT_EQ(get.exitCode, 0) << get.err;
    const ClientRun theirs =
        RunNetSnmp("snmpget", {"-v1", "-c", "tessla", "udp6:" + agent.Address(), kSysDescr});
    ASSERT_EQ(theirs.exitCode, 0) << theirs.err;
    EXPECT_EQ(get.out, theirs.out) << "the same line as snmpget's";

    const ClientRun walk = RunClient({"walk", agent.Address(), kSystem});
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    EXPECT_GE(Lines(walk.out).size(), 7u) << walk.out;
}

TEST(NetSnmpInterop, GetWalkSetReadBackAndLogdumpAgainstSnmpd) {
    const std::string snmpd = FindTool("snmpd");
    const std::string snmpwalk = FindTool("snmpwalk");
    if (snmpd.empty() || snmpwalk.empty()) {
        const char* ci = std::getenv("CI");
        if (ci && std::string(ci) == "true") {
            FAIL() << "snmpd and snmpwalk (Debian packages snmpd, snmp) are required in CI";
        }
        GTEST_SKIP() << "snmpd or snmpwalk missing (Debian packages snmpd, snmp): skipped";
    }
    LoopbackSnmpd agent(snmpd, "rocommunity tessla 127.0.0.1\n"
                               "rwcommunity marbelo 127.0.0.1\n");
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();

    const ClientRun get = RunClient({"--log", "get", agent.Address(), kSysDescr}, agent.Dir());
    ASSERT_EQ(get.exitCode, 0) << get.err;
    EXPECT_EQ(get.out.rfind("." + kSysDescr + " = STRING: \"", 0), 0u) << get.out;

    const ClientRun walk = RunClient({"walk", agent.Address(), kSystem});
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    EXPECT_GE(Lines(walk.out).size(), 7u);
    EXPECT_EQ(FirstDifferingLine(
                  walk.out,
                  RunNetSnmp("snmpwalk", {"-v1", "-c", "tessla", agent.Address(), kSystem}).out),
              "");

    const std::string contact = "Taurel test <ops@example.net>";
    const ClientRun set = RunClient({"set", agent.Address(), kSysContact, "s", contact});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const ClientRun readBack = RunClient({"get", agent.Address(), kSysContact});
    EXPECT_EQ(readBack.out, "." + kSysContact + " = STRING: \"" + contact + "\"\n");

    const ClientRun missing = RunClient({"get", agent.Address(), "1.3.6.1.2.1.1.99.0"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "Error in packet\nReason: (noSuchName) There is no such variable name "
                           "in this MIB.\nFailed object: .1.3.6.1.2.1.1.99.0\n\n");

    const ClientRun dump = RunClient({"logdump", agent.Dir() + "/snmp.log"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    const std::vector<std::string> lines = Lines(dump.out);
    ASSERT_EQ(lines.size(), 4u) << dump.out;
    // The request id is the run's random first one; the reply answers it, from the agent's port.
    const std::string id = lines[0].substr(lines[0].find("request id "),
                                           lines[0].find(", error") - lines[0].find("request id "));
    EXPECT_NE(id, "request id 1");
    EXPECT_EQ(lines[0], "record 1: address " + agent.Address() +
                            ", version 1, community \"tessla\", get (0xA0), " + id +
                            ", error status noError (0), error index 0, 1 binding(s)");
    EXPECT_EQ(lines[1], "." + kSysDescr + " = NULL");
    EXPECT_EQ(lines[2].rfind("record 2: address " + agent.Address() +
                                 ", version 1, community \"tessla\", response (0xA2), " + id +
                                 ", error status noError (0)",
                             0),
              0u)
        << lines[2];
    EXPECT_EQ(lines[3], get.out.substr(0, get.out.size() - 1));

    // A GetBulk's record names its repetition counts, not an error status and index.
    QTemporaryDir bulkDir;
    const ClientRun bulk =
        RunClient({"--log", "-v2c", "-Cn1", "-Cr3", "bulkget", agent.Address(), kSysDescr, kSystem},
                  bulkDir.path().toStdString());
    ASSERT_EQ(bulk.exitCode, 0) << bulk.err;
    const ClientRun bulkDump = RunClient({"logdump", bulkDir.path().toStdString() + "/snmp.log"});
    const std::string record = Lines(bulkDump.out).at(0);
    EXPECT_NE(record.find(", version 2c, community \"tessla\", getbulk (0xA5), request id "),
              std::string::npos)
        << record;
    EXPECT_NE(record.find(", non-repeaters 1, max-repetitions 3, 2 binding(s)"), std::string::npos)
        << record;
}

} // namespace

namespace {

// True when the tools are there; in CI their absence fails the test instead.
bool HaveTools(const std::vector<std::string>& programs) {
    for (const std::string& program : programs) {
        if (FindTool(program.c_str()).empty()) {
            const char* ci = std::getenv("CI");
            if (ci && std::string(ci) == "true") {
                ADD_FAILURE() << program << " is required in CI (Debian packages snmpd, snmp, "
                              << "tshark)";
            }
            return false;
        }
    }
    return true;
}

// The names of the rows taurel-snmp printed.
std::vector<std::string> OurOids(const ClientRun& run) {
    std::vector<std::string> oids;
    for (const std::string& line : Lines(run.out)) {
        const std::size_t equals = line.find(" = ");
        if (equals != std::string::npos && line.rfind(".1.", 0) == 0) {
            oids.push_back(line.substr(0, equals));
        }
    }
    return oids;
}

// Every object of snmpd except what changes while the test runs other than counters, gauges
// and time ticks: TCP and UDP endpoints (each client's own socket is a row), neighbours, the
// host resources (date, storage, processes), UCD's memory and load, the engine's clock and
// the state of snmpd's caches.
const char* const kStableSnmpdConfiguration = "view stable included .1\n"
                                              "view stable excluded .1.3.6.1.2.1.6\n"
                                              "view stable excluded .1.3.6.1.2.1.7\n"
                                              "view stable excluded .1.3.6.1.2.1.4.22\n"
                                              "view stable excluded .1.3.6.1.2.1.4.35\n"
                                              "view stable excluded .1.3.6.1.2.1.25\n"
                                              "view stable excluded .1.3.6.1.4.1.2021\n"
                                              "view stable excluded .1.3.6.1.6.3.10.2.1.3\n"
                                              "view stable excluded .1.3.6.1.4.1.8072.1.5\n"
                                              "rocommunity tessla 127.0.0.1 -V stable\n"
                                              "rwcommunity marbelo 127.0.0.1 -V stable\n"
                                              "createUser stable SHA-256 stable-auth AES "
                                              "stable-priv\n"
                                              "rouser stable priv -V stable\n";

const std::string kHCInOctets = "1.3.6.1.2.1.31.1.1.1.6";

TEST(NetSnmpInterop, FullTreeWalksPrintNetSnmpsLinesInEveryVersion) {
    if (!HaveTools({"snmpd", "snmpwalk", "snmpbulkwalk"})) {
        GTEST_SKIP() << "net-snmp tools missing";
    }
    LoopbackSnmpd agent(FindTool("snmpd"), kStableSnmpdConfiguration);
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();
    const std::string at = agent.Address();

    const ClientRun v1 = RunClient({"walk", at, "1.3.6.1"});
    ASSERT_EQ(v1.exitCode, 0) << v1.err;
    EXPECT_GT(OurOids(v1).size(), 500u);
    const ClientRun v1Theirs = RunNetSnmp("snmpwalk", {"-v1", "-c", "tessla", at, ".1.3.6.1"});
    EXPECT_EQ(FirstDifferingLine(v1.out, v1Theirs.out), "");
    EXPECT_NE(v1.out.find("\nEnd of MIB\n"), std::string::npos) << "a v1 walk ends as snmpwalk's";

    const ClientRun v2Theirs = RunNetSnmp("snmpwalk", {"-v2c", "-c", "tessla", at, ".1.3.6.1"});
    EXPECT_GT(OurOids(v2Theirs).size(), OurOids(v1).size()) << "SNMPv2c adds Counter64 objects";
    const ClientRun v2 = RunClient({"-v", "2c", "walk", at, "1.3.6.1"});
    ASSERT_EQ(v2.exitCode, 0) << v2.err;
    EXPECT_EQ(FirstDifferingLine(v2.out, v2Theirs.out), "");

    const ClientRun bulkTheirs =
        RunNetSnmp("snmpbulkwalk", {"-v2c", "-c", "tessla", at, ".1.3.6.1"});
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-v", "2c", "bulkwalk", at, "1.3.6.1"},
          {"-v2c", "-Cr50", "bulkwalk", at, "1.3.6.1"},
          {"-v2c", "-Cb", "walk", at, "1.3.6.1"}}) {
        const ClientRun bulk = RunClient(args);
        ASSERT_EQ(bulk.exitCode, 0) << bulk.err;
        EXPECT_EQ(FirstDifferingLine(bulk.out, bulkTheirs.out), "")
            << ::testing::PrintToString(args);
    }

    const std::vector<std::string> v3Options = {
        "-v3", "-l",          "ap", "-u",  "stable", "-a",         "SHA-256",
        "-A",  "stable-auth", "-x", "AES", "-X",     "stable-priv"};
    std::vector<std::string> v3Args = v3Options;
    v3Args.insert(v3Args.end(), {"walk", at, "1.3.6.1"});
    const ClientRun v3 = RunClient(v3Args);
    ASSERT_EQ(v3.exitCode, 0) << v3.err;
    std::vector<std::string> theirArgs = v3Options;
    theirArgs.insert(theirArgs.end(), {at, ".1.3.6.1"});
    EXPECT_EQ(FirstDifferingLine(v3.out, RunNetSnmp("snmpwalk", theirArgs).out), "");
}

// ifHCInOctets values as "OID = Counter64: N" lines, by name.
std::map<std::string, std::uint64_t> Counter64Values(const std::string& text) {
    std::map<std::string, std::uint64_t> values;
    for (const std::string& line : Lines(text)) {
        const std::size_t at = line.find(" = Counter64: ");
        if (at != std::string::npos) {
            values[line.substr(0, at)] = std::stoull(line.substr(at + 14));
        }
    }
    return values;
}

TEST(NetSnmpInterop, Counter64ValuesEqualNetSnmps) {
    if (!HaveTools({"snmpd", "snmpbulkwalk"})) {
        GTEST_SKIP() << "net-snmp tools missing";
    }
    LoopbackSnmpd agent(FindTool("snmpd"), kStableSnmpdConfiguration);
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();
    // The loopback interface counts this test's own packets: net-snmp's reading lies between
    // two of ours, and a quiet interface reads the same.
    const ClientRun before = RunClient({"-v2c", "bulkwalk", agent.Address(), kHCInOctets});
    QProcess theirs;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    theirs.setProcessEnvironment(env);
    theirs.start(QString::fromStdString(FindTool("snmpbulkwalk")),
                 {"-v2c", "-c", "tessla", "-On", QString::fromStdString(agent.Address()),
                  QString::fromStdString(kHCInOctets)});
    theirs.waitForFinished(20000);
    const ClientRun after = RunClient({"-v2c", "bulkwalk", agent.Address(), kHCInOctets});
    ASSERT_EQ(before.exitCode, 0) << before.err;
    ASSERT_EQ(after.exitCode, 0) << after.err;

    const auto low = Counter64Values(before.out);
    const auto high = Counter64Values(after.out);
    const auto netsnmp = Counter64Values(theirs.readAllStandardOutput().toStdString());
    ASSERT_FALSE(netsnmp.empty());
    ASSERT_EQ(low.size(), netsnmp.size());
    ASSERT_EQ(high.size(), netsnmp.size());
    for (const auto& [oid, value] : netsnmp) {
        SCOPED_TRACE(oid);
        ASSERT_TRUE(low.count(oid) && high.count(oid));
        EXPECT_LE(low.at(oid), value);
        EXPECT_GE(high.at(oid), value);
    }
    EXPECT_GT(netsnmp.at("." + kHCInOctets + ".1"), 0u) << "loopback has traffic";
}

TEST(NetSnmpInterop, TsharkDissectsEveryDatagramWeSend) {
    if (!HaveTools({"snmpd", "tshark"})) {
        GTEST_SKIP() << "snmpd or tshark missing";
    }
    LoopbackSnmpd agent(FindTool("snmpd"), kStableSnmpdConfiguration);
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();
    const std::string port = agent.Address().substr(agent.Address().rfind(':') + 1);
    UdpRelay relay(static_cast<std::uint16_t>(std::stoi(port)));
    const std::string at = relay.Address();
    const std::vector<std::vector<std::string>> runs = {
        {"get", at, kSysDescr, "1.3.6.1.2.1.1.3.0"},
        {"getnext", at, kSystem},
        {"walk", at, kSystem},
        {"set",
         at,
         kSysContact,
         "s",
         "ops",
         "1.3.6.1.2.1.1.7.0",
         "i",
         "-5",
         kSysContact,
         "x",
         "00 80 c8",
         kSysContact,
         "o",
         "1.3.6.1.4.1.200",
         kSysContact,
         "a",
         "10.0.0.1",
         kSysContact,
         "c",
         "4294967295",
         kSysContact,
         "g",
         "7",
         kSysContact,
         "t",
         "100",
         kSysContact,
         "m",
         "00:80:c8:12:34:56"},
        {"-v2c", "get", at, kSysDescr, "1.3.6.1.2.1.1.99.0"},
        {"-v2c", "getnext", at, kSystem},
        {"-v2c", "-Cn1", "-Cr5", "bulkget", at, kSysDescr, kSystem},
        {"-v2c", "-Cr7", "bulkwalk", at, kSystem},
        {"-v2c", "-Cb", "walk", at, "1.3.6.1.2.1.2"},
        {"-v2c", "set", at, kSysContact, "s", "ops"},
    };
    for (const auto& args : runs) {
        const ClientRun run = RunClient(args);
        EXPECT_NE(run.exitCode, -1) << ::testing::PrintToString(args);
    }
    const auto datagrams = relay.ClientDatagrams();
    ASSERT_GE(datagrams.size(), runs.size());

    QTemporaryDir dir;
    const std::string pcap = dir.path().toStdString() + "/sent.pcap";
    ASSERT_TRUE(WriteSnmpPcap(pcap, datagrams));
    QProcess tshark;
    tshark.start(QString::fromStdString(FindTool("tshark")),
                 {"-r", QString::fromStdString(pcap), "-V"});
    ASSERT_TRUE(tshark.waitForFinished(60000));
    const std::string dissected = tshark.readAllStandardOutput().toStdString();
    std::size_t messages = 0;
    for (std::size_t at = dissected.find("Simple Network Management Protocol");
         at != std::string::npos;
         at = dissected.find("Simple Network Management Protocol", at + 1)) {
        ++messages;
    }
    EXPECT_EQ(messages, datagrams.size());
    EXPECT_EQ(dissected.find("Malformed"), std::string::npos) << dissected;
    EXPECT_EQ(dissected.find("Expert Info (Error"), std::string::npos) << dissected;
    EXPECT_NE(dissected.find("getBulkRequest"), std::string::npos);
    EXPECT_NE(dissected.find("version: v2c (1)"), std::string::npos);
}

TEST(ClientProgram, HelpAndVersionOnStdoutAndAnUnknownHostNamed) {
    for (const std::string option : {"--help", "--version"}) {
        const ClientRun run = RunClient({option});
        EXPECT_EQ(run.exitCode, 0) << option;
        EXPECT_TRUE(run.err.empty()) << option;
        EXPECT_EQ(run.out.rfind(option == "--help" ? "Usage: taurel-snmp" : "taurel-snmp 1.", 0),
                  0u)
            << run.out;
    }
    const ClientRun unknown = RunClient({"get", "nosuch.invalid", kSysDescr});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "taurel-snmp: Unknown host (nosuch.invalid)\n");
}

} // namespace
