// Interoperability with net-snmp's command-line tools as the manager.

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "agent/CAgentServer.h"
#include "agent/OidText.h"
#include "tests/agent/AgentProcess.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    qint64 ms = 0;
};

ToolRun RunTool(const QString& tool, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(tool, args);
    ToolRun run;
    if (process.waitForFinished(30000)) {
        run.exitCode = process.exitCode();
    }
    run.ms = timer.elapsed();
    run.out = process.readAll().toStdString();
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

const std::string kE = ".1.3.6.1.4.1.88888";

} // namespace

// The tools are required in CI and optional elsewhere.
#define REQUIRE_NETSNMP()                                                                          \
    do {                                                                                           \
        for (const char* tool : {"snmpwalk", "snmpget", "snmpset"}) {                              \
            if (QStandardPaths::findExecutable(tool).isEmpty()) {                                  \
                if (qEnvironmentVariable("CI") == "true") {                                        \
                    FAIL() << tool << " is missing (install the Debian package snmp)";             \
                }                                                                                  \
                GTEST_SKIP() << tool << " not installed: net-snmp interoperability not tested";    \
            }                                                                                      \
        }                                                                                          \
    } while (0)

TEST(AgentNetSnmp, WalkEndsInOrderAndCoversEveryTable) {
    REQUIRE_NETSNMP();
    AgentProcess agent;
    ASSERT_NE(agent.Port(), 0);
    const ToolRun walk = RunTool("snmpwalk", {"-v1", "-On", "-t", "2", "-r", "0", "-c", "tessla",
                                              QString::fromStdString(agent.Target()), ".1"});
    ASSERT_EQ(walk.exitCode, 0) << walk.out;
    std::vector<Oid> oids;
    for (const std::string& line : Lines(walk.out)) {
        const std::size_t eq = line.find(" = ");
        if (eq != std::string::npos) {
            oids.push_back(ParseOid(line.substr(0, eq)));
            ASSERT_FALSE(oids.back().empty()) << line;
        }
    }
    ASSERT_GT(oids.size(), 1000u);
    for (std::size_t i = 1; i < oids.size(); ++i) {
        ASSERT_LT(oids[i - 1], oids[i]) << "after " << FormatOid(oids[i - 1]);
    }
    for (const std::string& table : {kE + ".11.1.1.5.1.4.", kE + ".11.1.3.2.1.6.",
                                     kE + ".11.1.3.10.1.3.", kE + ".11.9.1.2.1.1.8.1.28",
                                     kE + ".11.9.1.2.2.1.10.1.28", kE + ".11.9.1.2.3.1.23.1.28"}) {
        EXPECT_NE(walk.out.find(table), std::string::npos) << table;
    }
    EXPECT_LT(walk.ms, 1000) << "a full walk should take under a second";
    EXPECT_EQ(agent.Stop(SIGTERM), 0);
}

TEST(AgentNetSnmp, SetsReadBackAndRefusalsLookRight) {
    REQUIRE_NETSNMP();
    AgentProcess agent;
    ASSERT_NE(agent.Port(), 0);
    const QString target = QString::fromStdString(agent.Target());
    const QStringList write = {"-v1", "-On", "-t", "2", "-r", "0", "-c", "marbelo", target};
    const QStringList read = {"-v1", "-On", "-t", "2", "-r", "0", "-c", "tessla", target};
    const QString speed = QString::fromStdString(kE + ".11.9.1.2.2.1.10.1.3");
    const QString status = QString::fromStdString(kE + ".11.1.3.10.1.3.127.0.0.7");
    const QString community = QString::fromStdString(kE + ".11.1.3.10.1.2.127.0.0.7");

    const ToolRun set = RunTool(
        "snmpset", write + QStringList{".1.3.6.1.2.1.1.4.0", "s", "noc@example.org", speed, "i",
                                       "2", status, "i", "3", community, "s", "alarms"});
    ASSERT_EQ(set.exitCode, 0) << set.out;
    const ToolRun get =
        RunTool("snmpget", read + QStringList{".1.3.6.1.2.1.1.4.0", speed, status, community});
    ASSERT_EQ(get.exitCode, 0) << get.out;
    EXPECT_NE(get.out.find("STRING: \"noc@example.org\""), std::string::npos) << get.out;
    EXPECT_NE(get.out.find(speed.toStdString() + " = INTEGER: 2"), std::string::npos) << get.out;
    EXPECT_NE(get.out.find(status.toStdString() + " = INTEGER: 3"), std::string::npos) << get.out;
    EXPECT_NE(get.out.find("STRING: \"alarms\""), std::string::npos) << get.out;

    const ToolRun bad = RunTool(
        "snmpset", write + QStringList{QString::fromStdString(kE + ".11.1.2.5.0"), "i", "9"});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_NE(bad.out.find("badValue"), std::string::npos) << bad.out;

    const ToolRun stranger = RunTool(
        "snmpget", {"-v1", "-t", "1", "-r", "0", "-c", "not-ours", target, ".1.3.6.1.2.1.1.1.0"});
    EXPECT_NE(stranger.exitCode, 0);
    EXPECT_NE(stranger.out.find("Timeout"), std::string::npos) << stranger.out;
    EXPECT_EQ(agent.Stop(SIGTERM), 0);
}

TEST(AgentNetSnmp, CountersAbove2To31ReadAsUnsigned) {
    REQUIRE_NETSNMP();
    EnsureQtApplication();
    std::int64_t nowMs = 0;
    AgentServerSettings settings;
    settings.clock = [&nowMs] { return nowMs; };
    CAgentServer server(settings);
    std::string error;
    ASSERT_TRUE(server.Listen("127.0.0.1", 0, error)) << error;
    const QString target = QString("127.0.0.1:%1").arg(server.Port());
    const QString goodBytes = QString::fromStdString(kE + ".11.9.1.2.3.1.3.1.1");

    // Port 1 moves at most 12.5 MB/s: step until its byte counter has its top bit set, and
    // check each step against that rate.
    unsigned long long previous = 0;
    for (nowMs = 0; nowMs < 2'000'000'000; nowMs += 10'000) {
        QProcess get;
        get.start("snmpget",
                  {"-v1", "-Oqv", "-t", "2", "-r", "0", "-c", "tessla", target, goodBytes});
        while (!get.waitForFinished(5)) {
            QCoreApplication::processEvents(); // the agent runs in this thread
        }
        const std::string out = get.readAll().toStdString();
        ASSERT_EQ(get.exitCode(), 0) << out;
        const unsigned long long value = std::stoull(out);
        ASSERT_LE(value, 0xFFFFFFFFull) << out;
        ASSERT_GE(value, previous);
        ASSERT_LE(value - previous, 125'000'000u);
        previous = value;
        if (value >= 0x80000000ull) {
            SUCCEED() << "read " << value;
            return;
        }
    }
    FAIL() << "the counter never reached 2^31";
}
