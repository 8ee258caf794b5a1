// taurel-snmp as users run it, against a real net-snmp snmpd on 127.0.0.1 and a free port and
// cross-checked with snmpwalk. Without the tools the test is skipped, except in CI.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUdpSocket>

#include "tests/tools/LoopbackSnmpd.h"
#include "tests/tools/taurel-snmp/ClientProcess.h"

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kSysContact = "1.3.6.1.2.1.1.4.0";
const std::string kSystem = "1.3.6.1.2.1.1";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> NetSnmpWalkOids(const std::string& snmpwalk, const std::string& agent) {
    QProcess process;
    process.start(QString::fromStdString(snmpwalk),
                  {"-v1", "-c", "tessla", "-On", QString::fromStdString(agent),
                   QString::fromStdString(kSystem)});
    process.waitForFinished(20000);
    std::vector<std::string> oids;
    for (const std::string& line : Lines(process.readAllStandardOutput().toStdString())) {
        oids.push_back(line.substr(1, line.find(' ') - 1)); // "-On" names start with a dot
    }
    return oids;
}

TEST(ClientProgram, BadArgumentsExitWith64AndTheUsage) {
    const ClientRun run = RunClient({"set", "127.0.0.1", "1.3", "q", "1"});
    EXPECT_EQ(run.exitCode, 64);
    EXPECT_NE(run.err.find("usage: taurel-snmp"), std::string::npos) << run.err;
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
    EXPECT_EQ(get.out.rfind(kSysDescr + " = STRING: ", 0), 0u) << get.out;

    const ClientRun walk = RunClient({"walk", agent.Address(), kSystem});
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    std::vector<std::string> ours;
    for (const std::string& line : Lines(walk.out)) {
        ours.push_back(line.substr(0, line.find(" = ")));
    }
    EXPECT_GE(ours.size(), 7u);
    EXPECT_EQ(ours, NetSnmpWalkOids(snmpwalk, agent.Address()));

    const std::string contact = "Taurel test <ops@example.net>";
    const ClientRun set = RunClient({"set", agent.Address(), kSysContact, "s", contact});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const ClientRun readBack = RunClient({"get", agent.Address(), kSysContact});
    EXPECT_EQ(readBack.out, kSysContact + " = STRING: " + contact + "\n");

    const ClientRun missing = RunClient({"get", agent.Address(), "1.3.6.1.2.1.1.99.0"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Error in packet: noSuchName (1.3.6.1.2.1.1.99.0)\n");

    const ClientRun dump = RunClient({"logdump", agent.Dir() + "/snmp.log"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    const std::vector<std::string> lines = Lines(dump.out);
    ASSERT_EQ(lines.size(), 4u) << dump.out;
    EXPECT_EQ(lines[0], "record 1: address " + agent.Address() +
                            ", community \"tessla\", get (0xA0), request id 1, error status "
                            "noError (0), error index 0, 1 binding(s)");
    EXPECT_EQ(lines[1], kSysDescr + " = NULL: Null");
    EXPECT_EQ(lines[2].rfind("record 2: address 127.0.0.1, community \"tessla\", response "
                             "(0xA2), request id 1, error status noError (0)",
                             0),
              0u)
        << lines[2];
    EXPECT_EQ(lines[3], get.out.substr(0, get.out.size() - 1));
}

} // namespace
