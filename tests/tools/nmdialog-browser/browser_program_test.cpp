// nmdialog-browser as users run it: bad arguments, a bad table file, a slow agent read with a
// longer time-out, and the interface table of a real net-snmp snmpd walked to as many rows as
// snmpwalk lists.
#include "tests/agent/AgentProcess.h"
#include "tests/tools/LoopbackSnmpd.h"

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

// `display`: run on X at that display instead of offscreen.
ProgramRun RunProgram(const QString& program, const QStringList& args,
                      const QString& display = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
    if (!display.isEmpty())
        env.insert("DISPLAY", display);
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
    EXPECT_NE(run.out.find("  -t MS "), std::string::npos);
    run = Browser({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("nmdialog-browser ", 0), 0u) << run.out;
    run = RunProgram(NMDIALOG_BROWSER_PATH, {"127.0.0.1:1", "get"}, ":9999");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(HasOneRefusalLine(run.err, "cannot open a display (DISPLAY=:9999); set DISPLAY, "
                                           "or QT_QPA_PLATFORM=offscreen to draw offscreen"))
        << run.err;
}

TEST(BrowserProgram, AnAgentAnsweringAfter2500MsIsReadWithALongerTimeout) {
    EnsureQtApplication();
    AgentProcess agent({"--delay", "2500"});
    ASSERT_NE(agent.Port(), 0);
    ProgramRun run =
        Browser({QString::fromStdString(agent.Target()), "get", "-t", "3000", "--quit-after", "5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("sysName\ttaurel-switch\n"), std::string::npos) << run.out;
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

TEST(BrowserInterop, GetNextListsEveryInterfaceOfSnmpd) {
    const std::string snmpd = FindTool("snmpd");
    const std::string snmpwalk = FindTool("snmpwalk");
    if (snmpd.empty() || snmpwalk.empty())
        GTEST_SKIP() << "snmpd or snmpwalk missing (Debian packages snmpd, snmp): skipped";
    LoopbackSnmpd agent(snmpd, "rocommunity tessla 127.0.0.1\n");
    ASSERT_TRUE(agent.WaitReady()) << agent.Log();

    ProgramRun walk = RunProgram(QString::fromStdString(snmpwalk),
                                 {"-v1", "-c", "tessla", "-On",
                                  QString::fromStdString(agent.Address()), "1.3.6.1.2.1.2.2.1.1"});
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    const int interfaces = LineCount(walk.out);
    ASSERT_GE(interfaces, 1) << walk.out;

    QTemporaryDir dir;
    const QString shot = dir.path() + "/interfaces.png";
    ProgramRun run = Browser({QString::fromStdString(agent.Address()), "getnext", "--table",
                              "interfaces", "--quit-after", "3", "--screenshot", shot});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(LineCount(run.out), interfaces) << run.out;
    // The first row is the first interface: its index, then its name.
    EXPECT_EQ(run.out.rfind("1\t", 0), 0u) << run.out;
    EXPECT_TRUE(QFile::exists(shot));
}

} // namespace
