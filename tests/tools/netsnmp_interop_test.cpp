// Interoperability with net-snmp: taurel-snmp against a real snmpd on 127.0.0.1 and a free
// port, cross-checked with snmpwalk. Without the tools the test is skipped, except in CI.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUdpSocket>

#include "tests/tools/ClientProcess.h"

namespace {

const char* const kSysDescr = "1.3.6.1.2.1.1.1.0";
const char* const kSysContact = "1.3.6.1.2.1.1.4.0";
const char* const kSystem = "1.3.6.1.2.1.1";

std::string FindTool(const char* name) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) {
        return path.toStdString();
    }
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/local/sbin", "/usr/bin"})
        .toStdString();
}

bool InCi() {
    const char* ci = std::getenv("CI");
    return ci && std::string(ci) == "true";
}

std::uint16_t FreeLoopbackPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// snmpd in the foreground with a generated configuration; stopped when this goes away, however
// the test ends.
class Snmpd {
public:
    bool Start(const std::string& program, std::string& error) {
        if (!m_dir.isValid()) {
            error = "no temporary directory";
            return false;
        }
        m_port = FreeLoopbackPort();
        const QString dir = m_dir.path();
        std::ofstream(dir.toStdString() + "/snmpd.conf") << "rocommunity tessla 127.0.0.1\n"
                                                            "rwcommunity marbelo 127.0.0.1\n";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SNMP_PERSISTENT_DIR", dir + "/persist");
        env.insert("MIBS", "");
        m_process.setProcessEnvironment(env);
        m_process.start(QString::fromStdString(program),
                        {"-f", "-C", "-c", dir + "/snmpd.conf", "-Lf", dir + "/snmpd.log", "-p",
                         dir + "/snmpd.pid", QString("udp:127.0.0.1:%1").arg(m_port)});
        if (!m_process.waitForStarted(5000)) {
            error = "snmpd did not start";
            return false;
        }
        // snmpd logs its version line once its endpoint is open.
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < 10000) {
            if (m_process.state() == QProcess::NotRunning) {
                error = "snmpd exited: " + Log();
                return false;
            }
            if (Log().find("NET-SNMP version") != std::string::npos) {
                return true;
            }
            m_process.waitForFinished(50);
        }
        error = "snmpd did not become ready: " + Log();
        return false;
    }
    ~Snmpd() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000)) {
                m_process.kill();
                m_process.waitForFinished(3000);
            }
        }
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(m_port); }
    std::string Log() const {
        QFile file(m_dir.path() + "/snmpd.log");
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    std::uint16_t m_port = 0;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The OIDs of snmpwalk -On output, without their leading dot.
std::vector<std::string> NetSnmpWalkOids(const std::string& snmpwalk, const std::string& agent,
                                         const std::string& root) {
    QProcess process;
    process.start(QString::fromStdString(snmpwalk),
                  {"-v1", "-c", "tessla", "-On", "-r", "0", QString::fromStdString(agent),
                   QString::fromStdString(root)});
    process.waitForFinished(20000);
    std::vector<std::string> oids;
    for (const std::string& line : Lines(process.readAllStandardOutput().toStdString())) {
        if (line.rfind(".", 0) == 0) {
            oids.push_back(line.substr(1, line.find(' ') - 1));
        }
    }
    return oids;
}

TEST(NetSnmpInterop, GetWalkSetAndReadBackAgainstSnmpd) {
    const std::string snmpd = FindTool("snmpd");
    const std::string snmpwalk = FindTool("snmpwalk");
    if (snmpd.empty() || snmpwalk.empty()) {
        if (InCi()) {
            FAIL() << "snmpd and snmpwalk (Debian packages snmpd, snmp) are required in CI";
        }
        GTEST_SKIP() << "snmpd or snmpwalk not installed (Debian packages snmpd, snmp); "
                        "interoperability test skipped";
    }
    Snmpd agent;
    std::string error;
    ASSERT_TRUE(agent.Start(snmpd, error)) << error;

    const ClientRun get = RunClient({"get", agent.Address(), kSysDescr});
    ASSERT_EQ(get.exitCode, 0) << get.err;
    EXPECT_EQ(get.out.rfind(std::string(kSysDescr) + " = STRING: ", 0), 0u) << get.out;

    const ClientRun walk = RunClient({"walk", agent.Address(), kSystem});
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    std::vector<std::string> ours;
    for (const std::string& line : Lines(walk.out)) {
        ours.push_back(line.substr(0, line.find(" = ")));
    }
    EXPECT_GE(ours.size(), 7u);
    EXPECT_EQ(ours, NetSnmpWalkOids(snmpwalk, agent.Address(), kSystem));

    const std::string contact = "Taurel test <ops@example.net>";
    const ClientRun set = RunClient({"set", agent.Address(), kSysContact, "s", contact});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(set.out, std::string(kSysContact) + " = STRING: " + contact + "\n");

    const ClientRun readBack = RunClient({"get", agent.Address(), kSysContact});
    ASSERT_EQ(readBack.exitCode, 0) << readBack.err;
    EXPECT_EQ(readBack.out, std::string(kSysContact) + " = STRING: " + contact + "\n");

    const ClientRun missing = RunClient({"get", agent.Address(), "1.3.6.1.2.1.1.99.0"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Error in packet: noSuchName (1.3.6.1.2.1.1.99.0)\n");
}

} // namespace
