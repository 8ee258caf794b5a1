// nmdialog-browser as users run it: bad arguments, a bad table file, and the interface table
// of a real net-snmp snmpd walked to as many rows as snmpwalk lists.
#include <gtest/gtest.h>

#include <fstream>

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUdpSocket>

namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string out, err;
};

ProgramRun RunProgram(const QString& program, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(30000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

ProgramRun Browser(const QStringList& args) {
    return RunProgram(NMDIALOG_BROWSER_PATH, args);
}

int LineCount(const std::string& text) {
    return int(std::count(text.begin(), text.end(), '\n'));
}

// The one line a refusal prints (Qt may add its own lines before the program starts).
bool HasOneRefusalLine(const std::string& err, const std::string& line) {
    return err == "nmdialog-browser: " + line + "\n";
}

TEST(BrowserProgram, BadArgumentsGiveOneLineAndExit64) {
    ProgramRun run = Browser({"127.0.0.1", "walk"});
    EXPECT_EQ(run.exitCode, 64);
    EXPECT_TRUE(
        HasOneRefusalLine(run.err, "unknown dialog walk (get, getnext, set, portctrl, statistic)"))
        << run.err;
    run = Browser({"127.0.0.1:70000", "get"});
    EXPECT_EQ(run.exitCode, 64);
    EXPECT_EQ(LineCount(run.err), 1) << run.err;
    run = Browser({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("OID TYPE ACCESS NAME [VALUE=TEXT]"), std::string::npos);
}

TEST(BrowserProgram, ABadTableFileLineOpensNothing) {
    QTemporaryDir dir;
    const std::string file = dir.path().toStdString() + "/objects.tab";
    std::ofstream(file) << "1.3.6.1.2.1.1.5 string read-write sysName\n"
                           "1.3.6.1.2.1.1.6 text read-write sysLocation\n";
    const std::string shot = dir.path().toStdString() + "/shot.png";
    ProgramRun run = Browser({"127.0.0.1:9", "get", "--table-file", QString::fromStdString(file),
                              "--screenshot", QString::fromStdString(shot)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("objects.tab: line 2: unknown type text"), std::string::npos) << run.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(shot)));
}

std::string FindTool(const char* name) {
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/local/sbin", "/usr/bin"})
        .toStdString();
}

// snmpd in the foreground on a free loopback port, logging to its standard output.
class LoopbackSnmpd {
public:
    explicit LoopbackSnmpd(const std::string& program) {
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        m_port = probe.localPort();
        probe.close();
        const QString conf = m_dir.path() + "/snmpd.conf";
        std::ofstream(conf.toStdString()) << "rocommunity tessla 127.0.0.1\n";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SNMP_PERSISTENT_DIR", m_dir.path());
        env.insert("MIBS", "");
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QString::fromStdString(program),
                        {"-f", "-Lo", "-C", "-c", conf, QString("udp:127.0.0.1:%1").arg(m_port)});
    }
    ~LoopbackSnmpd() {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    // Its version line comes once the endpoint is open.
    bool WaitReady() {
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < 10000 && m_process.state() != QProcess::NotRunning) {
            m_process.waitForReadyRead(100);
            m_log += m_process.readAll().toStdString();
            if (m_log.find("NET-SNMP version") != std::string::npos)
                return true;
        }
        return false;
    }
    QString Address() const { return QString("127.0.0.1:%1").arg(m_port); }
    const std::string& Log() const { return m_log; }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    std::uint16_t m_port = 0;
    std::string m_log;
};

TEST(BrowserInterop, GetNextListsEveryInterfaceOfSnmpd) {
    const std::string snmpd = FindTool("snmpd");
    const std::string snmpwalk = FindTool("snmpwalk");
    if (snmpd.empty() || snmpwalk.empty())
        GTEST_SKIP() << "snmpd or snmpwalk missing (Debian packages snmpd, snmp): skipped";
    LoopbackSnmpd agent(snmpd);
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();

    ProgramRun walk =
        RunProgram(QString::fromStdString(snmpwalk),
                   {"-v1", "-c", "tessla", "-On", agent.Address(), "1.3.6.1.2.1.2.2.1.1"});
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    const int interfaces = LineCount(walk.out);
    ASSERT_GE(interfaces, 1) << walk.out;

    QTemporaryDir dir;
    const QString shot = dir.path() + "/interfaces.png";
    ProgramRun run = Browser({agent.Address(), "getnext", "--table", "interfaces", "--quit-after",
                              "3", "--screenshot", shot});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(LineCount(run.out), interfaces) << run.out;
    // The first row is the first interface: its index, then its name.
    EXPECT_EQ(run.out.rfind("1\t", 0), 0u) << run.out;
    EXPECT_TRUE(QFile::exists(shot));
}

} // namespace
